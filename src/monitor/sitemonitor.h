#pragma once

#include "devicerecord.h"
#include "historysample.h"
#include "monitoringrecord.h"
#include "pointreplyreader.h"

#include <QObject>
#include <QVector>

class PollChannel;
class PollHub;
class QTimer;

// Watches every monitored point of the site, whatever scheme is shown: one
// pass every interval asks each controller that has points, all at once,
// through the hub the scheme reader polls with (a fresh reply of the
// reader serves too), and reports a reading of every point when the pass is
// over: its value, or why there is none.
class SiteMonitor : public QObject
{
    Q_OBJECT

public:
    SiteMonitor(PollHub *hub, QObject *parent = nullptr);

    // Points of controllers the device list lacks are read as not answering.
    void setSite(const MonitoringRecord &record, const DeviceList &devices);
    void start();
    void stop();
    bool isRunning() const;
    // A pass asked its controllers and waits for them.
    bool isPassing() const { return m_pending > 0; }

signals:
    // Every point, in the order of the record, each pass.
    void passDone(QVector<HistorySample> readings);

private:
    struct Controller
    {
        QString deviceId;
        PollChannel *channel = nullptr; // null: not in the device list
        QVector<int> points;            // indices into the record's points
        bool pending = false;
    };

    void clear();
    void startPass();
    void replied(int controller, const QString &reply);
    void finishPass();

    PollHub *m_hub;
    QTimer *m_timer;
    QTimer *m_passLimit;
    MonitoringRecord m_record;
    PointReplyReader m_reader;
    QVector<Controller> m_controllers;
    QVector<HistorySample> m_readings; // of the pass running, per point
    int m_pending = 0;
};
