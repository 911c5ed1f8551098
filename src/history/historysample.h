#pragma once

#include <QMetaType>
#include <QtNumeric>
#include <QString>
#include <QVector>

// One recorded value of a monitoring point. Time is UTC milliseconds since
// the epoch; value means something only for Good and Error.
struct HistorySample
{
    enum class Quality {
        Good,
        NoAnswer, // the controller did not answer in that pass
        Missing,  // it answered without this variable
        Error,    // its err attribute was not 0
    };

    QString point;
    qint64 timeMs = 0;
    double value = 0;
    Quality quality = Quality::Good;

    bool operator==(const HistorySample &o) const
    {
        return point == o.point && timeMs == o.timeMs && quality == o.quality
            && (!hasValue() || value == o.value || (qIsNaN(value) && qIsNaN(o.value)));
    }
    bool operator!=(const HistorySample &o) const { return !(*this == o); }
    bool hasValue() const { return quality == Quality::Good || quality == Quality::Error; }
};

Q_DECLARE_METATYPE(HistorySample)
Q_DECLARE_METATYPE(QVector<HistorySample>)
