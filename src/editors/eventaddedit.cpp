#include "eventaddedit.h"

#include "eventitemaddedit.h"
#include "qmltext.h"
#include "ui_eventaddedit.h"

#include <QDebug>

namespace {
const QString kScheme = QStringLiteral("scheme");
} // namespace

EventAddEdit::EventAddEdit(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::EventAddEdit)
{
    ui->setupUi(this);
    // Made after the form connected its slots by name: the item dialog has
    // buttons of the same names.
    m_itemDialog = new EventItemAddEdit(this);
}

EventAddEdit::~EventAddEdit()
{
    delete ui;
}

void EventAddEdit::setUsedEventNames(const QStringList &names)
{
    m_usedNames = names;
}

void EventAddEdit::setDevices(const DeviceList &devices)
{
    m_devices = devices;
}

void EventAddEdit::setProjectFolder(const QString &path)
{
    m_projectFolder = path;
}

// The names the scene fires, each once, but those other events use.
void EventAddEdit::setScheme(const MenuItemRecord &record)
{
    m_scheme = record;
    QStringList names = QmlText::itemClickedNames(QmlText::readFile(m_projectFolder + record.qmlFile));
    names.removeDuplicates();
    for (const QString &name : qAsConst(names)) {
        if (!m_usedNames.contains(name))
            ui->comboBox->addItem(name);
    }
}

void EventAddEdit::setEvent(const EventRecord &event)
{
    m_items = event.items;
    // The box shows the event's own name, even one the scene no longer fires.
    if (ui->comboBox->findText(event.name) < 0)
        ui->comboBox->insertItem(0, event.name);
    ui->comboBox->setCurrentIndex(ui->comboBox->findText(event.name));
    m_name = event.name;
    rebuild();
}

EventRecord EventAddEdit::event() const
{
    return {m_name, m_items};
}

void EventAddEdit::on_comboBox_currentIndexChanged(int index)
{
    if (index >= 0)
        m_name = ui->comboBox->itemText(index);
}

void EventAddEdit::rebuild()
{
    ui->treeWidget->clear();
    for (const EventItemRecord &item : qAsConst(m_items)) {
        auto *row = new QTreeWidgetItem(ui->treeWidget, {QString(), item.property, item.device, item.name});
        row->setIcon(0, QIcon(QStringLiteral(":/") + item.type));
    }
    ui->delButton->setEnabled(false);
    if (!m_items.isEmpty())
        ui->addButton->setEnabled(m_items.last().type != kScheme);
}

// The item a row shows: same variable and controller, the last one.
int EventAddEdit::itemOfRow(const QTreeWidgetItem *row) const
{
    int found = -1;
    for (int i = 0; row && i < m_items.size(); ++i) {
        if (m_items.at(i).property == row->text(1) && m_items.at(i).device == row->text(2))
            found = i;
    }
    return found;
}

void EventAddEdit::on_treeWidget_itemClicked(QTreeWidgetItem *item, int)
{
    ui->delButton->setEnabled(true);
    const int index = itemOfRow(item);
    if (index >= 0)
        m_selected = m_items.at(index);
}

void EventAddEdit::prepareItemDialog(const QList<EventItemRecord> &others)
{
    m_itemDialog->reset();
    m_itemDialog->setDevices(m_devices);
    m_itemDialog->setOtherItems(others);
    m_itemDialog->setProjectFolder(m_projectFolder);
}

void EventAddEdit::on_addButton_clicked()
{
    prepareItemDialog(m_items);
    if (m_itemDialog->exec() != QDialog::Accepted)
        return;
    const EventItemRecord item = m_itemDialog->item();
    qDebug() << "name: " << item.name;
    m_items << item;
    if (item.type == kScheme)
        ui->addButton->setEnabled(false);
    rebuild();
}

void EventAddEdit::on_treeWidget_itemDoubleClicked(QTreeWidgetItem *item, int)
{
    const int index = itemOfRow(item);
    if (index < 0)
        return;
    QList<EventItemRecord> others = m_items;
    others.removeAt(index);
    prepareItemDialog(others);
    m_itemDialog->setItem(m_items.at(index));
    if (m_itemDialog->exec() == QDialog::Accepted) {
        const EventItemRecord edited = m_itemDialog->item();
        const QString device = item->text(2);
        const QString property = item->text(1);
        for (EventItemRecord &i : m_items) {
            if (i.device == device && i.property == property)
                i = edited;
        }
    }
    rebuild();
}

void EventAddEdit::on_delButton_clicked()
{
    for (int i = m_items.size() - 1; i >= 0; --i) {
        if (m_items.at(i).device == m_selected.device && m_items.at(i).property == m_selected.property) {
            m_items.removeAt(i);
            break;
        }
    }
    if (m_selected.type == kScheme)
        ui->addButton->setEnabled(true);
    rebuild();
}

void EventAddEdit::on_okButton_clicked()
{
    accept();
}

void EventAddEdit::on_closeButton_clicked()
{
    reject();
}
