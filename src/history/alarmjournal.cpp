#include "alarmjournal.h"

#include "statementcache.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace AlarmJournal {

namespace {

// The columns are NOT NULL: an empty text is stored as one, not as NULL.
QVariant text(const QString &s)
{
    return s.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(s);
}

} // namespace

bool append(QSqlDatabase &db, StatementCache &statements, const QVector<AlarmEvent> &events, QString *error)
{
    static const QString sql = QStringLiteral(
        "INSERT INTO alarm_journal (t, point, kind, priority, event, value, by_user, comment, alarm_text)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    int affected = 0;
    for (const AlarmEvent &e : events) {
        const QVariant value = qIsNaN(e.value) ? QVariant(QVariant::Double) : QVariant(e.value);
        if (!statements.exec(db, sql,
                             {e.timeMs, text(e.point), text(e.kind), e.priority, AlarmEvent::eventName(e.event), value,
                              text(e.user), text(e.comment), text(e.text)},
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
        if (!statements.exec(db, forget, {text(s.point), text(s.kind)}, &affected, error))
            return false;
        if (!s.isPlainNormal()
            && !statements.exec(db, insert,
                                {text(s.point), text(s.kind), int(s.state), s.raisedMs, s.shelvedUntilMs, int(s.outOfService)},
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
