#pragma once

#include "logentry.h"
#include "logfilter.h"

#include <QAbstractListModel>
#include <QIcon>
#include <QVector>

#include <functional>

// The event log: every entry written, and the rows the filter lets through.
// The store is emptied when an entry comes more than an hour after the last
// emptying. Rows are produced on demand, so the view stays quick with
// hundreds of thousands of entries.
class LogModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    explicit LogModel(QObject *parent = nullptr);

    void setClock(Clock clock);

    // Stores the entry whatever the filter says; returns whether it is shown.
    bool append(const QString &text, int kind);

    // Changes the switches for entries written from now on; the rows already
    // shown stay as they are.
    void setFilter(const LogFilter &filter);
    // Changes the switches and rebuilds the rows from all stored entries.
    void applyFilter(const LogFilter &filter);
    LogFilter filter() const { return m_filter; }

    const QVector<LogEntry> &entries() const { return m_entries; }
    QDateTime logStart() const { return m_start; }
    const LogEntry &entryAt(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QIcon iconFor(int kind) const;

    Clock m_clock;
    LogFilter m_filter;
    QDateTime m_start;
    QVector<LogEntry> m_entries;
    QVector<int> m_rows; // entry index of each shown row
    QVector<QIcon> m_icons;
};
