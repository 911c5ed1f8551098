#include "monitoringpointedit.h"

#include "alarmaddedit.h"
#include "decimaltext.h"
#include "dialogs.h"
#include "monitoringcheck.h"
#include "ui_monitoringpointedit.h"
#include "variablecatalogrequest.h"
#include "variabletypes.h"

#include <QHeaderView>

namespace {

const QStringList kRecords = {QStringLiteral("change"), QStringLiteral("interval")};

} // namespace

MonitoringPointEdit::MonitoringPointEdit(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::MonitoringPointEdit)
{
    ui->setupUi(this);
    // Made after the form's slots are connected by name: its buttons have
    // the same names.
    m_alarmDialog = new AlarmAddEdit(this);
    ui->alarmTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->alarmTable->horizontalHeader()->setStretchLastSection(true);
    connect(ui->alarmTable, &QTableWidget::cellDoubleClicked, this, [this](int row) { editAlarm(row); });
    m_catalog = new VariableCatalogRequest(this, ui->statusLabel);
    connect(m_catalog, &VariableCatalogRequest::namesRead, this, &MonitoringPointEdit::namesRead);
    connect(m_catalog, &VariableCatalogRequest::silent, this,
            [this] { ui->statusLabel->setText(tr("Sterownik ") + m_address + tr(" nie odpowiada")); });
    connect(ui->deviceCombo, qOverload<int>(&QComboBox::activated), this, &MonitoringPointEdit::deviceChanged);
    connect(ui->recordCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &MonitoringPointEdit::recordChanged);
}

MonitoringPointEdit::~MonitoringPointEdit()
{
    delete ui;
}

QTeskCmd *MonitoringPointEdit::link() const
{
    return m_catalog->link();
}

// The combo shows "ID / description" and keeps the ID with the item.
void MonitoringPointEdit::setDevices(const DeviceList &devices)
{
    m_devices = devices;
    ui->deviceCombo->clear();
    for (const DeviceRecord &d : devices)
        ui->deviceCombo->addItem(d.id + QStringLiteral(" / ") + d.description, d.id);
}

// A point of a controller the project no longer has shows none chosen.
void MonitoringPointEdit::setPoint(const MonitoringPoint &point, const QStringList &otherIds)
{
    m_point = point;
    m_otherIds = otherIds;
    ui->idEdit->setText(point.id);
    ui->deviceCombo->setCurrentIndex(ui->deviceCombo->findData(point.device));
    ui->devVarCombo->clear();
    ui->devVarCombo->setEditText(point.devVar);
    ui->typeCombo->setCurrentIndex(variableTypes().indexOf(point.type));
    ui->descriptionEdit->setText(point.description);
    ui->unitEdit->setText(point.unit);
    ui->recordCombo->setCurrentIndex(qMax(0, kRecords.indexOf(point.record)));
    ui->deadbandEdit->setText(QString::number(point.deadband));
    ui->maxGapSpin->setValue(point.maxGap);
    ui->statusLabel->clear();
    m_alarms = point.alarms;
    fillAlarms();
    recordChanged();
    ui->idEdit->setFocus();
    if (ui->deviceCombo->currentIndex() >= 0)
        deviceChanged();
}

void MonitoringPointEdit::deviceChanged()
{
    VariableCatalogRequest::forgetNames(ui->devVarCombo);
    m_address = addressOf(m_devices, ui->deviceCombo->currentData().toString());
    if (!m_address.isEmpty())
        m_catalog->ask(m_address);
}

// The name shown, stored or typed meanwhile, stays.
void MonitoringPointEdit::namesRead(const QStringList &names)
{
    const QString shown = ui->devVarCombo->currentText();
    ui->devVarCombo->clear();
    ui->devVarCombo->addItems(names);
    ui->devVarCombo->setCurrentIndex(-1);
    ui->devVarCombo->setEditText(shown);
}

