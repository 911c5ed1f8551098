#pragma once

#include "logentry.h"
#include "logfilter.h"

#include <QAbstractListModel>
#include <QByteArray>
#include <QIcon>
#include <QVector>

#include <deque>
#include <functional>

// The event log: every entry written, and the rows the filter lets through.
// Appending only stores: the rows written during one turn of the event loop
// reach the views together at the end of it (publish()), so a burst of
// thousands of entries is laid out and painted once. At most maxEntries are
// kept, the oldest dropped first, and the store is emptied when an entry
// comes more than an hour after the last emptying. Texts are kept as UTF-8
// in blocks, rows are made on demand.
class LogModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int kMaxEntries = 1000000;
    // Milliseconds since the epoch.
    using Clock = std::function<qint64()>;

    explicit LogModel(QObject *parent = nullptr, int maxEntries = kMaxEntries);

    void setClock(Clock clock);

    // Stores the entry whatever the filter says; returns whether it will be shown.
    bool append(const QString &text, int kind);
    // Hands the rows appended since the last call to the views, then emits
    // published(). Runs by itself once the event loop is reached again.
    void publish();

    // Changes the switches for entries written from now on; the rows already
    // shown stay as they are.
    void setFilter(const LogFilter &filter);
    // Changes the switches and rebuilds the rows from all stored entries.
    void applyFilter(const LogFilter &filter);
    LogFilter filter() const { return m_filter; }

    int size() const { return int(m_last - m_first); }
    LogEntry entry(int index) const;
    QVector<LogEntry> entries() const; // a copy, oldest first
    QDateTime logStart() const;
    // Bytes held for the entries, their texts and the rows.
    qint64 memoryUsed() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

signals:
    void published();

private:
    struct Slot
    {
        qint64 msecs;
        int offset; // of the text in its block
        int kind;
    };
    struct Block
    {
        QVector<Slot> items;
        QByteArray text;
    };

    void empty(qint64 now);
    void dropOldestBlock();
    const Slot &slotOf(qint64 seq, QString *text = nullptr) const;
    QIcon iconFor(int kind) const;
    QString timeOfDay(qint64 msecs) const;

    Clock m_clock;
    LogFilter m_filter;
    qint64 m_start = 0;
    const int m_maxEntries;
    const int m_blockSize;
    std::deque<Block> m_blocks;
    qint64 m_first = 0; // sequence number of the oldest entry kept
    qint64 m_last = 0;  // sequence number the next entry gets
    QVector<qint64> m_rows; // sequence number of each shown row
    int m_published = 0;    // rows the views know of
    bool m_publishQueued = false;
    QVector<QIcon> m_icons;
    // Rows come in bursts of one second: its text is made once.
    mutable qint64 m_shownSecond = -1;
    mutable QString m_shownTime;
};
