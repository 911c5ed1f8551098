#pragma once

#include <QDialog>
#include <QTimer>

#include "loginresult.h"

namespace Ui {
class LoginDialog;
}

class UserSession;

// Asks for a name and a password and logs in through the session. A
// refusal is told in the dialog, which stays open for another try; the
// password is checked off the GUI thread, so the window keeps painting.
class LoginDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LoginDialog(UserSession *session, QWidget *parent = nullptr);
    ~LoginDialog() override;

    void setName(const QString &name);

public slots:
    void reject() override; // not while the password is being checked

private:
    void tryLogin();
    void answered(const LoginResult &result);
    void showLock();
    void setChecking(bool checking);
    void showMessage(const QString &text, bool error);

    Ui::LoginDialog *ui;
    UserSession *m_session;
    QString m_pending; // the name being checked
    QString m_lockedName;
    QTimer m_lockTimer;
};
