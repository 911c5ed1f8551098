#pragma once

#include "historysample.h"

#include <QSqlDatabase>
#include <QVector>

#include <functional>

// Passes kept in the order they were written, one row each, until they
// are folded into the samples and rollups together. A pass over many points
// would otherwise touch a page of every point's samples and of its rollups:
// written as one row it touches a few, and a fold of many passes touches
// each point's pages once for all of them.
//
// A row holds the pass's samples as fixed-size records in the order of
// (point key, time), so that a reader finds one point's by bisection.
class StagedPasses
{
public:
    struct Sample
    {
        int point = 0;
        qint64 timeMs = 0;
        double value = 0;
        HistorySample::Quality quality = HistorySample::Quality::Good;
    };

    // Folding is due at this many samples, or when the passes span as long:
    // a fold costs about the same for few samples a point as for many.
    static const int kFoldSamples = 450000;
    static const qint64 kFoldSpanMs = 15 * 60 * 1000;

    // Reads how much is staged; after a rolled-back transaction too.
    bool load(QSqlDatabase &db, QString *error);
    bool append(QSqlDatabase &db, QVector<Sample> samples, QString *error);
    qint64 count() const { return m_count; }
    qint64 firstMs() const { return m_firstMs; }
    qint64 lastMs() const { return m_lastMs; }
    bool foldDue() const { return m_count >= kFoldSamples || m_lastMs - m_firstMs >= kFoldSpanMs; }

    // Every staged sample, in the order of point and time, so that a fold
    // writes each point's pages in turn.
    bool readAll(QSqlDatabase &db, QVector<Sample> *samples, QString *error) const;
    // One point's samples with fromMs <= time < toMs, in the order written.
    bool read(QSqlDatabase &db, int point, qint64 fromMs, qint64 toMs, QVector<Sample> *samples,
              QString *error) const;
    bool clear(QSqlDatabase &db, QString *error);

private:
    bool select(QSqlDatabase &db, const QString &where, const QVariantList &values,
                const std::function<void(const QByteArray &)> &each, QString *error) const;

    qint64 m_count = 0;
    qint64 m_firstMs = 0;
    qint64 m_lastMs = 0;
};
