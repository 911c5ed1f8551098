#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

// One row of the audit trail: who did what at which station. Time is UTC
// milliseconds; station is the host name. A write names the controller and
// the variable with the value read back before it, the value sent and the
// value the controller confirmed (empty where there is none); detail is a
// free text (a login's reason, the file saved, the users changed).
struct AuditRecord {
    enum class Action { Write, WriteRefused, WriteChanged, Login, Logout, LoginFailed, Locked, Save, UsersChanged };

    qint64 timeMs = 0;
    QString user;
    QString station;
    Action action = Action::Write;
    QString controller;
    QString variable;
    QString before;
    QString sent;
    QString confirmed;
    QString detail;

    // "write", "write-refused", "write-changed", "login", "logout",
    // "login-failed", "locked", "save", "users-changed"; actionFromName
    // answers false for others.
    static QString actionName(Action action);
    static bool actionFromName(const QString &name, Action *action);

    bool operator==(const AuditRecord &o) const
    {
        return timeMs == o.timeMs && user == o.user && station == o.station && action == o.action
            && controller == o.controller && variable == o.variable && before == o.before && sent == o.sent
            && confirmed == o.confirmed && detail == o.detail;
    }
    bool operator!=(const AuditRecord &o) const { return !(*this == o); }
};

// A year of a user's rows is moved, not copied, as its vector grows.
Q_DECLARE_TYPEINFO(AuditRecord, Q_MOVABLE_TYPE);
Q_DECLARE_METATYPE(AuditRecord)
Q_DECLARE_METATYPE(QVector<AuditRecord>)
