#include "historybatch.h"

#include "historydialect.h"
#include "historypoints.h"
#include "sqlrows.h"
#include "statementcache.h"

#include <QHash>

namespace {

bool contributes(const HistorySample &s)
{
    return s.quality == HistorySample::Quality::Good && !qIsNaN(s.value);
}

} // namespace

HistoryBatch::HistoryBatch(QSqlDatabase &db, const HistoryDialect &dialect, HistoryPoints &points,
                           StatementCache &statements)
    : m_db(db)
    , m_dialect(dialect)
    , m_points(points)
    , m_statements(statements)
{
}

bool HistoryBatch::write(const QVector<HistorySample> &samples, QString *error)
{
    QVector<Row> rows;
    return keyRows(samples, &rows, error) && writeRows(rows, error);
}

bool HistoryBatch::writeRows(const QVector<Row> &rows, QString *error)
{
    for (int first = 0, count; first < rows.size(); first += count) {
        count = SqlRows::perStatement(rows.size() - first);
        if (!insertRows(rows.constData() + first, count, error))
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
    seen.reserve(samples.size());
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

// Inserts what is new. Where some rows were there already, which ones is
// not told: all rows of the statement are then written over, and their
// minutes computed afresh.
bool HistoryBatch::insertRows(const Row *rows, int count, QString *error)
{
    QVector<QVariant> values;
    values.reserve(4 * count);
    for (int i = 0; i < count; ++i) {
        const HistorySample &s = *rows[i].sample;
        values << rows[i].point << s.timeMs
               << (s.hasValue() ? m_dialect.encode(s.value) : QVariant(QVariant::Double)) << int(s.quality);
    }
    int inserted = 0;
    if (!m_statements.exec(m_db,
                           QStringLiteral("INSERT INTO samples (point, t, value, quality) VALUES %1"
                                          " ON CONFLICT (point, t) DO NOTHING")
                               .arg(SqlRows::placeholders(count, 4)),
                           values, &inserted, error))
        return false;
    const bool allNew = inserted == count;
    for (int i = 0; i < count; ++i) {
        const Row &row = rows[i];
        if (allNew) {
            if (contributes(*row.sample))
                m_deltas.add(row.point, row.sample->timeMs, row.sample->value);
            continue;
        }
        if (!replaceRow(row, error))
            return false;
        m_replacedMinutes.insert({row.point, RollupDeltas::bucketStart(row.sample->timeMs, RollupDeltas::kMinuteMs)});
    }
    return true;
}

bool HistoryBatch::replaceRow(const Row &row, QString *error)
{
    const HistorySample &s = *row.sample;
    return exec(QStringLiteral("UPDATE samples SET value = ?, quality = ? WHERE point = ? AND t = ?"),
                {s.hasValue() ? m_dialect.encode(s.value) : QVariant(QVariant::Double), int(s.quality), row.point,
                 s.timeMs},
                error);
}

bool HistoryBatch::mergeRollups(const QString &table, const RollupDeltas::Buckets &buckets,
                                const std::set<Key> &skip, QString *error)
{
    QVector<RollupDeltas::Buckets::const_iterator> todo;
    todo.reserve(int(buckets.size()));
    for (auto it = buckets.cbegin(); it != buckets.cend(); ++it) {
        if (!skip.count(it->first))
            todo.append(it);
    }
    for (int first = 0, count; first < todo.size(); first += count) {
        count = SqlRows::perStatement(todo.size() - first);
        QVector<QVariant> values;
        values.reserve(6 * count);
        for (int i = first; i < first + count; ++i) {
            const RollupDeltas::Aggregate &a = todo.at(i)->second;
            values << todo.at(i)->first.first << todo.at(i)->first.second << a.min << a.max << a.sum << a.count;
        }
        const QString sql = QStringLiteral("INSERT INTO %1 (point, t, mn, mx, sm, n) VALUES %2"
                                           " ON CONFLICT (point, t) DO UPDATE SET mn = %3(%1.mn, excluded.mn),"
                                           " mx = %4(%1.mx, excluded.mx), sm = %1.sm + excluded.sm,"
                                           " n = %1.n + excluded.n")
                                .arg(table, SqlRows::placeholders(count, 6), m_dialect.least(), m_dialect.greatest());
        if (!exec(sql, values, error))
            return false;
    }
    return true;
}

bool HistoryBatch::recomputeMinute(const Key &minute, QString *error)
{
    const qint64 end = minute.second + RollupDeltas::kMinuteMs;
    return exec(QStringLiteral("DELETE FROM rollup_minute WHERE point = ? AND t = ?"), {minute.first, minute.second},
                error)
        && exec(QStringLiteral("INSERT INTO rollup_minute (point, t, mn, mx, sm, n)"
                               " SELECT point, CAST(? AS BIGINT), min(%1), max(%1), sum(%1), count(*) FROM samples"
                               " WHERE point = ? AND t >= ? AND t < ? AND quality = 0 AND value IS NOT NULL"
                               " GROUP BY point")
                    .arg(m_dialect.valueExpression()),
                {minute.second, minute.first, minute.second, end}, error);
}

bool HistoryBatch::recomputeHour(const Key &hour, QString *error)
{
    const qint64 end = hour.second + RollupDeltas::kHourMs;
    return exec(QStringLiteral("DELETE FROM rollup_hour WHERE point = ? AND t = ?"), {hour.first, hour.second}, error)
        && exec(QStringLiteral("INSERT INTO rollup_hour (point, t, mn, mx, sm, n)"
                               " SELECT point, CAST(? AS BIGINT), min(mn), max(mx), sum(sm), sum(n)"
                               " FROM rollup_minute WHERE point = ? AND t >= ? AND t < ? GROUP BY point"),
                {hour.second, hour.first, hour.second, end}, error);
}

bool HistoryBatch::exec(const QString &sql, const QVector<QVariant> &values, QString *error)
{
    int affected = 0;
    return m_statements.exec(m_db, sql, values, &affected, error);
}
