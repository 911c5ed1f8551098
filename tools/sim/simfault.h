#pragma once

#include <QString>

// How a simulated controller misbehaves, for tests and demonstrations.
enum class SimFault {
    None,     // one reply frame, then the connection is closed
    Silent,   // never answers, keeps the connection open
    KeepOpen, // answers but never closes
    Delay,    // answers after a delay
    Short,    // sends the first half of its reply frame, then closes
    Garbage,  // sends random bytes, then closes
    Huge,     // sends a reply larger than any link accepts
    Trickle,  // sends a byte now and then, forever
    Refuse,   // does not listen: connections are refused
};

// "none", "silent", "keepOpen", ... ; unknown words give None.
SimFault simFaultFromName(const QString &name, bool *ok = nullptr);
QString simFaultName(SimFault fault);
