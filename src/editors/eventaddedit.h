#pragma once

#include "devicerecord.h"
#include "eventrecord.h"
#include "menuitemrecord.h"

#include <QDialog>

class EventItemAddEdit;
class QTreeWidgetItem;

namespace Ui {
class EventAddEdit;
}

// One event of a scheme: its name, chosen among the names the scheme's QML
// file passes to itemClicked, and its ordered items. A scheme change comes
// last: nothing can be added after it.
class EventAddEdit : public QDialog
{
    Q_OBJECT

public:
    explicit EventAddEdit(QWidget *parent = nullptr);
    ~EventAddEdit() override;

    void setUsedEventNames(const QStringList &names);
    void setDevices(const DeviceList &devices);
    void setProjectFolder(const QString &path);
    void setScheme(const MenuItemRecord &record);
    void setEvent(const EventRecord &event);
    // The record's name hides QObject's event handler, which stays reachable.
    using QDialog::event;
    EventRecord event() const;
    EventItemAddEdit *itemDialog() const { return m_itemDialog; }

private slots:
    void on_comboBox_currentIndexChanged(int index);
    void on_treeWidget_itemClicked(QTreeWidgetItem *item, int column);
    void on_treeWidget_itemDoubleClicked(QTreeWidgetItem *item, int column);
    void on_addButton_clicked();
    void on_delButton_clicked();
    void on_okButton_clicked();
    void on_closeButton_clicked();

private:
    int itemOfRow(const QTreeWidgetItem *row) const;
    void rebuild();
    void prepareItemDialog(const QList<EventItemRecord> &others);

    Ui::EventAddEdit *ui;
    EventItemAddEdit *m_itemDialog = nullptr;
    QString m_name;
    QList<EventItemRecord> m_items;
    EventItemRecord m_selected;
    MenuItemRecord m_scheme;
    DeviceList m_devices;
    QString m_projectFolder;
    QStringList m_usedNames;
};
