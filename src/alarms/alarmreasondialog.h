#pragma once

#include <QDialog>

namespace Ui {
class AlarmReasonDialog;
}

// Asks why alarms are shelved or taken out of service, and for shelving,
// for how long (up to the site's longest). A reason is required.
class AlarmReasonDialog : public QDialog
{
    Q_OBJECT

public:
    // maxMinutes 0: no time is asked (out of service, until put back).
    AlarmReasonDialog(const QString &title, const QString &alarms, int maxMinutes, QWidget *parent = nullptr);
    ~AlarmReasonDialog() override;

    QString reason() const;
    int minutes() const;

private:
    void tryAccept();

    Ui::AlarmReasonDialog *ui;
};
