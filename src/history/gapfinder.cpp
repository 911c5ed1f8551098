#include "gapfinder.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <limits>

namespace {

bool run(QSqlQuery &query, QString *error)
{
    if (query.exec())
        return true;
    *error = query.lastError().text();
    return false;
}

} // namespace

GapFinder::GapFinder(QSqlDatabase &db, const HistoryDialect &dialect, int point, qint64 fromMs, qint64 toMs)
    : m_db(db)
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
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT t FROM %1 WHERE point = ? AND t >= ? AND t < ? AND quality <> 0"
                                 " ORDER BY t")
                      .arg(m_dialect.badSamples()));
    query.addBindValue(m_point);
    query.addBindValue(m_fromMs);
    query.addBindValue(m_toMs);
    if (!run(query, error))
        return false;
    QVector<qint64> bad;
    while (query.next())
        bad.append(query.value(0).toLongLong());
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
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT quality FROM samples WHERE point = ? AND t < ? ORDER BY t DESC LIMIT 1"));
    query.addBindValue(m_point);
    query.addBindValue(m_fromMs);
    if (!run(query, error))
        return false;
    *bad = query.next() && query.value(0).toInt() != 0;
    return true;
}

// goodMs -1: no good sample after timeMs (before toMs).
bool GapFinder::firstGoodAfter(qint64 timeMs, qint64 *goodMs, QString *error)
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT t FROM samples WHERE point = ? AND t > ? AND t < ? AND quality = 0"
                                 " ORDER BY t LIMIT 1"));
    query.addBindValue(m_point);
    query.addBindValue(timeMs);
    query.addBindValue(m_toMs);
    if (!run(query, error))
        return false;
    *goodMs = query.next() ? query.value(0).toLongLong() : -1;
    return true;
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
