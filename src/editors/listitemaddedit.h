#pragma once

#include "listvaluerecord.h"

#include <QDialog>
#include <QList>

namespace Ui {
class listItemAddEdit;
}

// One choice of a "combo" or "list" event item: the value written and the
// text shown. A value the item already has is refused.
class listItemAddEdit : public QDialog
{
    Q_OBJECT

public:
    explicit listItemAddEdit(QWidget *parent = nullptr);
    ~listItemAddEdit() override;

    void setUsedValues(const QList<ListValueRecord> &values);
    void setChoice(const ListValueRecord &choice);
    ListValueRecord choice() const;

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    Ui::listItemAddEdit *ui;
    QList<ListValueRecord> m_used;
};
