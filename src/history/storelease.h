#pragma once

#include <QMetaType>
#include <QString>

// Which engine records into a store: one holder at a time, which renews
// its lease every pass. A lease not renewed for three passes has lapsed
// and may be taken by another engine. Times are the store's own clock, so
// that stations whose clocks differ agree on when a lease lapsed.
struct StoreLease
{
    QString holder; // empty: nobody holds the store
    QString host;
    qint64 pid = 0;
    qint64 renewedMs = 0;
    qint64 intervalMs = 0; // the holder's pass interval
    qint64 readMs = 0; // the store's clock when the lease was read

    // One that identifies this process on this host; the token tells a
    // restarted process from the one before it with the same number.
    static StoreLease ofThisProcess(qint64 intervalMs);
    static constexpr int kLapsedAfterPasses = 3;

    bool isFree() const { return holder.isEmpty(); }
    bool isLapsed() const { return isFree() || renewedMs + kLapsedAfterPasses * intervalMs < readMs; }
    bool isHeldBy(const StoreLease &o) const { return !isFree() && holder == o.holder; }
    // "host, process 1234", for the operator.
    QString holderText() const;
};

Q_DECLARE_METATYPE(StoreLease)
