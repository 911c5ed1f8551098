#pragma once

#include "alarmdefinition.h"
#include "trendsetrecord.h"

#include <QList>
#include <QString>

// One variable the site monitor records, whatever scheme is shown. The
// decoding of its value follows type, as for a scheme's read variable.
struct MonitoringPoint
{
    QString id; // unique; the same characters as a scheme ID
    QString device;
    QString devVar;
    QString type = QStringLiteral("temp"); // "temp", "int", "real", "logic", "percent"
    QString description;
    QString unit;
    QString record = QStringLiteral("change"); // "change" or "interval"
    double deadband = 0;                       // "change": the move that makes a sample
    int maxGap = 0; // "change": seconds after which a sample is taken all the same; 0: never
    QList<AlarmDefinition> alarms;

    bool operator==(const MonitoringPoint &o) const
    {
        return id == o.id && device == o.device && devVar == o.devVar && type == o.type
            && description == o.description && unit == o.unit && record == o.record && deadband == o.deadband
            && maxGap == o.maxGap && alarms == o.alarms;
    }
    bool operator!=(const MonitoringPoint &o) const { return !(*this == o); }
};

// Where the history is kept. SQLite: a file, relative to the project
// folder. PostgreSQL: a server; its password is never in a project file
// (the client library's password file or environment supplies it).
struct StoreRecord
{
    QString driver = QStringLiteral("sqlite"); // "sqlite" or "postgresql"
    QString path = QStringLiteral("history.sqlite");
    QString host;
    QString port;
    QString database;
    QString user;

    bool isPostgres() const { return driver == QLatin1String("postgresql"); }
    bool operator==(const StoreRecord &o) const
    {
        return driver == o.driver && path == o.path && host == o.host && port == o.port && database == o.database
            && user == o.user;
    }
    bool operator!=(const StoreRecord &o) const { return !(*this == o); }
};

// The project's monitoring.xml: how often the site is read, how long the
// history is kept, where, and which points.
struct MonitoringRecord
{
    int interval = 10; // seconds between passes, at least 1
    int retentionDays = 400;
    int rollupDays = 3650;
    int commAlarmDelay = 60; // seconds of silence that raise a controller's communication alarm
    int maxShelveHours = 8;  // the longest an operator may shelve an alarm for
    StoreRecord store;
    QList<MonitoringPoint> points;
    QList<TrendSetRecord> trends; // in the order they were named

    bool operator==(const MonitoringRecord &o) const
    {
        return interval == o.interval && retentionDays == o.retentionDays && rollupDays == o.rollupDays
            && commAlarmDelay == o.commAlarmDelay && maxShelveHours == o.maxShelveHours && store == o.store && points == o.points
            && trends == o.trends;
    }
    bool operator!=(const MonitoringRecord &o) const { return !(*this == o); }
};
