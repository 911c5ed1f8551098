#include "schemevariables.h"

#include "eventaddedit.h"
#include "qmlfilechooser.h"
#include "schemeidcheck.h"
#include "ui_schemevariables.h"
#include "variableaddedit.h"

schemeVariables::schemeVariables(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::schemeVariables)
{
    ui->setupUi(this);
    // Made after the form connected its slots by name: the variable dialog
    // has buttons of the same names.
    m_variableDialog = new variableAddEdit(this);
    ui->addBtn->setToolTip(tr("Dodaj"));
    ui->deleteBtn->setToolTip(tr("Usuń"));
}

schemeVariables::~schemeVariables()
{
    delete ui;
}

void schemeVariables::setReadVariables(const QList<TeskSchemeVariable> &variables)
{
    m_variables = variables;
    rebuildGetTree();
    ui->deleteBtn->setEnabled(false);
}

void schemeVariables::setEvents(const QList<EventRecord> &events)
{
    m_events = events;
    rebuildSetTree();
}

void schemeVariables::setDevices(const DeviceList &devices)
{
    m_devices = devices;
}

void schemeVariables::setProjectFolder(const QString &path)
{
    m_projectFolder = path;
}

SchemeFields schemeVariables::fields() const
{
    return {ui->comboBox_2, ui->groupName, ui->schemeId, ui->schemeName, ui->qmlPath, ui->updateInterval};
}

void schemeVariables::setRecord(const MenuItemRecord &record)
{
    m_record = record;
    fields().load(record);
}

MenuItemRecord schemeVariables::record() const
{
    return fields().read(m_record);
}

void schemeVariables::rebuildGetTree()
{
    ui->getTree->clear();
    for (const TeskSchemeVariable &v : qAsConst(m_variables)) {
        auto *row = new QTreeWidgetItem(ui->getTree, {QString(), v.devVar, v.qmlVar, v.device});
        row->setIcon(0, QIcon(QStringLiteral(":/") + v.type));
    }
    // Wide enough for both the names and the headings.
    for (int c = 0; c < ui->getTree->columnCount(); ++c)
        ui->getTree->resizeColumnToContents(c);
}

void schemeVariables::rebuildSetTree()
{
    ui->setTree->clear();
    for (const EventRecord &e : qAsConst(m_events))
        new QTreeWidgetItem(ui->setTree, {e.name});
    for (int i = 0; i < ui->setTree->topLevelItemCount(); ++i)
        ui->setTree->topLevelItem(i)->setIcon(0, QIcon(QStringLiteral(":/event")));
}

// The read variable a row shows: same controller and scheme names, the first.
int schemeVariables::variableOfRow(const QTreeWidgetItem *row) const
{
    for (int i = 0; row && i < m_variables.size(); ++i) {
        if (m_variables.at(i).devVar == row->text(1) && m_variables.at(i).qmlVar == row->text(2))
            return i;
    }
    return -1;
}

void schemeVariables::on_tabWidget_currentChanged(int index)
{
    ui->getTree->clearSelection();
    ui->addBtn->setEnabled(index != General);
    ui->deleteBtn->setEnabled(false);
}

void schemeVariables::on_getTree_itemClicked(QTreeWidgetItem *, int)
{
    ui->deleteBtn->setEnabled(true);
}

void schemeVariables::on_setTree_itemClicked(QTreeWidgetItem *, int)
{
    ui->deleteBtn->setEnabled(true);
}

void schemeVariables::prepareVariableDialog()
{
    m_variableDialog->setProjectFolder(m_projectFolder);
    m_variableDialog->setDevices(m_devices);
    m_variableDialog->setScheme(record());
}

// The names of the other events are not offered; the edited one's own is.
void schemeVariables::prepareEventDialog(EventAddEdit &dialog, const QString &editedName) const
{
    QStringList used;
    for (const EventRecord &e : m_events) {
        if (e.name != editedName)
            used << e.name;
    }
    dialog.setUsedEventNames(used);
    dialog.setDevices(m_devices);
    dialog.setProjectFolder(m_projectFolder);
    dialog.setScheme(record());
}

void schemeVariables::on_addBtn_clicked()
{
    if (ui->tabWidget->currentIndex() == Write) {
        EventAddEdit dialog(this);
        prepareEventDialog(dialog);
        if (dialog.exec() == QDialog::Accepted) {
            m_events << dialog.event();
            rebuildSetTree();
        }
        return;
    }
    if (ui->tabWidget->currentIndex() != Read)
        return;
    prepareVariableDialog();
    m_variableDialog->reset();
    if (m_variableDialog->exec() == QDialog::Accepted) {
        m_variables << m_variableDialog->variable();
        rebuildGetTree();
    }
    m_variableDialog->reset();
}

void schemeVariables::on_getTree_itemDoubleClicked(QTreeWidgetItem *item, int)
{
    const int index = variableOfRow(item);
    if (index < 0)
        return;
    prepareVariableDialog();
    m_variableDialog->reset();
    m_variableDialog->setVariable(m_variables.at(index));
    if (m_variableDialog->exec() == QDialog::Accepted) {
        const TeskSchemeVariable edited = m_variableDialog->variable();
        TeskSchemeVariable &v = m_variables[index];
        v.device = edited.device;
        v.devVar = edited.devVar;
        v.qmlVar = edited.qmlVar;
        v.type = edited.type;
        rebuildGetTree();
    }
    m_variableDialog->reset();
}

void schemeVariables::on_setTree_itemDoubleClicked(QTreeWidgetItem *item, int)
{
    const QString name = item->text(0);
    const auto event = std::find_if(m_events.begin(), m_events.end(), [&](const EventRecord &e) { return e.name == name; });
    if (event == m_events.end())
        return;
    EventAddEdit dialog(this);
    prepareEventDialog(dialog, name);
    dialog.setEvent(*event);
    if (dialog.exec() == QDialog::Accepted) {
        *event = dialog.event();
        rebuildSetTree();
    }
}

void schemeVariables::on_deleteBtn_clicked()
{
    if (ui->tabWidget->currentIndex() == Read) {
        const int index = variableOfRow(ui->getTree->currentItem());
        if (index >= 0)
            m_variables.removeAt(index);
        rebuildGetTree();
    } else if (ui->tabWidget->currentIndex() == Write && ui->setTree->currentItem()) {
        const QString name = ui->setTree->currentItem()->text(0);
        for (int i = m_events.size() - 1; i >= 0; --i) {
            if (m_events.at(i).name == name)
                m_events.removeAt(i);
        }
        rebuildSetTree();
    }
    ui->deleteBtn->setEnabled(false);
}

void schemeVariables::on_qmlPathButton_clicked()
{
    const QString path = QmlFileChooser::choose(this, m_projectFolder);
    if (!path.isEmpty())
        ui->qmlPath->setText(path);
}

void schemeVariables::on_saveBtn_clicked()
{
    if (record().isScheme() && !SchemeIdCheck::accept(this, ui->schemeId->text()))
        return;
    accept();
}

void schemeVariables::on_cancelBtn_clicked()
{
    reject();
}
