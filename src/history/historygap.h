#pragma once

#include <QVector>
#include <QtGlobal>

// A stretch without a good value: from a sample that was not good (no
// answer, a missing variable, an error) to the next good one.
struct HistoryGap
{
    qint64 startMs = 0;
    qint64 endMs = 0;

    bool operator==(const HistoryGap &o) const { return startMs == o.startMs && endMs == o.endMs; }
};

using HistoryGaps = QVector<HistoryGap>;
