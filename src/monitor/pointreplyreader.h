#pragma once

#include "historysample.h"
#include "monitoringrecord.h"
#include "schemereplydecoder.h"

#include <QVector>

// How a controller's values reply becomes the readings of its monitored
// points: decoded by the points' types, of quality Error where the reply
// gives the variable an err other than 0, Missing where it lacks it.
class PointReplyReader
{
public:
    PointReplyReader() = default;
    explicit PointReplyReader(const QList<MonitoringPoint> &points);

    // Sets the readings (indexed as the points) of the device's points, the
    // indices given; a reply without values leaves them as they were.
    void read(const QString &deviceId, const QVector<int> &points, const QString &reply,
              QVector<HistorySample> *readings) const;

private:
    QList<MonitoringPoint> m_points;
    SchemeReplyDecoder m_decoder;
};
