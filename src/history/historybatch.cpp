#include "historybatch.h"

#include "historydialect.h"
#include "historypoints.h"

#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// Rows per statement: few statements for a pass, well within both
// databases' limits on bound values.
const int kRowsPerStatement = 500;

// "(?, ?, ?), (?, ?, ?)" for rows of columns.
QString placeholders(int rows, int columns)
{
    QString one = QStringLiteral("(?");
    for (int c = 1; c < columns; ++c)
        one += QStringLiteral(",?");
    one += QLatin1Char(')');
    QString all;
    all.reserve(rows * (one.size() + 1));
    for (int r = 0; r < rows; ++r) {
        if (r)
            all += QLatin1Char(',');
        all += one;
    }
    return all;
}

bool contributes(const HistorySample &s)
{
    return s.quality == HistorySample::Quality::Good && !qIsNaN(s.value);
}

} // namespace

HistoryBatch::HistoryBatch(QSqlDatabase &db, const HistoryDialect &dialect, HistoryPoints &points)
    : m_db(db)
    , m_dialect(dialect)
    , m_points(points)
{
}

bool HistoryBatch::write(const QVector<HistorySample> &samples, QString *error)
{
    QVector<Row> rows;
    if (!keyRows(samples, &rows, error))
        return false;
    for (int first = 0; first < rows.size(); first += kRowsPerStatement) {
        if (!insertRows(rows.constData() + first, std::min(kRowsPerStatement, rows.size() - first), error))
            return false;
    }
    std::set<Key> replacedHours;
    for (const Key &minute : m_replacedMinutes)
        replacedHours.insert({minute.first, RollupDeltas::bucketStart(minute.second, RollupDeltas::kHourMs)});
    if (!mergeRollups(QStringLiteral("rollup_minute"), m_deltas.minutes(), m_replacedMinutes, error)
        || !mergeRollups(QStringLiteral("rollup_hour"), m_deltas.hours(), replacedHours, error))
        return false;
    for (const Key &minute : m_replacedMinutes) {
        if (!recomputeMinute(minute, error))
            return false;
    }
    for (const Key &hour : replacedHours) {
        if (!recomputeHour(hour, error))
            return false;
    }
    return true;
}

// The point keys of the samples; of several samples of one point and time
// the last is kept, as if they had been written one after another.
bool HistoryBatch::keyRows(const QVector<HistorySample> &samples, QVector<Row> *rows, QString *error)
{
    QHash<QPair<int, qint64>, int> seen;
    rows->reserve(samples.size());
    for (const HistorySample &s : samples) {
        const int point = m_points.ensure(m_db, s.point, error);
        if (point < 0)
            return false;
        const auto at = seen.constFind({point, s.timeMs});
        if (at != seen.constEnd()) {
            (*rows)[*at].sample = &s;
            continue;
        }
        seen.insert({point, s.timeMs}, rows->size());
        rows->append({point, &s});
    }
    return true;
}

// Inserts what is new; the rows the database already has are replaced one
// by one, and their minutes computed afresh.
bool HistoryBatch::insertRows(const Row *rows, int count, QString *error)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("INSERT INTO samples (point, t, value, quality) VALUES %1"
                                 " ON CONFLICT (point, t) DO NOTHING RETURNING point, t")
                      .arg(placeholders(count, 4)));
    for (int i = 0; i < count; ++i) {
        const HistorySample &s = *rows[i].sample;
        query.addBindValue(rows[i].point);
        query.addBindValue(s.timeMs);
        query.addBindValue(s.hasValue() ? m_dialect.encode(s.value) : QVariant(QVariant::Double));
        query.addBindValue(int(s.quality));
    }
    if (!exec(query, error))
        return false;
    QSet<QPair<int, qint64>> inserted;
    inserted.reserve(count);
    while (query.next())
        inserted.insert({query.value(0).toInt(), query.value(1).toLongLong()});
    for (int i = 0; i < count; ++i) {
        const Row &row = rows[i];
        if (!inserted.contains({row.point, row.sample->timeMs})) {
            if (!replaceRow(row, error))
                return false;
            m_replacedMinutes.insert({row.point, RollupDeltas::bucketStart(row.sample->timeMs, RollupDeltas::kMinuteMs)});
        } else if (contributes(*row.sample)) {
            m_deltas.add(row.point, row.sample->timeMs, row.sample->value);
        }
    }
    return true;
}