// Deadband and gap mean something only when samples are taken on change.
void MonitoringPointEdit::recordChanged()
{
    const bool onChange = ui->recordCombo->currentIndex() == 0;
    ui->deadbandEdit->setEnabled(onChange);
    ui->maxGapSpin->setEnabled(onChange);
}

void MonitoringPointEdit::fillAlarms()
{
    QTableWidget *table = ui->alarmTable;
    table->setRowCount(m_alarms.size());
    for (int row = 0; row < m_alarms.size(); ++row) {
        const AlarmDefinition &a = m_alarms.at(row);
        const QString level = a.isLimit() ? QString::number(a.limit)
                                          : a.kind == QLatin1String("state") ? QString::number(a.value) : QString();
        const QStringList cells = {MonitoringCheck::alarmKindName(a.kind),
                                   level,
                                   a.isLimit() ? QString::number(a.deadband) : QString(),
                                   QStringLiteral("%1 / %2").arg(a.onDelay).arg(a.offDelay),
                                   QString::number(a.priority),
                                   a.text};
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
}

QList<AlarmDefinition> MonitoringPointEdit::alarmsBut(int row) const
{
    QList<AlarmDefinition> others = m_alarms;
    if (row >= 0)
        others.removeAt(row);
    return others;
}

void MonitoringPointEdit::on_alarmAddBtn_clicked()
{
    m_alarmDialog->setAlarm(AlarmDefinition(), point().type, m_alarms);
    if (m_alarmDialog->exec() != QDialog::Accepted)
        return;
    m_alarms.append(m_alarmDialog->alarm());
    fillAlarms();
    ui->alarmTable->selectRow(m_alarms.size() - 1);
}

void MonitoringPointEdit::on_alarmEditBtn_clicked()
{
    editAlarm(ui->alarmTable->currentRow());
}

void MonitoringPointEdit::editAlarm(int row)
{
    if (row < 0 || row >= m_alarms.size())
        return;
    m_alarmDialog->setAlarm(m_alarms.at(row), point().type, alarmsBut(row));
    if (m_alarmDialog->exec() != QDialog::Accepted)
        return;
    m_alarms[row] = m_alarmDialog->alarm();
    fillAlarms();
    ui->alarmTable->selectRow(row);
}

void MonitoringPointEdit::on_alarmRemoveBtn_clicked()
{
    const int row = ui->alarmTable->currentRow();
    if (row < 0 || row >= m_alarms.size())
        return;
    m_alarms.removeAt(row);
    fillAlarms();
}

MonitoringPoint MonitoringPointEdit::point() const
{
    MonitoringPoint p = m_point;
    p.id = ui->idEdit->text().trimmed();
    p.device = ui->deviceCombo->currentData().toString();
    p.devVar = ui->devVarCombo->currentText().trimmed();
    if (ui->typeCombo->currentIndex() >= 0)
        p.type = variableTypes().value(ui->typeCombo->currentIndex());
    p.description = ui->descriptionEdit->text();
    p.unit = ui->unitEdit->text();
    p.record = kRecords.value(ui->recordCombo->currentIndex());
    DecimalText::parse(ui->deadbandEdit->text(), &p.deadband);
    p.maxGap = ui->maxGapSpin->value();
    p.alarms = m_alarms;
    return p;
}

void MonitoringPointEdit::on_saveBtn_clicked()
{
    double value = 0;
    QString problem = MonitoringCheck::pointProblem(point(), m_otherIds);
    if (problem.isEmpty() && !DecimalText::parse(ui->deadbandEdit->text(), &value))
        problem = tr("Strefa nieczułości: „%1” nie jest liczbą.").arg(ui->deadbandEdit->text());
    if (!problem.isEmpty()) {
        Dialogs::critical(this, tr("Błąd"), problem);
        return;
    }
    accept();
}

void MonitoringPointEdit::on_cancelBtn_clicked()
{
    reject();
}
