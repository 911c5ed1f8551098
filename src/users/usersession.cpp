#include "usersession.h"

#include "passwordhash.h"
#include "userlist.h"
#include "workerjob.h"

#include <QElapsedTimer>
#include <QThread>

#include <memory>

namespace {

qint64 steadyMs()
{
    static const QElapsedTimer started = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return started.elapsed();
}

// A name nobody has costs the time a real check does.
bool passwordMatches(const QString &password, const QString &stored)
{
    if (stored.isNull()) {
        PasswordHash::spendTime(password);
        return false;
    }
    return PasswordHash::matches(password, stored);
}

} // namespace

UserSession::UserSession(QObject *parent)
    : QObject(parent)
    , m_clock(steadyMs)
{
    qRegisterMetaType<LoginResult>();
    qRegisterMetaType<LogoutReason>();
    m_idleTimer.setInterval(1000);
    connect(&m_idleTimer, &QTimer::timeout, this, &UserSession::checkIdle);
}

UserSession::~UserSession()
{
    for (QThread *job : findChildren<QThread *>())
        job->wait();
}

void UserSession::setClock(const Clock &clock)
{
    m_clock = clock;
}

void UserSession::setUsers(const QList<UserRecord> &users, XmlRead::Status status)
{
    m_users = users;
    m_unreadable = status == XmlRead::Status::Unreadable;
    if (m_loggedIn) {
        const int i = UserList::indexOf(m_users, m_current.name);
        if (i < 0 || UserList::problem(m_users, i) != UserRecord::Problem::None) {
            end(LogoutReason::Removed);
            return;
        }
        m_current = m_users.at(i);
    }
    emit changed();
}

bool UserSession::unrestricted() const
{
    return m_users.isEmpty() && !m_unreadable;
}

LoginResult UserSession::login(const QString &name, const QString &password)
{
    LoginResult refused;
    if (refusedAtOnce(name, &refused))
        return refuse(refused);
    const QString stored = storedHash(name);
    return conclude(name, stored, passwordMatches(password, stored));
}

void UserSession::startLogin(const QString &name, const QString &password)
{
    ++m_checks;
    LoginResult refused;
    if (refusedAtOnce(name, &refused)) {
        QTimer::singleShot(0, this, [this, refused] {
            --m_checks;
            emit loginAnswered(refuse(refused));
        });
        return;
    }
    const QString stored = storedHash(name);
    const auto matched = std::make_shared<bool>(false);
    WorkerJob::start(
        this, [password, stored, matched] { *matched = passwordMatches(password, stored); },
        [this, name, stored, matched] {
            --m_checks;
            emit loginAnswered(conclude(name, stored, *matched));
        });
}

void UserSession::logout()
{
    if (m_loggedIn)
        end(LogoutReason::ByHand);
}

QString UserSession::userName() const
{
    return m_loggedIn ? m_current.name : QString();
}

QString UserSession::fullName() const
{
    return m_loggedIn ? m_current.fullName : QString();
}

UserRole UserSession::role() const
{
    if (unrestricted())
        return UserRole::Administrator;
    return m_loggedIn ? m_current.knownRole() : UserRole::Viewer;
}

bool UserSession::allows(UserAction action) const
{
    return UserRoles::includes(role(), UserActions::required(action));
}

QString UserSession::refusal(UserAction action) const
{
    if (allows(action))
        return QString();
    QString who;
    if (m_loggedIn)
        who = tr("Zalogowany użytkownik %1 ma rolę „%2”.").arg(m_current.name, UserRoles::label(role()));
    else if (m_unreadable)
        who = tr("Nie udało się odczytać pliku użytkowników: nikt nie może się zalogować.");
    else
        who = tr("Nikt nie jest zalogowany.");
    return UserActions::refusal(action) + QLatin1Char(' ') + who;
}

int UserSession::lockSecondsLeft(const QString &name) const
{
    return m_lockout.secondsLeft(name, m_clock());
}

void UserSession::setIdleTimeout(int seconds)
{
    m_idleSeconds = qMax(0, seconds);
}

void UserSession::touch()
{
    if (m_loggedIn)
        m_lastActivityMs = m_clock();
}

void UserSession::checkIdle()
{
    if (m_loggedIn && m_idleSeconds > 0 && m_clock() - m_lastActivityMs >= qint64(m_idleSeconds) * 1000)
        end(LogoutReason::Idle);
}

// A locked name is refused before its entry is looked at; a damaged entry
// is refused without a password check, and that does not count as a failure.
bool UserSession::refusedAtOnce(const QString &name, LoginResult *result) const
{
    result->name = name;
    result->secondsLeft = lockSecondsLeft(name);
    if (result->secondsLeft > 0) {
        result->status = LoginResult::Status::Locked;
        return true;
    }
    const int i = UserList::indexOf(m_users, name);
    if (i >= 0 && UserList::problem(m_users, i) != UserRecord::Problem::None) {
        result->status = LoginResult::Status::Unusable;
        return true;
    }
    return false;
}

// Null for a name nobody has.
QString UserSession::storedHash(const QString &name) const
{
    const int i = UserList::indexOf(m_users, name);
    return i >= 0 ? m_users.at(i).password : QString();
}

LoginResult UserSession::refuse(const LoginResult &result)
{
    emit loginFailed(result.name, result);
    return result;
}

// The users may have changed, or another attempt locked the name, while the
// password was checked: what holds now decides.
LoginResult UserSession::conclude(const QString &name, const QString &stored, bool matched)
{
    LoginResult result;
    if (refusedAtOnce(name, &result))
        return refuse(result);
    if (!matched || stored.isNull() || storedHash(name) != stored) {
        result.status = LoginResult::Status::WrongNameOrPassword;
        const bool lockedNow = m_lockout.fail(name, m_clock());
        refuse(result);
        if (lockedNow)
            emit locked(name, LoginLockout::lockSeconds());
        return result;
    }
    m_lockout.succeed(name);
    if (m_loggedIn)
        end(LogoutReason::ByHand);
    m_current = m_users.at(UserList::indexOf(m_users, name));
    m_loggedIn = true;
    m_lastActivityMs = m_clock();
    m_idleTimer.start();
    result.status = LoginResult::Status::Ok;
    emit loggedIn(name);
    emit changed();
    return result;
}

void UserSession::end(LogoutReason reason)
{
    const QString name = m_current.name;
    m_loggedIn = false;
    m_current = UserRecord();
    m_idleTimer.stop();
    emit loggedOut(name, reason);
    emit changed();
}
