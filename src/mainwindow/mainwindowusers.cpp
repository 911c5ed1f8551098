#include "mainwindow.h"

#include "alarmcenter.h"
#include "devicemanagement.h"
#include "dialogs.h"
#include "historyrecorder.h"
#include "logentry.h"
#include "logindialog.h"
#include "qteskcmd.h"
#include "systemuser.h"
#include "useractivityfilter.h"
#include "userlist.h"
#include "usersdialog.h"
#include "usersession.h"
#include "usersfile.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QStatusBar>
#include <QSysInfo>

void MainWindow::createUsers()
{
    m_session = new UserSession(this);
    m_alarms->setSession(m_session);
    qApp->installEventFilter(new UserActivityFilter(m_session));
    // No path writes to a controller unless the one at the station may.
    QTeskCmd::setWriteGuard([session = m_session] { return session->allows(UserAction::WriteValue); });
    connect(m_session, &UserSession::changed, this, &MainWindow::showUser);
    connect(m_session, &UserSession::loggedIn, this, [this](const QString &name) {
        writeLog(tr("Zalogowano: %1 (%2)").arg(m_session->fullName(), UserRoles::label(m_session->role())),
                 LogEntry::Info);
        audit(AuditRecord::Action::Login, name, QString());
    });
    connect(m_session, &UserSession::loggedOut, this, [this](const QString &name, UserSession::LogoutReason reason) {
        const bool idle = reason == UserSession::LogoutReason::Idle;
        writeLog(idle ? tr("Wylogowano po bezczynności: %1").arg(name) : tr("Wylogowano: %1").arg(name),
                 LogEntry::Info);
        audit(AuditRecord::Action::Logout, name, idle ? QStringLiteral("idle") : QString());
    });
    // An attempt on a locked name is a failed login too.
    connect(m_session, &UserSession::loginFailed, this, [this](const QString &name, const LoginResult &result) {
        const bool locked = result.status == LoginResult::Status::Locked;
        writeLog(locked ? tr("Nieudane logowanie: %1 (logowanie zablokowane)").arg(name)
                        : tr("Nieudane logowanie: %1").arg(name),
                 LogEntry::Warning);
        audit(AuditRecord::Action::LoginFailed, name, locked ? QStringLiteral("locked") : QString());
    });
    connect(m_session, &UserSession::locked, this, [this](const QString &name, int seconds) {
        writeLog(tr("Zablokowano logowanie %1 na %2 s po kolejnych nieudanych próbach").arg(name).arg(seconds),
                 LogEntry::Warning);
        audit(AuditRecord::Action::Locked, name, QString::number(seconds));
    });
    m_userLabel = new QLabel(this);
    m_userLabel->setObjectName(QStringLiteral("userLabel"));
    statusBar()->addPermanentWidget(m_userLabel);
    connect(m_loginAction, &QAction::triggered, this, &MainWindow::loginOrLogout);
    showUser();
}

deviceManagement *MainWindow::createDeviceList()
{
    auto *list = new deviceManagement(this);
    list->setSession(m_session);
    connect(list, &deviceManagement::written, this, &MainWindow::auditWrite);
    return list;
}

void MainWindow::loadUsers()
{
    XmlRead::Status status = XmlRead::Status::Missing;
    const QString path = m_project.location + UsersFile::fileName();
    const QList<UserRecord> users = UsersFile::read(path, &status);
    if (status == XmlRead::Status::Unreadable)
        writeLog(tr("Nie udało się odczytać pliku %1: nikt nie może się zalogować, stacja tylko pokazuje")
                     .arg(QDir::toNativeSeparators(path)),
                 LogEntry::Error);
    m_session->setUsers(users, status);
    for (int i = 0; i < users.size(); ++i) {
        if (UserList::problem(users, i) != UserRecord::Problem::None)
            writeLog(tr("Użytkownik „%1” w pliku %2 nie może się zalogować: jego wpis jest uszkodzony")
                         .arg(users.at(i).name, UsersFile::fileName()),
                     LogEntry::Warning);
    }
}

