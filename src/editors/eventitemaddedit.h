#pragma once

#include "devicerecord.h"
#include "eventitemrecord.h"
#include "variablecatalogrequest.h"

#include <QDialog>

class QComboBox;
class QTeskCmd;
class QTreeWidgetItem;

namespace Ui {
class EventItemAddEdit;
}

// One item of a scheme event: a controller variable to write (asked for
// with a value field, or chosen from a list of choices), or the scheme to
// switch to. The controller's variables come from its description; the
// event's other items' variables on that controller are not offered again.
class EventItemAddEdit : public QDialog
{
    Q_OBJECT

public:
    explicit EventItemAddEdit(QWidget *parent = nullptr);
    ~EventItemAddEdit() override;

    void reset();
    void setDevices(const DeviceList &devices);
    void setOtherItems(const QList<EventItemRecord> &items);
    void setProjectFolder(const QString &path);
    void setItem(const EventItemRecord &item);
    EventItemRecord item() const { return m_item; }
    QTeskCmd *link() const { return m_catalog->link(); }

    // The scheme IDs a project folder offers: its files but the project's
    // own, by name ignoring case, each up to its first full stop.
    static QStringList schemeIds(const QString &projectFolder);

private slots:
    void on_typeCombo_currentIndexChanged(int index);
    void on_comboBox_2_currentIndexChanged(int index);
    void on_comboBox_5_currentIndexChanged(int index);
    void on_okButton_clicked();
    void on_closeButton_clicked();
    void on_addButton_clicked();
    void on_delButton_clicked();
    void on_treeWidget_itemClicked(QTreeWidgetItem *item, int column);
    void on_treeWidget_itemDoubleClicked(QTreeWidgetItem *item, int column);

private:
    enum Page { Values = 0, Lists = 1, Scheme = 2 };

    void controllerChosen(int index, QComboBox *other);
    QString currentDevice() const;
    QComboBox *variableField() const;
    void rebuildChoices();
    void namesRead(const QStringList &names);

    Ui::EventItemAddEdit *ui;
    VariableCatalogRequest *m_catalog;
    EventItemRecord m_item;
    int m_mode = Values;
    DeviceList m_devices;
    QList<EventItemRecord> m_others;
    QString m_projectFolder;
    ListValueRecord m_selectedChoice;
};
