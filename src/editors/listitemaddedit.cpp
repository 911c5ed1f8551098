#include "listitemaddedit.h"

#include "dialogs.h"
#include "ui_listitemaddedit.h"

listItemAddEdit::listItemAddEdit(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::listItemAddEdit)
{
    ui->setupUi(this);
}

listItemAddEdit::~listItemAddEdit()
{
    delete ui;
}

void listItemAddEdit::setUsedValues(const QList<ListValueRecord> &values)
{
    m_used = values;
}

void listItemAddEdit::setChoice(const ListValueRecord &choice)
{
    ui->lineEdit->setText(choice.value);
    ui->lineEdit_2->setText(choice.name);
}

ListValueRecord listItemAddEdit::choice() const
{
    return {ui->lineEdit->text(), ui->lineEdit_2->text()};
}

void listItemAddEdit::on_pushButton_clicked()
{
    for (const ListValueRecord &used : qAsConst(m_used)) {
        if (used.value == ui->lineEdit->text()) {
            Dialogs::warning(this, tr("Błąd"), tr("Podana wartość została już przypisana, proszę wprowadzić inną wartość."));
            return;
        }
    }
    accept();
}

void listItemAddEdit::on_pushButton_2_clicked()
{
    reject();
}
