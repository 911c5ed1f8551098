#pragma once

#include "alarmdefinition.h"

#include <QDialog>

namespace Ui {
class AlarmAddEdit;
}

// Edits one alarm of a monitoring point. Only the fields the kind uses are
// open; an alarm that may not be stored is refused with the reason, and
// the dialog stays open.
class AlarmAddEdit : public QDialog
{
    Q_OBJECT

public:
    explicit AlarmAddEdit(QWidget *parent = nullptr);
    ~AlarmAddEdit() override;

    // others: the point's other alarms; pointType: the point's type now.
    void setAlarm(const AlarmDefinition &alarm, const QString &pointType, const QList<AlarmDefinition> &others);
    AlarmDefinition alarm() const;

private slots:
    void on_saveBtn_clicked();
    void on_cancelBtn_clicked();

private:
    void kindChanged();
    QString numberProblem() const;

    Ui::AlarmAddEdit *ui;
    AlarmDefinition m_alarm;
    QString m_pointType;
    QList<AlarmDefinition> m_others;
};
