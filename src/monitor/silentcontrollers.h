#pragma once

#include "historysample.h"
#include "monitoringrecord.h"

#include <QSet>
#include <QStringList>
#include <QVector>

// The controllers with points that the last pass did not hear, so that a
// log tells once when one falls silent and once when it answers again.
class SilentControllers
{
public:
    struct Change
    {
        QStringList silent; // fell silent with this pass
        QStringList back;   // answer again
    };

    // readings: one per point, in the order of points.
    Change update(const QVector<HistorySample> &readings, const QList<MonitoringPoint> &points);
    // A controller already known not to answer (not in the device list),
    // not to be told again.
    void markSilent(const QString &device) { m_silent.insert(device); }
    bool contains(const QString &device) const { return m_silent.contains(device); }
    void clear() { m_silent.clear(); }

private:
    QSet<QString> m_silent;
};
