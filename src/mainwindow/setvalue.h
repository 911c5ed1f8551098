#pragma once

#include "eventitemrecord.h"
#include "teskschemevariable.h"

#include <QDialog>
#include <QSet>

class QFormLayout;

namespace Ui {
class setValue;
}

// Asks for the new values of a scheme event's variables: one field per
// variable, shaped by its type, filled with the value read back. Only the
// fields the operator changed are written: the others may have been changed
// at the controller meanwhile, and writing back what was read would undo it.
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

    // The values of the fields the operator changed, in the order of the
    // variables. Variables that cannot be written (no field, no choice made)
    // are left out and named in skipped.
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
    };

    QWidget *createField(const Row &row) const;
    void watchEdits(QWidget *field);
    bool readField(const Row &row, QString *value) const;

    Ui::setValue *ui;
    QList<Row> m_rows;
    QSet<const QWidget *> m_edited;
};
