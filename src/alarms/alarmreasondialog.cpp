#include "alarmreasondialog.h"

#include "ui_alarmreasondialog.h"

#include "dialogs.h"

AlarmReasonDialog::AlarmReasonDialog(const QString &title, const QString &alarms, int maxMinutes, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AlarmReasonDialog)
{
    ui->setupUi(this);
    setWindowTitle(title);
    ui->alarmsLabel->setText(alarms);
    ui->durationLabel->setVisible(maxMinutes > 0);
    ui->durationSpin->setVisible(maxMinutes > 0);
    ui->durationSpin->setMaximum(qMax(1, maxMinutes));
    ui->durationSpin->setValue(qMin(60, qMax(1, maxMinutes)));
    ui->durationSpin->setToolTip(tr("Najdłużej %1 min").arg(maxMinutes));
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &AlarmReasonDialog::tryAccept);
}

AlarmReasonDialog::~AlarmReasonDialog()
{
    delete ui;
}

QString AlarmReasonDialog::reason() const
{
    return ui->reasonEdit->text().trimmed();
}

int AlarmReasonDialog::minutes() const
{
    return ui->durationSpin->value();
}

void AlarmReasonDialog::tryAccept()
{
    if (reason().isEmpty()) {
        Dialogs::warning(this, windowTitle(), tr("Podaj powód."));
        ui->reasonEdit->setFocus();
        return;
    }
    accept();
}
