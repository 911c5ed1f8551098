#include "schemeaddedit.h"

#include "dialogs.h"
#include "qmlfilechooser.h"
#include "schemeidcheck.h"
#include "ui_schemeaddedit.h"

schemeAddEdit::schemeAddEdit(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::schemeAddEdit)
{
    ui->setupUi(this);
}

schemeAddEdit::~schemeAddEdit()
{
    delete ui;
}

void schemeAddEdit::reset()
{
    ui->groupName->clear();
    ui->schemeId->clear();
    ui->schemeName->clear();
    ui->qmlPath->clear();
    ui->updateInterval->setValue(10);
    ui->comboBox->setEnabled(true);
    m_projectFolder.clear();
    m_others.clear();
    m_record = MenuItemRecord();
}

void schemeAddEdit::setOtherRecords(const QList<MenuItemRecord> &records)
{
    m_others = records;
}

void schemeAddEdit::setProjectFolder(const QString &path)
{
    m_projectFolder = path;
}

SchemeFields schemeAddEdit::fields() const
{
    return {ui->comboBox, ui->groupName, ui->schemeId, ui->schemeName, ui->qmlPath, ui->updateInterval};
}

void schemeAddEdit::setRecord(const MenuItemRecord &record)
{
    m_record = record;
    fields().load(record);
}

MenuItemRecord schemeAddEdit::record() const
{
    return fields().read(m_record);
}

bool schemeAddEdit::nameTaken(const QString &kind, const QString &name) const
{
    for (const MenuItemRecord &r : m_others) {
        if (r.kind == kind && r.text == name)
            return true;
    }
    return false;
}

void schemeAddEdit::on_okBtn_clicked()
{
    const bool group = ui->comboBox->currentIndex() == 0;
    const QString name = group ? ui->groupName->text() : ui->schemeName->text();
    if (nameTaken(group ? MenuItemRecord::groupKind() : MenuItemRecord::schemeKind(), name)) {
        Dialogs::critical(this, tr("Błąd"), tr("Element o podanej nazwie już istnieje"));
        return;
    }
    if (!group && !SchemeIdCheck::accept(this, ui->schemeId->text()))
        return;
    ui->comboBox->setEnabled(true);
    accept();
}

void schemeAddEdit::on_closeBtn_clicked()
{
    reject();
}

void schemeAddEdit::on_toolButton_clicked()
{
    const QString path = QmlFileChooser::choose(this, m_projectFolder);
    if (!path.isEmpty())
        ui->qmlPath->setText(path);
}
