#include "settings.h"

#include "appsettings.h"
#include "ui_settings.h"

Settings::Settings(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Settings)
{
    ui->setupUi(this);
    ui->listWidget->setCurrentRow(0);
    ui->idleSpin->setRange(AppSettings::kLeastIdleMinutes, AppSettings::kMostIdleMinutes);
    connect(ui->usersButton, &QPushButton::clicked, this, &Settings::usersAsked);
}

Settings::~Settings()
{
    delete ui;
}

void Settings::setAlarmSound(bool on)
{
    ui->alarmSoundCheck->setChecked(on);
}

bool Settings::alarmSound() const
{
    return ui->alarmSoundCheck->isChecked();
}

void Settings::setIdleLogoutMinutes(int minutes)
{
    ui->idleSpin->setValue(minutes);
}

int Settings::idleLogoutMinutes() const
{
    return ui->idleSpin->value();
}

void Settings::setMayRecord(bool may)
{
    ui->mayRecordCheck->setChecked(may);
}

bool Settings::mayRecord() const
{
    return ui->mayRecordCheck->isChecked();
}

void Settings::setUsersAvailable(bool available)
{
    ui->usersButton->setVisible(available);
}
