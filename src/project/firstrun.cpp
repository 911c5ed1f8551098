#include "firstrun.h"

#include "dialogs.h"
#include "ui_firstrun.h"

namespace {
const char *const kLanguageCodes[] = {"eng", "pl"};
}

FirstRun::FirstRun(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::FirstRun)
{
    ui->setupUi(this);
    ui->pushButton_2->setEnabled(false);
}

FirstRun::~FirstRun()
{
    delete ui;
}

// The field is the workspace folder: what the chooser fills in, or what the
// user typed there.
QString FirstRun::workspaceDir() const
{
    return ui->lineEdit->text();
}

QString FirstRun::language() const
{
    return m_language;
}

void FirstRun::on_toolButton_clicked()
{
    const QString dir = Dialogs::existingDirectory(this, tr("Wybierz folder"));
    if (!dir.isEmpty())
        ui->lineEdit->setText(dir);
}

void FirstRun::on_lineEdit_textChanged(const QString &text)
{
    ui->pushButton_2->setEnabled(!text.isEmpty());
}

void FirstRun::on_comboBox_currentIndexChanged(int index)
{
    if (index < 0 || index > 1)
        return;
    m_language = QString::fromLatin1(kLanguageCodes[index]);
    Dialogs::information(this, QString(),
                         tr("Język w programie zostanie zmieniony po ponownym uruchomieniu"));
}

void FirstRun::on_pushButton_2_clicked()
{
    accept();
}
