#pragma once

#include "devicerecord.h"
#include "monitoringrecord.h"

#include <QDialog>

class AlarmAddEdit;
class QTeskCmd;
class VariableCatalogRequest;

namespace Ui {
class MonitoringPointEdit;
}

// Edits one monitoring point. The controller is one of the project's; its
// variables are offered from its catalogue, and a typed name is kept for a
// controller that is not reachable. A point that may not be stored is
// refused with the reason, and the dialog stays open. The point's alarms
// are edited with it and stored with it.
class MonitoringPointEdit : public QDialog
{
    Q_OBJECT

public:
    explicit MonitoringPointEdit(QWidget *parent = nullptr);
    ~MonitoringPointEdit() override;

    void setDevices(const DeviceList &devices);
    // otherIds: the IDs the point may not take.
    void setPoint(const MonitoringPoint &point, const QStringList &otherIds);
    MonitoringPoint point() const;
    QTeskCmd *link() const;

private slots:
    void on_saveBtn_clicked();
    void on_cancelBtn_clicked();
    void on_alarmAddBtn_clicked();
    void on_alarmEditBtn_clicked();
    void on_alarmRemoveBtn_clicked();

private:
    void deviceChanged();
    void namesRead(const QStringList &names);
    void recordChanged();
    void editAlarm(int row);
    void fillAlarms();
    QList<AlarmDefinition> alarmsBut(int row) const;

    Ui::MonitoringPointEdit *ui;
    VariableCatalogRequest *m_catalog;
    AlarmAddEdit *m_alarmDialog;
    DeviceList m_devices;
    MonitoringPoint m_point;
    QStringList m_otherIds;
    QList<AlarmDefinition> m_alarms;
    QString m_address;
};
