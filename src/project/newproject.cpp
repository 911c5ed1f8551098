#include "newproject.h"

#include "dialogs.h"
#include "filename.h"
#include "projectpaths.h"
#include "ui_newproject.h"

#include <QDir>

NewProject::NewProject(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::NewProject)
{
    ui->setupUi(this);
}

NewProject::~NewProject()
{
    delete ui;
}

void NewProject::setWorkspaceDir(const QString &dir)
{
    m_workspaceDir = dir;
}

QStringList NewProject::values() const
{
    return {ui->lineEdit->text(), ui->lineEdit_2->text(), ui->lineEdit_3->text()};
}

void NewProject::on_lineEdit_textChanged(const QString &name)
{
    ui->lineEdit_2->setText(QString(name).remove(QLatin1Char(' ')));
}

void NewProject::on_okButton_clicked()
{
    if (ui->lineEdit->text().isEmpty() || ui->lineEdit_2->text().isEmpty() || ui->lineEdit_3->text().isEmpty())
        return;
    // The project's folder is made inside the workspace, never elsewhere.
    const QString problem = FileName::problem(ui->lineEdit_2->text());
    if (!problem.isEmpty()) {
        Dialogs::warning(this, tr("Błąd"), tr("Nieprawidłowa nazwa katalogu: ") + problem);
        return;
    }
    // One level only: an existing folder is never taken over.
    if (QDir().mkdir(ProjectPaths::newProjectFolder(m_workspaceDir, ui->lineEdit_2->text()))) {
        accept();
        return;
    }
    Dialogs::warning(this, tr("Błąd"),
                     tr("Nie udało się stworzyć katalogu o pdanej nazwie, prawdopodobnie już istnieje."));
}

void NewProject::on_CancelButton_clicked()
{
    reject();
}
