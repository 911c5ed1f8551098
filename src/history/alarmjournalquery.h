#pragma once

#include "alarmevent.h"

#include <QString>
#include <QVector>

#include <limits>

// Which journal rows to read: fromMs <= time < toMs, of the point, the
// priority and the events named (empty or 0: any).
struct AlarmJournalQuery
{
    qint64 fromMs = 0;
    qint64 toMs = std::numeric_limits<qint64>::max();
    QString point; // matched exactly
    int priority = 0;
    QVector<AlarmEvent::Event> events;
    int limit = 0; // 0: every row; else the newest limit rows
};
