#include "settings.h"

#include "ui_settings.h"

Settings::Settings(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Settings)
{
    ui->setupUi(this);
    ui->listWidget->setCurrentRow(0);
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
