#pragma once

#include "devicerecord.h"
#include "monitoringrecord.h"

#include <QDialog>

class MonitoringPointEdit;

namespace Ui {
class MonitoringEdit;
}

// Edits a copy of the project's monitoring: its points, where the history
// is kept and how often the site is read. OK hands the copy back only when
// it may be stored; a refusal names the field and keeps the dialog open.
class MonitoringEdit : public QDialog
{
    Q_OBJECT

public:
    explicit MonitoringEdit(QWidget *parent = nullptr);
    ~MonitoringEdit() override;

    void setDevices(const DeviceList &devices);
    void setRecord(const MonitoringRecord &record);
    MonitoringRecord record() const;
    MonitoringPointEdit *pointDialog() const { return m_pointDialog; }

signals:
    // The history of the selected points, as recorded, is asked for.
    void trendAsked(const QStringList &points);

private slots:
    void on_addBtn_clicked();
    void on_editBtn_clicked();
    void on_removeBtn_clicked();
    void on_trendBtn_clicked();
    void on_saveBtn_clicked();
    void on_cancelBtn_clicked();

private:
    void editPoint(int row);
    void fillTable();
    void showStorePage(int index);
    QStringList idsBut(int row) const;
    StoreRecord store() const;

    Ui::MonitoringEdit *ui;
    MonitoringPointEdit *m_pointDialog = nullptr;
    MonitoringRecord m_record;
};
