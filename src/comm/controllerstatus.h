#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// How one controller of the shown scheme fared: whether it answered in the
// last pass, and when and how fast it last answered well.
struct ControllerStatus
{
    // Why one is not answering: silence (or a refused connection), a reply
    // cut short or damaged, or a reply without any values.
    enum class Failure { NoAnswer, BadReply, NoValues };

    QString deviceId;
    QString address;
    bool answering = true;
    QDateTime lastAnswer; // in UTC, cheap to take; invalid: never answered
    int lastResponseMs = -1;
    Failure failure = Failure::NoAnswer; // while not answering
};