bool HistoryBatch::replaceRow(const Row &row, QString *error)
{
    const HistorySample &s = *row.sample;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("UPDATE samples SET value = ?, quality = ? WHERE point = ? AND t = ?"));
    query.addBindValue(s.hasValue() ? m_dialect.encode(s.value) : QVariant(QVariant::Double));
    query.addBindValue(int(s.quality));
    query.addBindValue(row.point);
    query.addBindValue(s.timeMs);
    return exec(query, error);
}

bool HistoryBatch::mergeRollups(const QString &table, const RollupDeltas::Buckets &buckets,
                                const std::set<Key> &skip, QString *error)
{
    QVector<RollupDeltas::Buckets::const_iterator> todo;
    for (auto it = buckets.cbegin(); it != buckets.cend(); ++it) {
        if (!skip.count(it->first))
            todo.append(it);
    }
    for (int first = 0; first < todo.size(); first += kRowsPerStatement) {
        const int count = std::min(kRowsPerStatement, todo.size() - first);
        QSqlQuery query(m_db);
        query.prepare(QStringLiteral("INSERT INTO %1 (point, t, mn, mx, sm, n) VALUES %2"
                                     " ON CONFLICT (point, t) DO UPDATE SET mn = %3(%1.mn, excluded.mn),"
                                     " mx = %4(%1.mx, excluded.mx), sm = %1.sm + excluded.sm, n = %1.n + excluded.n")
                          .arg(table, placeholders(count, 6), m_dialect.least(), m_dialect.greatest()));
        for (int i = first; i < first + count; ++i) {
            const RollupDeltas::Aggregate &a = todo.at(i)->second;
            query.addBindValue(todo.at(i)->first.first);
            query.addBindValue(todo.at(i)->first.second);
            query.addBindValue(a.min);
            query.addBindValue(a.max);
            query.addBindValue(a.sum);
            query.addBindValue(a.count);
        }
        if (!exec(query, error))
            return false;
    }
    return true;
}

bool HistoryBatch::recomputeMinute(const Key &minute, QString *error)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("DELETE FROM rollup_minute WHERE point = ? AND t = ?"));
    query.addBindValue(minute.first);
    query.addBindValue(minute.second);
    if (!exec(query, error))
        return false;
    const QString value = m_dialect.valueExpression();
    query.prepare(QStringLiteral("INSERT INTO rollup_minute (point, t, mn, mx, sm, n)"
                                 " SELECT point, CAST(? AS BIGINT), min(%1), max(%1), sum(%1), count(*) FROM samples"
                                 " WHERE point = ? AND t >= ? AND t < ? AND quality = 0 AND value IS NOT NULL"
                                 " GROUP BY point")
                      .arg(value));
    query.addBindValue(minute.second);
    query.addBindValue(minute.first);
    query.addBindValue(minute.second);
    query.addBindValue(minute.second + RollupDeltas::kMinuteMs);
    return exec(query, error);
}

bool HistoryBatch::recomputeHour(const Key &hour, QString *error)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("DELETE FROM rollup_hour WHERE point = ? AND t = ?"));
    query.addBindValue(hour.first);
    query.addBindValue(hour.second);
    if (!exec(query, error))
        return false;
    query.prepare(QStringLiteral("INSERT INTO rollup_hour (point, t, mn, mx, sm, n)"
                                 " SELECT point, CAST(? AS BIGINT), min(mn), max(mx), sum(sm), sum(n)"
                                 " FROM rollup_minute WHERE point = ? AND t >= ? AND t < ? GROUP BY point"));
    query.addBindValue(hour.second);
    query.addBindValue(hour.first);
    query.addBindValue(hour.second);
    query.addBindValue(hour.second + RollupDeltas::kHourMs);
    return exec(query, error);
}

bool HistoryBatch::exec(QSqlQuery &query, QString *error)
{
    if (query.exec())
        return true;
    *error = query.lastError().text();
    return false;
}
