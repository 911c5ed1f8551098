#pragma once

#include <QString>

#include <limits>

// Which audit rows to read: fromMs <= time < toMs, of the user (matched
// exactly; empty: every user).
struct AuditQuery {
    qint64 fromMs = 0;
    qint64 toMs = std::numeric_limits<qint64>::max();
    QString user;
};
