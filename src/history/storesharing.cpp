#include "storesharing.h"

#include "historydialect.h"
#include "resultrow.h"
#include "sqlrows.h"
#include "statementcache.h"

namespace StoreSharing {

bool claim(QSqlDatabase &db, StatementCache &statements, const HistoryDialect &dialect, const StoreLease &claim,
           StoreLease *lease, QString *error)
{
    const QString sql
        = QStringLiteral(
              "INSERT INTO lease (id, holder, host, pid, renewed_ms, interval_ms) VALUES (1, ?, ?, ?, %1, ?)"
              " ON CONFLICT (id) DO UPDATE SET holder = excluded.holder, host = excluded.host, pid = excluded.pid,"
              " renewed_ms = excluded.renewed_ms, interval_ms = excluded.interval_ms"
              " WHERE lease.holder = excluded.holder OR lease.holder = ''"
              " OR lease.renewed_ms + %2 * lease.interval_ms < excluded.renewed_ms")
              .arg(dialect.nowMs())
              .arg(StoreLease::kLapsedAfterPasses);
    int affected = 0;
    return statements.exec(db, sql,
                           {SqlRows::text(claim.holder), SqlRows::text(claim.host), claim.pid, claim.intervalMs},
                           &affected, error)
        && read(db, statements, dialect, lease, error);
}

bool release(QSqlDatabase &db, StatementCache &statements, const QString &holder, QString *error)
{
    int affected = 0;
    return statements.exec(db, QStringLiteral("DELETE FROM lease WHERE holder = ?"), {SqlRows::text(holder)}, &affected,
                           error);
}

bool read(QSqlDatabase &db, StatementCache &statements, const HistoryDialect &dialect, StoreLease *lease,
          QString *error)
{
    *lease = StoreLease();
    const QString sql = QStringLiteral("SELECT holder, host, pid, renewed_ms, interval_ms FROM lease WHERE id = 1");
    return statements.forEachRow(
               db, sql, {},
               [lease](const ResultRow &row) {
                   lease->holder = row.text(0);
                   lease->host = row.text(1);
                   lease->pid = row.integer(2);
                   lease->renewedMs = row.integer(3);
                   lease->intervalMs = row.integer(4);
               },
               error)
        && statements.forEachRow(
            db, QStringLiteral("SELECT %1").arg(dialect.nowMs()), {},
            [lease](const ResultRow &row) { lease->readMs = row.integer(0); }, error);
}

bool send(QSqlDatabase &db, StatementCache &statements, const QVector<AlarmCommand> &commands, QString *error)
{
    return SqlRows::exec(
        db, statements,
        QStringLiteral("INSERT INTO alarm_command (t, station, by_user, action, point, kind, minutes, comment)"
                       " VALUES %1"),
        8, commands,
        [](const AlarmCommand &c, QVector<QVariant> *values) {
            *values << c.timeMs << SqlRows::text(c.station) << SqlRows::text(c.user)
                    << AlarmCommand::actionName(c.action) << SqlRows::text(c.point) << SqlRows::text(c.kind)
                    << c.minutes << SqlRows::text(c.comment);
        },
        error);
}

bool take(QSqlDatabase &db, StatementCache &statements, QVector<AlarmCommand> *commands, QString *error)
{
    commands->clear();
    qint64 last = -1;
    const auto add = [commands, &last](const ResultRow &row) {
        last = row.integer(0);
        AlarmCommand c;
        if (!AlarmCommand::actionFromName(row.text(4), &c.action))
            return; // of a newer program: dropped with the rest
        c.timeMs = row.integer(1);
        c.station = row.text(2);
        c.user = row.text(3);
        c.point = row.text(5);
        c.kind = row.text(6);
        c.minutes = int(row.integer(7));
        c.comment = row.text(8);
        commands->append(c);
    };
    int affected = 0;
    return statements.forEachRow(db,
                                 QStringLiteral("SELECT id, t, station, by_user, action, point, kind, minutes,"
                                                " comment FROM alarm_command ORDER BY id"),
                                 {}, add, error)
        && (last < 0
            || statements.exec(db, QStringLiteral("DELETE FROM alarm_command WHERE id <= ?"), {last}, &affected,
                               error));
}

} // namespace StoreSharing
