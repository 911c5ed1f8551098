#pragma once

#include "userrecord.h"

#include <QDialog>
#include <QList>

namespace Ui {
class UserEditDialog;
}

// A new user of the list, or one of it changed: full name, role and
// password (asked twice). A list without an administrator who can log in
// gets one first; the last one keeps the role.
class UserEditDialog : public QDialog
{
    Q_OBJECT

public:
    static int shortestPassword();

    // index -1: a new user.
    UserEditDialog(const QList<UserRecord> &users, int index, QWidget *parent = nullptr);
    ~UserEditDialog() override;

    // The entry as accepted.
    UserRecord user() const { return m_user; }

private:
    void fillRoles();
    QString selectedRole() const;
    QString problem() const;
    void tryAccept();

    Ui::UserEditDialog *ui;
    QList<UserRecord> m_users;
    int m_index;
    UserRecord m_user;
};
