#pragma once

#include "devicerecord.h"
#include "menuitemrecord.h"

#include <QDialog>
#include <QHash>

class QTreeWidgetItem;
class schemeAddEdit;
class schemeVariables;

namespace Ui {
class schemesManagement;
}

// Edits the project's menu: groups and schemes added under the selection,
// renamed, moved by drag and drop, removed with all they hold. On confirm
// scheme IDs are checked and the groups numbered from the tree's shape.
// Each row stays tied to its own record, so groups not numbered yet (their
// IDs all empty) are never mistaken for one another.
class schemesManagement : public QDialog
{
    Q_OBJECT

public:
    explicit schemesManagement(QWidget *parent = nullptr);
    ~schemesManagement() override;

    void setMenuRecords(const QList<MenuItemRecord> &records);
    void setDevices(const DeviceList &devices);
    void setProjectFolder(const QString &path);
    QList<MenuItemRecord> menuRecords() const;

    schemeAddEdit *addEditDialog() const { return m_addEdit; }
    schemeVariables *schemeEditor() const { return m_schemeEditor; }

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();
    void on_schemeAddBtn_clicked();
    void on_schemeRemoveBtn_clicked();
    void itemDoubleClicked(QTreeWidgetItem *item, int column);
    void itemClicked(QTreeWidgetItem *item, int column);
    void itemDeselected();

private:
    int keep(const MenuItemRecord &record);
    QTreeWidgetItem *addRow(int key, QTreeWidgetItem *parent);
    void fillRow(QTreeWidgetItem *row, const MenuItemRecord &record);
    int keyOf(const QTreeWidgetItem *row) const;
    QList<MenuItemRecord> recordsExcept(int key) const;
    void prepareAddEdit(const QList<MenuItemRecord> &others);
    bool checkIds();
    void numberGroups();
    void removeSubtree(QTreeWidgetItem *row);
    void editScheme(QTreeWidgetItem *row, int key);

    Ui::schemesManagement *ui;
    schemeAddEdit *m_addEdit = nullptr;
    schemeVariables *m_schemeEditor = nullptr;
    DeviceList m_devices;
    QString m_projectFolder;
    QHash<int, MenuItemRecord> m_records; // by key
    QList<int> m_order;                   // keys in list order
    QList<QTreeWidgetItem *> m_rows;      // in creation order
    int m_nextKey = 0;
    int m_selectedKey = -1;
};
