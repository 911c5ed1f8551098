#pragma once

#include <QDialog>

namespace Ui {
class Settings;
}

// The settings dialog: a list of pages; the general one holds the alarm
// tone.
class Settings : public QDialog
{
    Q_OBJECT

public:
    explicit Settings(QWidget *parent = nullptr);
    ~Settings() override;

    void setAlarmSound(bool on);
    bool alarmSound() const;

private:
    Ui::Settings *ui;
};
