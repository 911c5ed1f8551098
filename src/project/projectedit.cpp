#include "projectedit.h"

#include "ui_projectedit.h"

ProjectEdit::ProjectEdit(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ProjectEdit)
{
    ui->setupUi(this);
}

ProjectEdit::~ProjectEdit()
{
    delete ui;
}

void ProjectEdit::setInformation(const QString &name, const QString &author, const QString &editDate,
                                 const QString &revision)
{
    ui->ledit_projectName->setText(name);
    ui->ledit_author->setText(author);
    ui->ledit_editDate->setText(editDate);
    ui->ledit_revision->setText(revision);
}

void ProjectEdit::setSip(bool enabled, const QString &server, const QString &number, const QString &password,
                         const QString &userName)
{
    ui->gbox_sip->setChecked(enabled);
    ui->ledit_server->setText(server);
    ui->ledit_number->setText(number);
    ui->ledit_password->setText(password);
    ui->ledit_userName->setText(userName);
}

ProjectInfo ProjectEdit::edited(const ProjectInfo &base) const
{
    ProjectInfo info = base;
    info.name = ui->ledit_projectName->text();
    info.author = ui->ledit_author->text();
    info.sipEnabled = ui->gbox_sip->isChecked();
    info.sipServer = ui->ledit_server->text();
    info.sipNumber = ui->ledit_number->text();
    info.sipPassword = ui->ledit_password->text();
    info.sipUserName = ui->ledit_userName->text();
    return info;
}

void ProjectEdit::on_pbutton_ok_clicked()
{
    accept();
}

void ProjectEdit::on_pbutton_cancel_clicked()
{
    reject();
}
