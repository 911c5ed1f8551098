#pragma once

#include "projectinfo.h"

#include <QDialog>

namespace Ui {
class ProjectEdit;
}

// Shows and edits the project's information and its SIP account.
class ProjectEdit : public QDialog
{
    Q_OBJECT

public:
    explicit ProjectEdit(QWidget *parent = nullptr);
    ~ProjectEdit() override;

    void setInformation(const QString &name, const QString &author, const QString &editDate,
                        const QString &revision);
    void setSip(bool enabled, const QString &server, const QString &number, const QString &password,
                const QString &userName);

    // base with the name, author and SIP account as the dialog shows them.
    ProjectInfo edited(const ProjectInfo &base) const;

private slots:
    void on_pbutton_ok_clicked();
    void on_pbutton_cancel_clicked();

private:
    Ui::ProjectEdit *ui;
};
