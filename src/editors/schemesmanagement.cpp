#include "schemesmanagement.h"

#include "dialogs.h"
#include "schemeaddedit.h"
#include "schemeidcheck.h"
#include "schemevariables.h"
#include "ui_schemesmanagement.h"

#include <algorithm>
#include <functional>

namespace {

enum Column { Name = 0, Id = 1, Parent = 2, Kind = 3 };
constexpr int kKeyRole = Qt::UserRole + 1;
const QString kTop = QStringLiteral("0");

} // namespace

schemesManagement::schemesManagement(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::schemesManagement)
{
    ui->setupUi(this);
    // Made after the form connected its slots by name, so that their
    // buttons can never be taken for this dialog's own.
    m_addEdit = new schemeAddEdit(this);
    m_schemeEditor = new schemeVariables(this);
    connect(ui->treeWidget, &QTreeWidget::itemDoubleClicked, this, &schemesManagement::itemDoubleClicked);
    connect(ui->treeWidget, &QTreeWidget::itemClicked, this, &schemesManagement::itemClicked);
    connect(ui->treeWidget, &DeselectableTreeWidget::selectionCleared, this, &schemesManagement::itemDeselected);
}

schemesManagement::~schemesManagement()
{
    delete ui;
}

void schemesManagement::setDevices(const DeviceList &devices)
{
    m_devices = devices;
}

void schemesManagement::setProjectFolder(const QString &path)
{
    m_projectFolder = path;
}

QList<MenuItemRecord> schemesManagement::menuRecords() const
{
    QList<MenuItemRecord> out;
    for (int key : m_order)
        out << m_records.value(key);
    return out;
}

void schemesManagement::fillRow(QTreeWidgetItem *row, const MenuItemRecord &record)
{
    row->setText(Name, record.text);
    row->setIcon(Name, QIcon(record.isGroup() ? QStringLiteral(":/folder") : QStringLiteral(":/scheme")));
    row->setText(Id, record.id);
    row->setText(Parent, record.parent);
    row->setText(Kind, record.kind);
    // Schemes are leaves: nothing is dropped onto one.
    const Qt::ItemFlags flags = row->flags() | Qt::ItemIsDropEnabled;
    row->setFlags(record.isGroup() ? flags : flags & ~Qt::ItemIsDropEnabled);
}

// Takes a record in under a new key, last in file order.
int schemesManagement::keep(const MenuItemRecord &record)
{
    m_records.insert(m_nextKey, record);
    m_order << m_nextKey;
    return m_nextKey++;
}

QTreeWidgetItem *schemesManagement::addRow(int key, QTreeWidgetItem *parent)
{
    auto *row = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(ui->treeWidget);
    row->setData(Name, kKeyRole, key);
    fillRow(row, m_records.value(key));
    m_rows << row;
    return row;
}

int schemesManagement::keyOf(const QTreeWidgetItem *row) const
{
    return row ? row->data(Name, kKeyRole).toInt() : -1;
}

// Top-level records first, then each under the group with its parent's ID,
// in passes; a record whose group never comes is put at the top level.
void schemesManagement::setMenuRecords(const QList<MenuItemRecord> &records)
{
    ui->treeWidget->clear();
    m_rows.clear();
    m_records.clear();
    m_order.clear();
    m_selectedKey = -1;
    ui->schemeRemoveBtn->setEnabled(false);
    QList<int> pending;
    for (const MenuItemRecord &r : records) {
        const int key = keep(r);
        if (r.parent == kTop)
            addRow(key, nullptr);
        else
            pending << key;
    }
    while (!pending.isEmpty()) {
        QList<int> still;
        for (int key : qAsConst(pending)) {
            const auto parent = std::find_if(m_rows.cbegin(), m_rows.cend(), [&](const QTreeWidgetItem *row) {
                return row->text(Kind) == MenuItemRecord::groupKind() && row->text(Id) == m_records.value(key).parent;
            });
            if (parent == m_rows.cend())
                still << key;
            else
                addRow(key, *parent);
        }
        if (still.size() == pending.size())
            addRow(still.takeFirst(), nullptr);
        pending = still;
    }
    ui->treeWidget->expandAll();
}

void schemesManagement::itemClicked(QTreeWidgetItem *item, int)
{
    ui->schemeRemoveBtn->setEnabled(true);
    m_selectedKey = keyOf(item);
}

void schemesManagement::itemDeselected()
{
    m_selectedKey = -1;
    ui->schemeRemoveBtn->setEnabled(false);
}

QList<MenuItemRecord> schemesManagement::recordsExcept(int key) const
{
    QList<MenuItemRecord> out;
    for (int k : m_order) {
        if (k != key)
            out << m_records.value(k);
    }
    return out;
}

void schemesManagement::prepareAddEdit(const QList<MenuItemRecord> &others)
{
    m_addEdit->reset();
    m_addEdit->setOtherRecords(others);
    m_addEdit->setProjectFolder(m_projectFolder);
}

