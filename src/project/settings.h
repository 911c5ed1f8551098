#pragma once

#include <QDialog>

namespace Ui {
class Settings;
}

// The settings dialog: a list of pages; the general one holds the alarm
// tone, the idle logout and the way to the project's users.
class Settings : public QDialog
{
    Q_OBJECT

public:
    explicit Settings(QWidget *parent = nullptr);
    ~Settings() override;

    void setAlarmSound(bool on);
    bool alarmSound() const;
    void setIdleLogoutMinutes(int minutes);
    int idleLogoutMinutes() const;
    void setMayRecord(bool may);
    bool mayRecord() const;
    // The users button: shown only while a project is open.
    void setUsersAvailable(bool available);

signals:
    void usersAsked();

private:
    Ui::Settings *ui;
};
