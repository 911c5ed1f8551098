#pragma once

#include "devicerecord.h"
#include "menuitemrecord.h"
#include "schemefields.h"

#include <QDialog>

class EventAddEdit;
class QTreeWidgetItem;
class variableAddEdit;

namespace Ui {
class schemeVariables;
}

// Edits one scheme: its general data, the controller variables it reads
// into its QML properties, and its events.
class schemeVariables : public QDialog
{
    Q_OBJECT

public:
    explicit schemeVariables(QWidget *parent = nullptr);
    ~schemeVariables() override;

    void setReadVariables(const QList<TeskSchemeVariable> &variables);
    void setEvents(const QList<EventRecord> &events);
    void setDevices(const DeviceList &devices);
    void setProjectFolder(const QString &path);
    void setRecord(const MenuItemRecord &record);

    MenuItemRecord record() const;
    QList<TeskSchemeVariable> readVariables() const { return m_variables; }
    QList<EventRecord> events() const { return m_events; }
    variableAddEdit *variableDialog() const { return m_variableDialog; }

private slots:
    void on_saveBtn_clicked();
    void on_cancelBtn_clicked();
    void on_getTree_itemClicked(QTreeWidgetItem *item, int column);
    void on_addBtn_clicked();
    void on_getTree_itemDoubleClicked(QTreeWidgetItem *item, int column);
    void on_tabWidget_currentChanged(int index);
    void on_deleteBtn_clicked();
    void on_qmlPathButton_clicked();
    void on_setTree_itemClicked(QTreeWidgetItem *item, int column);
    void on_setTree_itemDoubleClicked(QTreeWidgetItem *item, int column);

private:
    enum Tab { General = 0, Read = 1, Write = 2 };

    SchemeFields fields() const;
    void rebuildGetTree();
    void rebuildSetTree();
    void prepareVariableDialog();
    void prepareEventDialog(EventAddEdit &dialog, const QString &editedName = QString()) const;
    int variableOfRow(const QTreeWidgetItem *row) const;

    Ui::schemeVariables *ui;
    variableAddEdit *m_variableDialog = nullptr;
    MenuItemRecord m_record;
    QList<TeskSchemeVariable> m_variables;
    QList<EventRecord> m_events;
    DeviceList m_devices;
    QString m_projectFolder;
};
