#pragma once

#include "controllerstatus.h"
#include "devicerecord.h"
#include "writeoutcome.h"

#include <QDialog>

class ControllerStatusColumns;
class UserSession;
class deviceAddEdit;
class QTreeWidgetItem;

namespace Ui {
class deviceManagement;
}

// The project's list of controllers: add through the device editor, edit
// by double-click, delete after a question; IDs must be unique to confirm.
class deviceManagement : public QDialog
{
    Q_OBJECT

public:
    explicit deviceManagement(QWidget *parent = nullptr);
    ~deviceManagement() override;

    void setDevices(const DeviceList &devices);
    DeviceList devices() const { return m_devices; }
    // How the shown scheme's controllers fare; empty when no scheme is shown.
    void setControllerStatus(const QList<ControllerStatus> &status);
    // Who may write from the device editor; none: anyone.
    void setSession(const UserSession *session) { m_session = session; }

signals:
    // A value written from the device editor.
    void written(const WriteOutcome &outcome);

private slots:
    void on_saveButton_clicked();
    void on_closeButton_clicked();
    void on_addDeviceButton_clicked();
    void on_treeWidget_itemClicked();
    void on_deleteDeviceButton_clicked();
    void on_treeWidget_itemDoubleClicked(QTreeWidgetItem *item);

private:
    void rebuildTree();
    int indexOfSelected() const;
    void watch(deviceAddEdit *editor);

    Ui::deviceManagement *ui;
    DeviceList m_devices;
    QList<QTreeWidgetItem *> m_rows;
    ControllerStatusColumns *m_statusColumns;
    const UserSession *m_session = nullptr;
};
