#pragma once

#include "eventitemrecord.h"
#include "teskschemevariable.h"

#include <QDialog>
#include <QVariant>

class QFormLayout;

namespace Ui {
class setValue;
}

// Asks for the new values of a scheme event's variables: one field per
// variable, shaped by its type, filled with the value read back. A field the
// operator leaves as it was writes back exactly the value that was read.
class setValue : public QDialog
{
    Q_OBJECT

public:
    explicit setValue(QWidget *parent = nullptr);
    ~setValue() override;

    // One row per variable the dialog has a field for; each variable belongs
    // to the event item of the same controller variable and controller (the
    // last one when several match).
    void setVariables(const QList<TeskSchemeVariable> &variables, const QList<EventItemRecord> &items);

    // The values to write, in the order of the variables. Variables that
    // cannot be written (no field, no choice made, nothing read and nothing
    // entered) are left out and named in skipped.
    QList<TeskSchemeVariable> writeList(QStringList *skipped = nullptr) const;

    QFormLayout *formLayout() const;

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void on_saveBtn_clicked();
    void on_cancelBtn_clicked();

private:
    struct Row
    {
        TeskSchemeVariable variable;
        EventItemRecord item; // empty when the event has none for the variable
        QWidget *field;       // null: no field for the type
        QVariant initial;     // the field's state as filled in
    };

    QWidget *createField(const Row &row) const;
    bool readField(const Row &row, QString *value) const;
    bool readUntouched(const Row &row, QString *value) const;

    Ui::setValue *ui;
    QList<Row> m_rows;
};
