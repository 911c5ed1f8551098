#include "audittrail.h"

#include "resultrow.h"
#include "sqlrows.h"
#include "statementcache.h"

#include <QSet>

#include <utility>

namespace AuditTrail {

bool append(QSqlDatabase &db, StatementCache &statements, const QVector<AuditRecord> &records, QString *error)
{
    return SqlRows::exec(
        db, statements,
        QStringLiteral("INSERT INTO audit (t, by_user, station, action, controller, variable, before_value,"
                       " sent_value, confirmed_value, detail) VALUES %1"),
        10, records,
        [](const AuditRecord &r, QVector<QVariant> *values) {
            *values << r.timeMs << SqlRows::text(r.user) << SqlRows::text(r.station)
                    << AuditRecord::actionName(r.action) << SqlRows::text(r.controller) << SqlRows::text(r.variable)
                    << SqlRows::text(r.before) << SqlRows::text(r.sent) << SqlRows::text(r.confirmed)
                    << SqlRows::text(r.detail);
        },
        error);
}

// A user's rows come from the index of user and time, the others' from
// that of time; either gives them in order.
bool read(QSqlDatabase &db, StatementCache &statements, const AuditQuery &query, QVector<AuditRecord> *records,
          QString *error)
{
    QString sql = QStringLiteral("SELECT t, by_user, station, action, controller, variable, before_value,"
                                 " sent_value, confirmed_value, detail FROM audit WHERE t >= ? AND t < ?");
    QVector<QVariant> values{query.fromMs, query.toMs};
    if (!query.user.isEmpty()) {
        sql += QStringLiteral(" AND by_user = ?");
        values << query.user;
    }
    records->clear();
    // Every text but the detail is one of few: a long read holds each once,
    // shared by its rows, instead of once a row.
    QSet<QString> seen;
    const auto add = [records, &seen](const ResultRow &row) {
        const auto shared = [&](int column) { return *seen.insert(row.text(column)); };
        AuditRecord r;
        // A row of an action this program does not know is passed over.
        if (!AuditRecord::actionFromName(row.text(3), &r.action))
            return;
        r.timeMs = row.integer(0);
        r.user = shared(1);
        r.station = shared(2);
        r.controller = shared(4);
        r.variable = shared(5);
        r.before = shared(6);
        r.sent = shared(7);
        r.confirmed = shared(8);
        r.detail = row.text(9);
        records->append(std::move(r));
    };
    if (statements.forEachRow(db, sql + QStringLiteral(" ORDER BY t, id"), values, add, error))
        return true;
    records->clear();
    return false;
}

} // namespace AuditTrail
