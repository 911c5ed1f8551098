#pragma once

#include <QDialog>

namespace Ui {
class Settings;
}

// The settings dialog: a list of pages that hold no settings yet.
class Settings : public QDialog
{
    Q_OBJECT

public:
    explicit Settings(QWidget *parent = nullptr);
    ~Settings() override;

private:
    Ui::Settings *ui;
};
