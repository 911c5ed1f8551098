#pragma once

#include "eventitemrecord.h"
#include "teskschemevariable.h"

#include <QDialog>

class QFormLayout;

namespace Ui {
class setValue;
}

// Asks for the new values of a scheme event's variables: one field per
// variable, shaped by its type, filled with the value read back.
class setValue : public QDialog
{
    Q_OBJECT

public:
    explicit setValue(QWidget *parent = nullptr);
    ~setValue() override;

    // The event item a variable belongs to: same controller variable and
    // controller; the last one when several match.
    static const EventItemRecord *findItem(const QList<EventItemRecord> &items, const TeskSchemeVariable &variable);

    // Adds the row of one variable; a type the dialog has no field for adds none.
    void addField(const TeskSchemeVariable &variable, const EventItemRecord *item);

    // The values to write, in the order of the variables. Variables that
    // cannot be written (no field, no choice made) are left out and named in
    // skipped.
    QList<TeskSchemeVariable> writeList(const QList<TeskSchemeVariable> &variables,
                                        const QList<EventItemRecord> &items, QStringList *skipped) const;

    QFormLayout *formLayout() const;

private slots:
    void on_saveBtn_clicked();
    void on_cancelBtn_clicked();

private:
    QWidget *createField(const TeskSchemeVariable &variable, const EventItemRecord *item);
    bool readField(const TeskSchemeVariable &variable, const EventItemRecord *item, QString *value) const;

    Ui::setValue *ui;
};
