#include "monitoringpointedit.h"

#include "dialogs.h"
#include "monitoringcheck.h"
#include "ui_monitoringpointedit.h"
#include "variablecatalogrequest.h"
#include "variabletypes.h"

#include <QLocale>

namespace {

const QStringList kRecords = {QStringLiteral("change"), QStringLiteral("interval")};

} // namespace

MonitoringPointEdit::MonitoringPointEdit(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::MonitoringPointEdit)
{
    ui->setupUi(this);
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

// A decimal comma is taken as well as a point.
bool MonitoringPointEdit::deadband(double *value) const
{
    bool ok = false;
    *value = QLocale::c().toDouble(ui->deadbandEdit->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    return ok;
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
    deadband(&p.deadband);
    p.maxGap = ui->maxGapSpin->value();
    return p;
}

void MonitoringPointEdit::on_saveBtn_clicked()
{
    double value = 0;
    QString problem = MonitoringCheck::pointProblem(point(), m_otherIds);
    if (problem.isEmpty() && !deadband(&value))
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
