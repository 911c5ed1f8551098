#pragma once

#include "userrecord.h"

#include <QDialog>
#include <QList>

namespace Ui {
class UsersDialog;
}

// The project's users: added, changed and removed on a copy of the list,
// which users() gives once the dialog is accepted; the caller writes it
// (UsersFile::write). The last administrator who can log in is never
// removed nor demoted, so that someone can always manage the users.
class UsersDialog : public QDialog
{
    Q_OBJECT

public:
    explicit UsersDialog(const QList<UserRecord> &users, QWidget *parent = nullptr);
    ~UsersDialog() override;

    QList<UserRecord> users() const { return m_users; }

private:
    void showUsers();
    int currentIndex() const;
    void updateButtons();
    void addUser();
    void editUser();
    void removeUser();

    Ui::UsersDialog *ui;
    QList<UserRecord> m_users;
};
