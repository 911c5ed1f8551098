#pragma once

#include <QString>

#include <atomic>

struct StoreRecord;

// Whether a PostgreSQL server answers at the store's address, asked so that
// the asking can be given up: the client library's own connection attempt
// cannot be cut short, and may wait for its whole time-out on an address
// that takes connections and never replies.
class PostgresProbe
{
public:
    // True when a server answered within timeoutMs, or when the store is
    // reached through a local socket (no probe is needed there). False,
    // error saying why, when nothing answered or when giveUp turned true.
    static bool answers(const StoreRecord &store, int timeoutMs, const std::atomic<bool> &giveUp, QString *error);
};
