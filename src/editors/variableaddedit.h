#pragma once

#include "devicerecord.h"
#include "menuitemrecord.h"
#include "variablecatalogrequest.h"

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
    explicit variableAddEdit(QWidget *parent = nullptr);
    ~variableAddEdit() override;

    void setProjectFolder(const QString &path);
    void setDevices(const DeviceList &devices);
    void setScheme(const MenuItemRecord &record);
    void setVariable(const TeskSchemeVariable &variable);
    void reset();
    TeskSchemeVariable variable() const;
    QTeskCmd *link() const { return m_catalog->link(); }

private slots:
    void on_saveBtn_clicked();
    void on_cancelBtn_clicked();
    void deviceChanged();

private:
    void askController(const QString &deviceId);
    void namesRead(const QStringList &names);

    Ui::variableAddEdit *ui;
    VariableCatalogRequest *m_catalog;
    DeviceList m_devices;
    QString m_projectFolder;
    MenuItemRecord m_scheme;
    TeskSchemeVariable m_variable;
    QString m_address;
    QMetaObject::Connection m_deviceConnection;
};
