#include "logmodel.h"

#include <algorithm>

namespace {
constexpr qint64 kEmptyAfterSeconds = 3599;
}

LogModel::LogModel(QObject *parent, int maxEntries)
    : QAbstractListModel(parent)
    , m_clock([] { return QDateTime::currentMSecsSinceEpoch(); })
    , m_maxEntries(qMax(1, maxEntries))
    // Dropping a whole block keeps at least 63/64 of the limit.
    , m_blockSize(qBound(1, maxEntries / 64, 4096))
{
    m_start = m_clock();
    for (const char *name : {":/info", ":/warning", ":/error", ":/send", ":/read"})
        m_icons.append(QIcon(QString::fromLatin1(name)));
}

void LogModel::setClock(Clock clock)
{
    m_clock = std::move(clock);
    m_start = m_clock();
}

bool LogModel::append(const QString &text, int kind)
{
    const qint64 now = m_clock();
    // Absolute difference: a clock moved back by an hour empties the log too.
    if (qAbs(now - m_start) / 1000 > kEmptyAfterSeconds)
        empty(now);
    if (m_blocks.empty() || m_blocks.back().items.size() == m_blockSize) {
        if (!m_blocks.empty())
            m_blocks.back().text.squeeze(); // full: give back what growing reserved
        m_blocks.emplace_back();
        m_blocks.back().items.reserve(m_blockSize);
    }
    Block &block = m_blocks.back();
    block.items.append({now, block.text.size(), kind});
    block.text += text.toUtf8();
    const bool shown = m_filter.shows(kind);
    if (shown)
        m_rows.append(m_last);
    ++m_last;
    if (size() > m_maxEntries)
        dropOldestBlock();
    if (!m_publishQueued) {
        m_publishQueued = true;
        QMetaObject::invokeMethod(this, &LogModel::publish, Qt::QueuedConnection);
    }
    return shown;
}

void LogModel::publish()
{
    m_publishQueued = false;
    if (m_rows.size() > m_published) {
        beginInsertRows(QModelIndex(), m_published, m_rows.size() - 1);
        m_published = m_rows.size();
        endInsertRows();
    }
    emit published();
}

void LogModel::empty(qint64 now)
{
    beginResetModel();
    m_blocks.clear();
    m_first = m_last;
    m_rows.clear();
    m_published = 0;
    m_start = now;
    endResetModel();
}

// Views may still ask for the rows about to go, so the block goes after
// they were told.
void LogModel::dropOldestBlock()
{
    const qint64 first = m_first + m_blocks.front().items.size();
    const int gone = int(std::lower_bound(m_rows.cbegin(), m_rows.cend(), first) - m_rows.cbegin());
    const int announced = qMin(gone, m_published);
    if (announced > 0)
        beginRemoveRows(QModelIndex(), 0, announced - 1);
    m_blocks.pop_front();
    m_first = first;
    m_rows.remove(0, gone);
    m_published -= announced;
    if (announced > 0)
        endRemoveRows();
}

void LogModel::setFilter(const LogFilter &filter)
{
    m_filter = filter;
}

void LogModel::applyFilter(const LogFilter &filter)
{
    beginResetModel();
    m_filter = filter;
    m_rows.clear();
    qint64 seq = m_first;
    for (const Block &block : m_blocks) {
        for (const Slot &s : block.items) {
            if (m_filter.shows(s.kind))
                m_rows.append(seq);
            ++seq;
        }
    }
    m_published = m_rows.size();
    endResetModel();
}

const LogModel::Slot &LogModel::slotOf(qint64 seq, QString *text) const
{
    const qint64 index = seq - m_first;
    const Block &block = m_blocks[size_t(index / m_blockSize)];
    const int i = int(index % m_blockSize);
    const Slot &s = block.items.at(i);
    if (text) {
        const int end = i + 1 < block.items.size() ? block.items.at(i + 1).offset : block.text.size();
        *text = QString::fromUtf8(block.text.constData() + s.offset, end - s.offset);
    }
    return s;
}

LogEntry LogModel::entry(int index) const
{
    LogEntry e;
    const Slot &s = slotOf(m_first + index, &e.text);
    e.kind = s.kind;
    e.time = QDateTime::fromMSecsSinceEpoch(s.msecs);
    return e;
}

QVector<LogEntry> LogModel::entries() const
{
    QVector<LogEntry> all;
    all.reserve(size());
    for (int i = 0; i < size(); ++i)
        all.append(entry(i));
    return all;
}

QDateTime LogModel::logStart() const
{
    return QDateTime::fromMSecsSinceEpoch(m_start);
}

qint64 LogModel::memoryUsed() const
{
    qint64 bytes = qint64(m_rows.capacity()) * sizeof(qint64);
    for (const Block &block : m_blocks)
        bytes += sizeof(Block) + qint64(block.items.capacity()) * sizeof(Slot) + block.text.capacity();
    return bytes;
}

int LogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_published;
}

QVariant LogModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_published)
        return QVariant();
    QString text;
    const Slot &s = slotOf(m_rows.at(index.row()), role == Qt::DisplayRole ? &text : nullptr);
    switch (role) {
    case Qt::DisplayRole:
        return timeOfDay(s.msecs) + QLatin1Char(' ') + text;
    case Qt::DecorationRole:
        return iconFor(s.kind);
    case Qt::ToolTipRole:
        return QDateTime::fromMSecsSinceEpoch(s.msecs).toString(Qt::ISODate);
    default:
        return QVariant();
    }
}

QString LogModel::timeOfDay(qint64 msecs) const
{
    const qint64 second = msecs >= 0 ? msecs / 1000 : (msecs - 999) / 1000;
    if (second != m_shownSecond) {
        m_shownSecond = second;
        m_shownTime = QDateTime::fromMSecsSinceEpoch(msecs).time().toString(QStringLiteral("hh:mm:ss"));
    }
    return m_shownTime;
}

QIcon LogModel::iconFor(int kind) const
{
    return kind >= 0 && kind < m_icons.size() ? m_icons.at(kind) : QIcon();
}
