#include "gapfinder.h"

#include <limits>

GapFinder::GapFinder(QSqlDatabase &db, StatementCache &statements, const HistoryDialect &dialect, int point,
                     qint64 fromMs, qint64 toMs)
    : m_db(db)
    , m_statements(statements)
    , m_dialect(dialect)
    , m_point(point)
    , m_fromMs(fromMs)
    , m_toMs(toMs)
{
}

bool GapFinder::read(QString *error)
{
    qint64 runEnd = std::numeric_limits<qint64>::min();
    bool openAtStart = false;
    if (!badBefore(&openAtStart, error))
        return false;
    if (openAtStart && !addRun(m_fromMs, &runEnd, error))
        return false;
    QVector<qint64> bad;
    const QString sql = QStringLiteral("SELECT t FROM %1 WHERE point = ? AND t >= ? AND t < ? AND quality <> 0"
                                       " ORDER BY t")
                            .arg(m_dialect.badSamples());
    if (!m_statements.forEachRow(m_db, sql, {m_point, m_fromMs, m_toMs},
                                 [&bad](const ResultRow &row) { bad.append(row.integer(0)); }, error))
        return false;
    for (const qint64 t : bad) {
        // A bad sample before the end of the run already found is inside it.
        if (t >= runEnd && !addRun(t, &runEnd, error))
            return false;
    }
    return true;
}

bool GapFinder::addRun(qint64 badMs, qint64 *runEndMs, QString *error)
{
    m_marks.append({badMs, true});
    qint64 good = 0;
    if (!firstGoodAfter(badMs, &good, error))
        return false;
    if (good < 0) {
        *runEndMs = std::numeric_limits<qint64>::max();
        return true;
    }
    m_marks.append({good, false});
    *runEndMs = good;
    return true;
}

bool GapFinder::badBefore(bool *bad, QString *error)
{
    *bad = false;
    return m_statements.forEachRow(
        m_db, QStringLiteral("SELECT quality FROM samples WHERE point = ? AND t < ? ORDER BY t DESC LIMIT 1"),
        {m_point, m_fromMs}, [bad](const ResultRow &row) { *bad = row.integer(0) != 0; }, error);
}

// goodMs -1: no good sample after timeMs (before toMs).
bool GapFinder::firstGoodAfter(qint64 timeMs, qint64 *goodMs, QString *error)
{
    *goodMs = -1;
    return m_statements.forEachRow(m_db,
                                   QStringLiteral("SELECT t FROM samples WHERE point = ? AND t > ? AND t < ?"
                                                  " AND quality = 0 ORDER BY t LIMIT 1"),
                                   {m_point, timeMs, m_toMs},
                                   [goodMs](const ResultRow &row) { *goodMs = row.integer(0); }, error);
}

HistoryGaps GapFinder::gaps() const
{
    HistoryGaps result;
    qint64 open = -1;
    for (const Mark &m : m_marks) {
        if (m.bad && open < 0) {
            open = qMax(m.timeMs, m_fromMs);
        } else if (!m.bad && open >= 0) {
            result.append({open, m.timeMs});
            open = -1;
        }
    }
    if (open >= 0)
        result.append({open, m_toMs});
    return result;
}
