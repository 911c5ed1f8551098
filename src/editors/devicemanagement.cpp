#include "devicemanagement.h"

#include "controllerstatuscolumns.h"
#include "deviceaddedit.h"
#include "dialogs.h"
#include "ui_devicemanagement.h"

deviceManagement::deviceManagement(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::deviceManagement)
{
    ui->setupUi(this);
    m_statusColumns = new ControllerStatusColumns(ui->treeWidget);
}

deviceManagement::~deviceManagement()
{
    delete ui;
}

// Each use starts here: nothing is selected yet, whatever ended the last one.
void deviceManagement::setDevices(const DeviceList &devices)
{
    ui->deleteDeviceButton->setEnabled(false);
    m_devices = devices;
    rebuildTree();
}

void deviceManagement::setControllerStatus(const QList<ControllerStatus> &status)
{
    m_statusColumns->setStatus(status);
}

void deviceManagement::rebuildTree()
{
    ui->treeWidget->clear();
    m_rows.clear();
    for (const DeviceRecord &d : qAsConst(m_devices)) {
        auto *row = new QTreeWidgetItem(ui->treeWidget, {d.id, d.networkAdress, d.port, d.description});
        row->setIcon(0, QIcon(QStringLiteral(":/devices")));
        m_rows << row;
    }
    for (int c = 0; c < ui->treeWidget->columnCount() - 1; ++c)
        ui->treeWidget->resizeColumnToContents(c);
    m_statusColumns->fill();
}

// The device of the selected row, by the row's place: IDs may be shared
// until the list is confirmed. -1 when no row is selected.
int deviceManagement::indexOfSelected() const
{
    QTreeWidgetItem *row = ui->treeWidget->currentItem();
    return row && row->isSelected() ? m_rows.indexOf(row) : -1;
}

void deviceManagement::on_treeWidget_itemClicked()
{
    ui->deleteDeviceButton->setEnabled(true);
}

// The editor's writes are checked against the session and told on.
void deviceManagement::watch(deviceAddEdit *editor)
{
    editor->setSession(m_session);
    connect(editor, &deviceAddEdit::written, this, &deviceManagement::written);
}

void deviceManagement::on_addDeviceButton_clicked()
{
    deviceAddEdit editor(this);
    watch(&editor);
    if (editor.exec() != QDialog::Accepted)
        return;
    const QStringList f = editor.deviceFields();
    m_devices.append({f.at(2), f.at(0), f.at(3), f.at(1)});
    rebuildTree();
}

void deviceManagement::on_treeWidget_itemDoubleClicked(QTreeWidgetItem *item)
{
    const int index = m_rows.indexOf(item);
    if (index < 0)
        return;
    const DeviceRecord &d = m_devices.at(index);
    deviceAddEdit editor(this);
    watch(&editor);
    editor.setDeviceFields({d.networkAdress, d.description, d.id, d.port});
    editor.on_lineEdit_editingFinished();
    if (editor.exec() != QDialog::Accepted)
        return;
    const QStringList f = editor.deviceFields();
    DeviceRecord &edited = m_devices[index];
    edited.networkAdress = f.at(0);
    edited.description = f.at(1);
    edited.id = f.at(2);
    edited.port = f.at(3);
    rebuildTree();
    ui->treeWidget->setCurrentItem(m_rows.value(index));
}

void deviceManagement::on_deleteDeviceButton_clicked()
{
    const int index = indexOfSelected();
    if (index < 0)
        return;
    const DeviceRecord &d = m_devices.at(index);
    if (Dialogs::question(this, tr("Potwierdzenie"),
                          tr("Napewno chcesz usunąć sterownik z listy ?") + QStringLiteral("\n\n") + d.id + QStringLiteral(" (")
                              + d.networkAdress + QStringLiteral(") ") + d.description,
                          QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    m_devices.removeAt(index);
    rebuildTree();
}

void deviceManagement::on_saveButton_clicked()
{
    ui->deleteDeviceButton->setEnabled(false);
    for (int i = 0; i < m_rows.size(); ++i) {
        for (int j = i + 1; j < m_rows.size(); ++j) {
            if (m_rows.at(i)->text(0) == m_rows.at(j)->text(0)) {
                Dialogs::critical(this, tr("Błąd"), tr("Znaleziono dwa elementy z tym samym ID"));
                return;
            }
        }
    }
    accept();
}

void deviceManagement::on_closeButton_clicked()
{
    ui->deleteDeviceButton->setEnabled(false);
    reject();
}
