#include "logmodel.h"

namespace {
constexpr qint64 kEmptyAfterSeconds = 3599;
}

LogModel::LogModel(QObject *parent)
    : QAbstractListModel(parent)
    , m_clock([] { return QDateTime::currentDateTime(); })
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
    const QDateTime now = m_clock();
    // Absolute difference: a clock moved back by an hour empties the log too.
    if (qAbs(m_start.secsTo(now)) > kEmptyAfterSeconds) {
        beginResetModel();
        m_entries.clear();
        m_rows.clear();
        m_start = now;
        endResetModel();
    }
    m_entries.append({kind, text, now});
    if (!m_filter.shows(kind))
        return false;
    const int row = m_rows.size();
    beginInsertRows(QModelIndex(), row, row);
    m_rows.append(m_entries.size() - 1);
    endInsertRows();
    return true;
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
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_filter.shows(m_entries.at(i).kind))
            m_rows.append(i);
    }
    endResetModel();
}

const LogEntry &LogModel::entryAt(int row) const
{
    return m_entries.at(m_rows.at(row));
}

int LogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

QVariant LogModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const LogEntry &e = entryAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return e.time.time().toString(QStringLiteral("hh:mm:ss")) + QLatin1Char(' ') + e.text;
    case Qt::DecorationRole:
        return iconFor(e.kind);
    case Qt::ToolTipRole:
        return e.time.toString(Qt::ISODate);
    default:
        return QVariant();
    }
}

QIcon LogModel::iconFor(int kind) const
{
    return kind >= 0 && kind < m_icons.size() ? m_icons.at(kind) : QIcon();
}
