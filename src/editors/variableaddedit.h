#pragma once

#include "devicerecord.h"
#include "menuitemrecord.h"

#include <QDialog>

class QTeskCmd;

namespace Ui {
class variableAddEdit;
}

// Binds one controller variable to one property of the scheme: the
// controller's variables come from its description, the properties from the
// scheme's QML file. Both lists take typed names too, for a controller that
// is not reachable or a property not declared yet.
class variableAddEdit : public QDialog
{
    Q_OBJECT

public:
    static constexpr quint16 kPort = 16483;

    explicit variableAddEdit(QWidget *parent = nullptr);
    ~variableAddEdit() override;

    void setProjectFolder(const QString &path);
    void setDevices(const DeviceList &devices);
    void setScheme(const MenuItemRecord &record);
    void setVariable(const TeskSchemeVariable &variable);
    void reset();
    TeskSchemeVariable variable() const;
    QTeskCmd *link() const { return m_link; }

private slots:
    void on_saveBtn_clicked();
    void on_cancelBtn_clicked();
    void dataReady(const QString &reply);
    void deviceChanged();
    void linkTimeout();

private:
    void askController(const QString &deviceId);

    Ui::variableAddEdit *ui;
    QTeskCmd *m_link;
    DeviceList m_devices;
    QString m_projectFolder;
    MenuItemRecord m_scheme;
    TeskSchemeVariable m_variable;
    QString m_address;
    QMetaObject::Connection m_deviceConnection;
};
