#pragma once

#include <QMetaType>
#include <QString>

// What became of one variable written to a controller: what was read back
// before, what was sent and what the controller says it kept.
struct WriteOutcome
{
    enum class Result {
        Confirmed, // kept as sent
        Refused, // missing from the reply
        Changed, // kept with another value (clamped)
        Unanswered, // no usable reply: what the controller holds is unknown
        NotAllowed, // never sent: the station's user may not write
    };

    QString controller; // the controller's ID
    QString address;
    QString variable;
    QString before; // as read back, empty when it was not
    QString sent;
    QString confirmed; // empty unless Confirmed or Changed
    Result result = Result::Confirmed;
};

Q_DECLARE_METATYPE(WriteOutcome)
