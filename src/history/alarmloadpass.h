#pragma once

#include "alarmreport.h"

#include <QByteArray>
#include <QHash>
#include <QPair>
#include <QVector>

// The alarm report's figures from one pass over the journal's rows of the
// range, in any order: what needs an alarm's rows in time order (chatter,
// stale raises) is found once they are all in.
class AlarmLoadPass
{
public:
    AlarmLoadPass(qint64 fromMs, qint64 toMs);

    void add(qint64 timeMs, qint64 id, const QByteArray &point, const QByteArray &kind, const QByteArray &event,
             int priority);
    using Key = QPair<QString, QString>; // point, kind
    // Everything but the alarms' texts and the states kept now; *lastRaises:
    // the row of each alarm's latest raise in the range.
    void finish(AlarmReport *report, QHash<Key, qint64> *lastRaises);

private:
    struct Row
    {
        qint64 timeMs;
        qint64 id;
        bool operator<(const Row &o) const { return timeMs != o.timeMs ? timeMs < o.timeMs : id < o.id; }
    };
    struct Alarm
    {
        QString point;
        QString kind;
        QVector<Row> raises;
        QVector<Row> clears;
    };

    Alarm &alarm(const QByteArray &point, const QByteArray &kind);
    void mostFrequent(AlarmReport *report) const;
    void sequences(AlarmReport *report, QHash<Key, qint64> *lastRaises);
    void peak(AlarmReport *report) const;

    qint64 m_fromMs;
    qint64 m_toMs;
    AlarmReport m_counts;
    QHash<QByteArray, int> m_index; // point, a NUL, kind
    QByteArray m_key;
    QVector<Alarm> m_alarms;
    QHash<qint64, int> m_periods; // raises in each 10-minute period
};
