#pragma once

#include "historysample.h"
#include "rollupdeltas.h"

#include <QSqlDatabase>
#include <QVector>

#include <set>

class HistoryDialect;
class HistoryPoints;
class StatementCache;

// One batch of samples, written inside the caller's transaction: the raw
// samples, a repeated point and time replacing the sample there, and the
// minute and hour rollups brought up to date. New samples are added to
// their buckets; a bucket where a sample may have been replaced is
// computed afresh.
class HistoryBatch
{
public:
    HistoryBatch(QSqlDatabase &db, const HistoryDialect &dialect, HistoryPoints &points,
                 StatementCache &statements);

    struct Row
    {
        int point; // the point's key; the sample's point ID is not read
        const HistorySample *sample;
    };

    bool write(const QVector<HistorySample> &samples, QString *error);
    // Rows already keyed, each point and time once.
    bool writeRows(const QVector<Row> &rows, QString *error);

private:
    using Key = RollupDeltas::Key;

    bool keyRows(const QVector<HistorySample> &samples, QVector<Row> *rows, QString *error);
    bool insertRows(const Row *rows, int count, QString *error);
    bool replaceRow(const Row &row, QString *error);
    bool mergeRollups(const QString &table, const RollupDeltas::Buckets &buckets, const std::set<Key> &skip,
                      QString *error);
    bool recomputeMinute(const Key &minute, QString *error);
    bool recomputeHour(const Key &hour, QString *error);
    bool exec(const QString &sql, const QVector<QVariant> &values, QString *error);

    QSqlDatabase &m_db;
    const HistoryDialect &m_dialect;
    HistoryPoints &m_points;
    StatementCache &m_statements;
    RollupDeltas m_deltas;
    std::set<Key> m_replacedMinutes;
};
