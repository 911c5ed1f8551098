#pragma once

#include "alarmengine.h"
#include "devicerecord.h"
#include "monitoringrecord.h"
#include "samplefilter.h"
#include "silentcontrollers.h"
#include "storelease.h"

#include <QObject>

class HistoryRecorder;
class PollHub;
class RecorderLog;
class SiteMonitor;

// The site's engine without a window: the monitor polls every controller
// with points, the alarms are evaluated, and both are recorded in the
// store, for as long as this engine holds the store's lease. While another
// engine holds it, this one waits and takes it once it is free or lapsed.
// Actions that stations send through the store are applied as they come.
class RecorderEngine : public QObject
{
    Q_OBJECT

public:
    explicit RecorderEngine(RecorderLog *log, QObject *parent = nullptr);
    ~RecorderEngine() override;

    // Reads the project and opens its store once, to know both can be
    // used; false with the reason logged.
    bool open(const QString &folder);
    // What open() found, for --check.
    QString summary() const { return m_summary; }
    void start();
    // Ends after the pass in flight is recorded: finished() then.
    void stop();

signals:
    void finished();

private:
    bool readProject(const QString &folder);
    bool checkStore();
    void passDone(const QVector<HistorySample> &readings);
    void noteSilentControllers(const QVector<HistorySample> &readings);
    void journal();
    void leaseHeld();
    void leaseRefused(const StoreLease &lease);
    void applyCommands(const QVector<AlarmCommand> &commands);
    void finish();

    RecorderLog *m_log;
    QString m_folder;
    QString m_summary;
    DeviceList m_devices;
    MonitoringRecord m_record;
    PollHub *m_hub;
    SiteMonitor *m_monitor;
    HistoryRecorder *m_history = nullptr;
    AlarmEngine m_alarms;
    SampleFilter m_filter;
    SilentControllers m_silent;
    bool m_stopping = false;
};