void schemesManagement::on_schemeAddBtn_clicked()
{
    prepareAddEdit(menuRecords());
    if (m_addEdit->exec() != QDialog::Accepted)
        return;
    MenuItemRecord record = m_addEdit->record();
    if (record.isGroup())
        record.id.clear(); // numbered on confirm
    // Under the selected group, or beside the selected scheme.
    QTreeWidgetItem *parent = m_selectedKey >= 0 ? ui->treeWidget->currentItem() : nullptr;
    if (parent && !m_records.value(keyOf(parent)).isGroup())
        parent = parent->parent();
    record.parent = parent ? parent->text(Id) : kTop;
    addRow(keep(record), parent);
    if (parent)
        parent->setExpanded(true);
}

// A group gets a new name; a scheme opens in the scheme editor.
void schemesManagement::itemDoubleClicked(QTreeWidgetItem *item, int)
{
    const int key = keyOf(item);
    if (!m_records.contains(key))
        return;
    if (!m_records.value(key).isGroup()) {
        editScheme(item, key);
        return;
    }
    prepareAddEdit(recordsExcept(key));
    m_addEdit->setRecord(m_records.value(key));
    if (m_addEdit->exec() != QDialog::Accepted)
        return;
    m_records[key] = m_addEdit->record();
    fillRow(item, m_records.value(key));
}

void schemesManagement::removeSubtree(QTreeWidgetItem *row)
{
    while (row->childCount() > 0)
        removeSubtree(row->child(0));
    const int key = keyOf(row);
    m_records.remove(key);
    m_order.removeAll(key);
    m_rows.removeAll(row);
    delete row;
}

// A row goes with everything under it; nothing else shares its fate, not
// even another group whose ID is still empty.
void schemesManagement::on_schemeRemoveBtn_clicked()
{
    QTreeWidgetItem *row = ui->treeWidget->currentItem();
    if (m_selectedKey < 0 || !row)
        return;
    removeSubtree(row);
    itemDeselected();
}

bool schemesManagement::checkIds()
{
    for (const QTreeWidgetItem *row : qAsConst(m_rows)) {
        if (row->text(Kind) != MenuItemRecord::schemeKind())
            continue;
        if (!SchemeIdCheck::accept(this, row->text(Id)))
            return false;
        for (const QTreeWidgetItem *other : qAsConst(m_rows)) {
            if (other != row && other->text(Id) == row->text(Id)) {
                Dialogs::critical(this, tr("Błąd"), tr("Znaleziono dwa elementy z tym samym ID"));
                return false;
            }
        }
    }
    return true;
}

// Top-level rows count from 1 in the order they were made; groups below
// are numbered in tree order under their parent's number.
void schemesManagement::numberGroups()
{
    int count = 0;
    for (QTreeWidgetItem *row : qAsConst(m_rows)) {
        if (row->parent())
            continue;
        ++count;
        if (row->text(Kind) == MenuItemRecord::groupKind())
            row->setText(Id, QString::number(count));
        row->setText(Parent, kTop);
    }
    std::function<void(QTreeWidgetItem *)> numberChildren = [&](QTreeWidgetItem *parent) {
        int groups = 0;
        for (int i = 0; i < parent->childCount(); ++i) {
            QTreeWidgetItem *child = parent->child(i);
            child->setText(Parent, parent->text(Id));
            if (child->text(Kind) == MenuItemRecord::groupKind())
                child->setText(Id, parent->text(Id) + QLatin1Char('.') + QString::number(++groups));
            numberChildren(child);
        }
    };
    for (int i = 0; i < ui->treeWidget->topLevelItemCount(); ++i)
        numberChildren(ui->treeWidget->topLevelItem(i));
}

// Groups are numbered before the check, so that a scheme ID equal to a
// number given in this very confirmation is refused now, not the next time.
void schemesManagement::on_pushButton_2_clicked()
{
    numberGroups();
    if (!checkIds())
        return;
    for (const QTreeWidgetItem *row : qAsConst(m_rows)) {
        MenuItemRecord &r = m_records[keyOf(row)];
        r.id = row->text(Id);
        r.parent = row->text(Parent);
    }
    accept();
}

void schemesManagement::on_pushButton_clicked()
{
    reject();
}

void schemesManagement::editScheme(QTreeWidgetItem *row, int key)
{
    const MenuItemRecord record = m_records.value(key);
    m_schemeEditor->setReadVariables(record.readVariables);
    m_schemeEditor->setEvents(record.events);
    m_schemeEditor->setDevices(m_devices);
    m_schemeEditor->setProjectFolder(m_projectFolder);
    m_schemeEditor->setRecord(record);
    if (m_schemeEditor->exec() != QDialog::Accepted)
        return;
    MenuItemRecord edited = m_schemeEditor->record();
    edited.readVariables = m_schemeEditor->readVariables();
    edited.events = m_schemeEditor->events();
    m_records[key] = edited;
    fillRow(row, edited);
}
