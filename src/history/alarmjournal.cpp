#include "alarmjournal.h"

#include "resultrow.h"
#include "sqlrows.h"
#include "statementcache.h"

#include <QHash>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <iterator>

namespace AlarmJournal {

namespace {

bool forget(QSqlDatabase &db, StatementCache &statements, const QVector<AlarmSnapshot> &states, QString *error)
{
    return SqlRows::exec(
        db, statements, QStringLiteral("DELETE FROM alarm_state WHERE (point, kind) IN (VALUES %1)"), 2, states,
        [](const AlarmSnapshot &s, QVector<QVariant> *values) {
            *values << SqlRows::text(s.point) << SqlRows::text(s.kind);
        },
        error);
}

bool insertStates(QSqlDatabase &db, StatementCache &statements, const QVector<AlarmSnapshot> &states,
                  QString *error)
{
    QVector<AlarmSnapshot> kept;
    std::copy_if(states.cbegin(), states.cend(), std::back_inserter(kept),
                 [](const AlarmSnapshot &s) { return !s.isPlainNormal(); });
    return SqlRows::exec(
        db, statements,
        QStringLiteral("INSERT INTO alarm_state (point, kind, state, raised, shelved_until, out_of_service) VALUES %1"),
        6, kept,
        [](const AlarmSnapshot &s, QVector<QVariant> *values) {
            *values << SqlRows::text(s.point) << SqlRows::text(s.kind) << int(s.state) << s.raisedMs << s.shelvedUntilMs
                    << int(s.outOfService);
        },
        error);
}

// The WHERE clause of a query and the values it binds, in order.
QString conditions(const AlarmJournalQuery &query, QVariantList *values)
{
    QString sql = QStringLiteral(" WHERE t >= ? AND t < ?");
    *values << query.fromMs << query.toMs;
    if (!query.point.isEmpty()) {
        sql += QStringLiteral(" AND point = ?");
        *values << query.point;
    }
    if (query.priority) {
        sql += QStringLiteral(" AND priority = ?");
        *values << query.priority;
    }
    if (!query.events.isEmpty()) {
        QStringList marks;
        for (AlarmEvent::Event e : query.events) {
            marks << QStringLiteral("?");
            *values << AlarmEvent::eventName(e);
        }
        sql += QStringLiteral(" AND event IN (%1)").arg(marks.join(QLatin1Char(',')));
    }
    return sql;
}

} // namespace

bool append(QSqlDatabase &db, StatementCache &statements, const QVector<AlarmEvent> &events, QString *error)
{
    return SqlRows::exec(
        db, statements,
        QStringLiteral(
            "INSERT INTO alarm_journal (t, point, kind, priority, event, value, by_user, comment, alarm_text)"
            " VALUES %1"),
        9, events,
        [](const AlarmEvent &e, QVector<QVariant> *values) {
            const QVariant value = qIsNaN(e.value) ? QVariant(QVariant::Double) : QVariant(e.value);
            *values << e.timeMs << SqlRows::text(e.point) << SqlRows::text(e.kind) << e.priority
                    << AlarmEvent::eventName(e.event) << value << SqlRows::text(e.user) << SqlRows::text(e.comment)
                    << SqlRows::text(e.text);
        },
        error);
}

// Each alarm's last state, those not plainly normal written anew.
bool keep(QSqlDatabase &db, StatementCache &statements, const QVector<AlarmSnapshot> &states, QString *error)
{
    QHash<QPair<QString, QString>, int> last;
    for (int i = 0; i < states.size(); ++i)
        last.insert({states.at(i).point, states.at(i).kind}, i);
    QVector<AlarmSnapshot> latest;
    for (int i = 0; i < states.size(); ++i) {
        if (last.value({states.at(i).point, states.at(i).kind}) == i)
            latest << states.at(i);
    }
    return forget(db, statements, latest, error) && insertStates(db, statements, latest, error);
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

bool read(QSqlDatabase &db, StatementCache &statements, const AlarmJournalQuery &query, QVector<AlarmEvent> *events,
          QString *error)
{
    static const QString columns
        = QStringLiteral("id, t, point, kind, priority, event, value, by_user, comment, alarm_text, value IS NULL");
    QVariantList values;
    QString sql = QStringLiteral("SELECT %1 FROM alarm_journal").arg(columns) + conditions(query, &values);
    // The newest rows are found from the end of the index, then put in order.
    if (query.limit > 0) {
        sql = QStringLiteral("SELECT %1 FROM (%2 ORDER BY t DESC, id DESC LIMIT %3) AS newest")
                  .arg(columns, sql)
                  .arg(query.limit);
    }
    events->clear();
    const auto add = [events](const ResultRow &row) {
        AlarmEvent e;
        if (!AlarmEvent::eventFromName(row.text(5), &e.event))
            return;
        *events << AlarmEvent{row.integer(1), row.text(2), row.text(3), int(row.integer(4)), e.event,
                              row.integer(10) ? qQNaN() : row.real(6), row.text(7), row.text(8), row.text(9)};
    };
    return statements.forEachRow(db, sql + QStringLiteral(" ORDER BY t, id"), values.toVector(), add, error);
}

} // namespace AlarmJournal
