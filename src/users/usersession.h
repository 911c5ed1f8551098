#pragma once

#include "loginlockout.h"
#include "loginresult.h"
#include "useraction.h"
#include "userrecord.h"
#include "xmlread.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

// Who works at the station now, and what they may do. A project without
// users leaves everyone free to do all; with users, nobody logged in may
// only watch. A user left idle too long is logged out.
class UserSession : public QObject
{
    Q_OBJECT

public:
    // Milliseconds of a steady clock; tests move their own.
    using Clock = std::function<qint64()>;
    // Removed: the user's entry went, or can no longer be logged in with.
    enum class LogoutReason { ByHand, Idle, Removed };
    Q_ENUM(LogoutReason)

    explicit UserSession(QObject *parent = nullptr);
    ~UserSession() override; // waits for a password check still running

    void setClock(const Clock &clock);

    // The project's users, with the status UsersFile::read gave. A file
    // that could not be read lets nobody log in: a damaged file never opens
    // the station. A user logged in stays so while their entry is usable,
    // with the role it has now.
    void setUsers(const QList<UserRecord> &users, XmlRead::Status status = XmlRead::Status::Read);
    QList<UserRecord> users() const { return m_users; }
    // No users at all: anyone may do anything.
    bool unrestricted() const;

    // Checks the password on this thread (a tenth of a second or more).
    LoginResult login(const QString &name, const QString &password);
    // The same on a thread of its own; loginAnswered() follows.
    void startLogin(const QString &name, const QString &password);
    bool isChecking() const { return m_checks > 0; }
    void logout();

    bool isLoggedIn() const { return m_loggedIn; }
    QString userName() const; // empty when logged out
    QString fullName() const;
    // Viewer when nobody is logged in; Administrator when unrestricted.
    UserRole role() const;
    bool allows(UserAction action) const;
    // Empty when allowed; else why not, naming the role needed.
    QString refusal(UserAction action) const;
    int lockSecondsLeft(const QString &name) const;

    // Seconds without activity before the user is logged out; 0: never.
    void setIdleTimeout(int seconds);
    int idleTimeout() const { return m_idleSeconds; }
    // Marks activity of the user logged in.
    void touch();
    // Logs the user out once idle too long; a timer calls it every second.
    void checkIdle();

signals:
    void loggedIn(const QString &name);
    void loggedOut(const QString &name, UserSession::LogoutReason reason);
    // Every refused login, locked ones included.
    void loginFailed(const QString &name, const LoginResult &result);
    // The failure that locked the name.
    void locked(const QString &name, int seconds);
    void loginAnswered(const LoginResult &result);
    // Who is logged in, their role or the users changed.
    void changed();

private:
    bool refusedAtOnce(const QString &name, LoginResult *result) const;
    QString storedHash(const QString &name) const;
    LoginResult refuse(const LoginResult &result);
    LoginResult conclude(const QString &name, const QString &stored, bool matched);
    void end(LogoutReason reason);

    Clock m_clock;
    QList<UserRecord> m_users;
    bool m_unreadable = false;
    LoginLockout m_lockout;
    bool m_loggedIn = false;
    UserRecord m_current;
    int m_checks = 0;
    int m_idleSeconds = 15 * 60;
    qint64 m_lastActivityMs = 0;
    QTimer m_idleTimer;
};
