#include "silentcontrollers.h"

SilentControllers::Change SilentControllers::update(const QVector<HistorySample> &readings,
                                                    const QList<MonitoringPoint> &points)
{
    QSet<QString> silent;
    QSet<QString> heard;
    for (int i = 0; i < readings.size(); ++i)
        (readings.at(i).quality == HistorySample::Quality::NoAnswer ? silent : heard).insert(points.at(i).device);
    silent.subtract(heard);
    Change change;
    change.silent = (silent - m_silent).values();
    change.back = (m_silent - silent).values();
    change.silent.sort();
    change.back.sort();
    m_silent = silent;
    return change;
}
