#include "monitoringedit.h"

#include "dialogs.h"
#include "monitoringcheck.h"
#include "monitoringpointedit.h"
#include "ui_monitoringedit.h"

#include <QHeaderView>

namespace {

enum Driver { Sqlite = 0, Postgres = 1 };

// A value from the file beyond the form's range is shown as it is, so that
// an unchanged OK keeps it.
void showValue(QSpinBox *spin, int value)
{
    spin->setMaximum(qMax(spin->maximum(), value));
    spin->setValue(value);
}

QString recordText(const QString &record)
{
    return record == QLatin1String("interval") ? MonitoringEdit::tr("w każdym przebiegu")
                                               : MonitoringEdit::tr("przy zmianie");
}

} // namespace

MonitoringEdit::MonitoringEdit(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::MonitoringEdit)
{
    ui->setupUi(this);
    // Made after the form's slots are connected by name: its buttons have
    // the same names.
    m_pointDialog = new MonitoringPointEdit(this);
    ui->pointsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->pointsTable->horizontalHeader()->setStretchLastSection(true);
    connect(ui->pointsTable, &QTableWidget::cellDoubleClicked, this, [this](int row) { editPoint(row); });
    connect(ui->driverCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &MonitoringEdit::showStorePage);
}

MonitoringEdit::~MonitoringEdit()
{
    delete ui;
}

void MonitoringEdit::setDevices(const DeviceList &devices)
{
    m_pointDialog->setDevices(devices);
}

void MonitoringEdit::setRecord(const MonitoringRecord &record)
{
    m_record = record;
    const StoreRecord &s = record.store;
    ui->driverCombo->setCurrentIndex(s.isPostgres() ? Postgres : Sqlite);
    showStorePage(ui->driverCombo->currentIndex());
    ui->pathEdit->setText(s.path);
    ui->hostEdit->setText(s.host);
    ui->portEdit->setText(s.port);
    ui->databaseEdit->setText(s.database);
    ui->userEdit->setText(s.user);
    showValue(ui->intervalSpin, record.interval);
    showValue(ui->retentionSpin, record.retentionDays);
    showValue(ui->rollupSpin, record.rollupDays);
    showValue(ui->commAlarmSpin, record.commAlarmDelay);
    showValue(ui->maxShelveSpin, record.maxShelveHours);
    fillTable();
}

// A hidden page takes no room: the points get the height the server's
// fields would take.
void MonitoringEdit::showStorePage(int index)
{
    for (int i = 0; i < ui->storeStack->count(); ++i)
        ui->storeStack->widget(i)->setSizePolicy(QSizePolicy::Preferred,
                                                 i == index ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    ui->storeStack->setCurrentIndex(index);
}

// The fields of the other driver are kept as they were, so that switching
// back and forth changes nothing.
StoreRecord MonitoringEdit::store() const
{
    StoreRecord s = m_record.store;
    if (ui->driverCombo->currentIndex() == Postgres) {
        s.driver = QStringLiteral("postgresql");
        s.host = ui->hostEdit->text().trimmed();
        s.port = ui->portEdit->text().trimmed();
        s.database = ui->databaseEdit->text().trimmed();
        s.user = ui->userEdit->text().trimmed();
    } else {
        s.driver = QStringLiteral("sqlite");
        s.path = ui->pathEdit->text().trimmed();
    }
    return s;
}

MonitoringRecord MonitoringEdit::record() const
{
    MonitoringRecord r = m_record;
    r.interval = ui->intervalSpin->value();
    r.retentionDays = ui->retentionSpin->value();
    r.rollupDays = ui->rollupSpin->value();
    r.commAlarmDelay = ui->commAlarmSpin->value();
    r.maxShelveHours = ui->maxShelveSpin->value();
    r.store = store();
    return r;
}

void MonitoringEdit::fillTable()
{
    QTableWidget *table = ui->pointsTable;
    table->setRowCount(m_record.points.size());
    for (int row = 0; row < m_record.points.size(); ++row) {
        const MonitoringPoint &p = m_record.points.at(row);
        const QStringList cells = {p.id,          p.device, p.devVar,          p.type,
                                   p.description, p.unit,   recordText(p.record), QString::number(p.deadband),
                                   QString::number(p.maxGap), QString::number(p.alarms.size())};
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
}

QStringList MonitoringEdit::idsBut(int row) const
{
    QStringList ids;
    for (int i = 0; i < m_record.points.size(); ++i) {
        if (i != row)
            ids << m_record.points.at(i).id;
    }
    return ids;
}

void MonitoringEdit::on_addBtn_clicked()
{
    m_pointDialog->setPoint(MonitoringPoint(), idsBut(-1));
    if (m_pointDialog->exec() != QDialog::Accepted)
        return;
    m_record.points.append(m_pointDialog->point());
    fillTable();
    ui->pointsTable->selectRow(m_record.points.size() - 1);
}

void MonitoringEdit::on_editBtn_clicked()
{
    editPoint(ui->pointsTable->currentRow());
}

void MonitoringEdit::editPoint(int row)
{
    if (row < 0 || row >= m_record.points.size())
        return;
    m_pointDialog->setPoint(m_record.points.at(row), idsBut(row));
    if (m_pointDialog->exec() != QDialog::Accepted)
        return;
    m_record.points[row] = m_pointDialog->point();
    fillTable();
    ui->pointsTable->selectRow(row);
}

void MonitoringEdit::on_removeBtn_clicked()
{
    const int row = ui->pointsTable->currentRow();
    if (row < 0 || row >= m_record.points.size())
        return;
    const MonitoringPoint &p = m_record.points.at(row);
    const QString text = tr("Usunąć punkt „%1” (%2, %3)? Jego zapisana historia zostaje w bazie.")
                             .arg(p.id, p.device, p.devVar);
    if (Dialogs::question(this, tr("Potwierdzenie"), text) != QMessageBox::Yes)
        return;
    m_record.points.removeAt(row);
    fillTable();
}

void MonitoringEdit::on_trendBtn_clicked()
{
    QStringList points;
    for (const QModelIndex &row : ui->pointsTable->selectionModel()->selectedRows()) {
        if (row.row() < m_record.points.size())
            points.append(m_record.points.at(row.row()).id);
    }
    if (!points.isEmpty())
        emit trendAsked(points);
}

void MonitoringEdit::on_saveBtn_clicked()
{
    const QString problem = MonitoringCheck::settingsProblem(record());
    if (!problem.isEmpty()) {
        Dialogs::critical(this, tr("Błąd"), problem);
        return;
    }
    accept();
}

void MonitoringEdit::on_cancelBtn_clicked()
{
    reject();
}
