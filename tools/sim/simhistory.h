#pragma once

#include "devicerecord.h"
#include "monitoringrecord.h"
#include "simconfig.h"

#include <QList>
#include <QStringList>
#include <QTextStream>

// The history the program would have recorded of the simulated site over
// the days before an end: the controllers run forward second by second as
// their past plans them, are read every monitoring interval, and their
// replies are decoded and filtered as the site monitor and its sample
// filter do. Written as tesk-history export writes samples.
class SimHistory
{
public:
    SimHistory(const QList<SimConfig::Entry> &entries, const MonitoringRecord &monitoring, const DeviceList &devices);

    // The CSV of the days up to endMs; false, with why, when a past names
    // a variable its controller lacks.
    bool write(int days, qint64 endMs, QTextStream &out, QString *error);

    // Points whose controller is not simulated: recorded as not answering,
    // as the monitor records them.
    const QStringList &unsimulated() const { return m_unsimulated; }

private:
    struct Reader
    {
        QString deviceId;
        int entry; // into the entries
        QVector<int> points;
    };

    int entryFor(const QString &deviceId) const;

    QList<SimConfig::Entry> m_entries;
    MonitoringRecord m_monitoring;
    DeviceList m_devices;
    QVector<Reader> m_readers;
    QStringList m_unsimulated;
};