// The tool bar names who is logged in by login, the status bar in full
// with the role; or that the project has no users, or that nobody is
// logged in and the station only shows.
void MainWindow::showUser()
{
    const bool in = m_session->isLoggedIn();
    m_loginAction->setText(in ? tr("Wyloguj %1").arg(m_session->userName()) : tr("Zaloguj się"));
    m_loginAction->setEnabled(in || !m_session->unrestricted());
    const QString name = m_session->fullName().isEmpty() ? m_session->userName() : m_session->fullName();
    if (!m_projectOpen)
        m_userLabel->clear();
    else if (m_session->unrestricted())
        m_userLabel->setText(tr("Projekt bez użytkowników: każdy może wszystko"));
    else if (in)
        m_userLabel->setText(tr("Zalogowany: %1 (%2)").arg(name, UserRoles::label(m_session->role())));
    else
        m_userLabel->setText(tr("Nikt nie jest zalogowany: stacja tylko pokazuje"));
}

void MainWindow::loginOrLogout()
{
    if (m_session->isLoggedIn()) {
        m_session->logout();
        return;
    }
    LoginDialog dialog(m_session, this);
    dialog.exec();
}

// The check stands where each action is done; a refusal names the role
// the action needs.
bool MainWindow::permitted(UserAction action)
{
    const QString refusal = m_session->refusal(action);
    if (refusal.isEmpty())
        return true;
    writeLog(refusal, LogEntry::Warning);
    Dialogs::warning(this, tr("Brak uprawnień"), refusal);
    return false;
}

void MainWindow::showUsersDialog()
{
    if (!m_projectOpen || !permitted(UserAction::ManageUsers))
        return;
    const QList<UserRecord> before = m_session->users();
    UsersDialog dialog(before, this);
    if (dialog.exec() != QDialog::Accepted || dialog.users() == before)
        return;
    const QString error = UsersFile::write(m_project.location + UsersFile::fileName(), dialog.users());
    if (!error.isEmpty()) {
        writeLog(tr("Nie udało się zapisać użytkowników: ") + error, LogEntry::Error);
        Dialogs::critical(this, tr("Błąd"), tr("Nie udało się zapisać użytkowników:") + QLatin1Char('\n') + error);
        return;
    }
    // The first administrator made here is logged in as the project's
    // first user: the station is not left open, nor locked to its maker.
    const bool first = m_session->unrestricted();
    m_session->setUsers(dialog.users());
    if (!m_history)
        startMonitoring(); // a project with users keeps its audit trail in the store
    QStringList names;
    for (const UserRecord &u : dialog.users())
        names << u.name + QLatin1Char('=') + u.role;
    audit(AuditRecord::Action::UsersChanged, m_session->userName(), names.join(QLatin1Char(' ')));
    writeLog(tr("Zapisano użytkowników projektu: %1").arg(dialog.users().size()), LogEntry::Info);
    if (first)
        loginOrLogout();
}

// What was done, by whom and where. Without a store there is nowhere to
// keep it.
void MainWindow::audit(AuditRecord record)
{
    if (!m_history)
        return;
    record.timeMs = QDateTime::currentMSecsSinceEpoch();
    if (record.user.isEmpty())
        record.user = m_session->isLoggedIn() ? m_session->userName() : SystemUser::name();
    record.station = QSysInfo::machineHostName();
    m_history->recordAudit({record});
}

void MainWindow::audit(AuditRecord::Action action, const QString &user, const QString &detail)
{
    AuditRecord record;
    record.action = action;
    record.user = user;
    record.detail = detail;
    audit(record);
}

void MainWindow::auditWrite(const WriteOutcome &outcome)
{
    AuditRecord record;
    switch (outcome.result) {
    case WriteOutcome::Result::Confirmed:
        record.action = AuditRecord::Action::Write;
        break;
    case WriteOutcome::Result::Changed:
        record.action = AuditRecord::Action::WriteChanged;
        break;
    case WriteOutcome::Result::Refused:
        record.action = AuditRecord::Action::WriteRefused;
        break;
    case WriteOutcome::Result::Unanswered:
        record.action = AuditRecord::Action::Write;
        record.detail = QStringLiteral("unconfirmed: no answer");
        break;
    case WriteOutcome::Result::NotAllowed:
        return; // nothing was sent
    }
    record.controller = outcome.controller.isEmpty() ? outcome.address : outcome.controller;
    record.variable = outcome.variable;
    record.before = outcome.before;
    record.sent = outcome.sent;
    record.confirmed = outcome.confirmed;
    audit(record);
}
