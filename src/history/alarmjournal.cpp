#include "alarmjournal.h"

#include "statementcache.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace AlarmJournal {

bool append(QSqlDatabase &db, StatementCache &statements, const QVector<AlarmEvent> &events, QString *error)
{
    static const QString sql = QStringLiteral(
        "INSERT INTO alarm_journal (t, point, kind, priority, event, value, by_user, comment, alarm_text)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    int affected = 0;
    for (const AlarmEvent &e : events) {
        const QVariant value = qIsNaN(e.value) ? QVariant(QVariant::Double) : QVariant(e.value);
        if (!statements.exec(db, sql,
                             {e.timeMs, e.point, e.kind, e.priority, AlarmEvent::eventName(e.event), value, e.user,
                              e.comment, e.text},
                             &affected, error))
            return false;
    }
    return true;
}

bool keep(QSqlDatabase &db, StatementCache &statements, const QVector<AlarmSnapshot> &states, QString *error)
{
    static const QString forget = QStringLiteral("DELETE FROM alarm_state WHERE point = ? AND kind = ?");
    static const QString insert = QStringLiteral(
        "INSERT INTO alarm_state (point, kind, state, raised, shelved_until, out_of_service)"
        " VALUES (?, ?, ?, ?, ?, ?)");
    int affected = 0;
    for (const AlarmSnapshot &s : states) {
        if (!statements.exec(db, forget, {s.point, s.kind}, &affected, error))
            return false;
        if (!s.isPlainNormal()
            && !statements.exec(db, insert,
                                {s.point, s.kind, int(s.state), s.raisedMs, s.shelvedUntilMs, int(s.outOfService)},
                                &affected, error))
            return false;
    }
    return true;
}

bool states(QSqlDatabase &db, QVector<AlarmSnapshot> *states, QString *error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT point, kind, state, raised, shelved_until, out_of_service FROM alarm_state"))) {
        *error = q.lastError().text();
        return false;
    }
    states->clear();
    while (q.next()) {
        const int state = q.value(2).toInt();
        if (state < 0 || state > int(AlarmSnapshot::State::ReturnedUnacknowledged))
            continue;
        states->append({q.value(0).toString(), q.value(1).toString(), AlarmSnapshot::State(state),
                        q.value(3).toLongLong(), q.value(4).toLongLong(), q.value(5).toInt() != 0});
    }
    return true;
}

} // namespace AlarmJournal
