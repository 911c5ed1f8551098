#pragma once

#include "historydialect.h"
#include "historygap.h"
#include "historysample.h"
#include "statementcache.h"

#include <QSqlDatabase>
#include <QVector>

// Finds where a point's record had no good value, over fromMs <= t < toMs:
// the samples that were not good (an index keeps them apart), each run of
// them ended by the next good sample. A gap open at fromMs starts there;
// one still open at toMs ends there.
class GapFinder
{
public:
    struct Mark
    {
        qint64 timeMs = 0;
        bool bad = false;
    };

    GapFinder(QSqlDatabase &db, StatementCache &statements, const HistoryDialect &dialect, int point, qint64 fromMs,
              qint64 toMs);

    // The marks of the samples table, in time order; later ones (passes not
    // yet folded in) may follow before gaps() is asked.
    bool read(QString *error);
    void add(const Mark &mark) { m_marks.append(mark); }
    HistoryGaps gaps() const;

private:
    bool badBefore(bool *bad, QString *error);
    bool firstGoodAfter(qint64 timeMs, qint64 *goodMs, QString *error);
    bool addRun(qint64 badMs, qint64 *runEndMs, QString *error);

    QSqlDatabase &m_db;
    StatementCache &m_statements;
    HistoryDialect m_dialect;
    int m_point;
    qint64 m_fromMs;
    qint64 m_toMs;
    QVector<Mark> m_marks;
};
