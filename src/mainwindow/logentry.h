#pragma once

#include <QDateTime>
#include <QString>

// One line of the event log.
struct LogEntry
{
    enum Kind { Info = 0, Warning = 1, Error = 2, Send = 3, Read = 4 };

    int kind = Info;
    QString text;
    QDateTime time;
};
