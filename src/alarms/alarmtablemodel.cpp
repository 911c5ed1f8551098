#include "alarmtablemodel.h"

#include "alarmengine.h"

#include <QColor>
#include <QDateTime>
#include <QFont>

#include <algorithm>

namespace {

bool newerFirst(qint64 aRaised, int a, qint64 bRaised, int b)
{
    return aRaised != bRaised ? aRaised > bRaised : a < b;
}

} // namespace

AlarmTableModel::AlarmTableModel(const AlarmEngine *engine, QObject *parent)
    : QAbstractTableModel(parent)
    , m_engine(engine)
{
}

// Okabe and Ito's palette: vermillion, orange, yellow, sky blue, which
// stay distinct for the common kinds of colour blindness; the priority's
// number is in its column as well.
QColor AlarmTableModel::priorityColour(int priority)
{
    switch (priority) {
    case 1:
        return QColor(0xd5, 0x5e, 0x00);
    case 2:
        return QColor(0xe6, 0x9f, 0x00);
    case 3:
        return QColor(0xf0, 0xe4, 0x42);
    default:
        return QColor(0x56, 0xb4, 0xe9);
    }
}

void AlarmTableModel::setFilter(int priority, const QString &text, bool withSuppressed)
{
    beginResetModel();
    m_priority = priority;
    m_text = text.trimmed();
    m_withSuppressed = withSuppressed;
    m_rows = wantedRows();
    endResetModel();
}

bool AlarmTableModel::wanted(int alarm) const
{
    const AlarmEngine::Alarm &a = m_engine->alarm(alarm);
    const bool suppressed = !a.isShown();
    if (suppressed ? !m_withSuppressed : a.machine.state() == AlarmSnapshot::State::Normal)
        return false;
    if (m_priority != 0 && a.definition.priority != m_priority)
        return false;
    return m_text.isEmpty() || a.definition.text.contains(m_text, Qt::CaseInsensitive)
        || a.point.contains(m_text, Qt::CaseInsensitive) || a.description.contains(m_text, Qt::CaseInsensitive);
}

QVector<AlarmTableModel::Row> AlarmTableModel::wantedRows() const
{
    QVector<Row> rows;
    for (int i = 0; i < m_engine->count(); ++i) {
        if (wanted(i))
            rows.append({i, m_engine->alarm(i).machine.raisedMs()});
    }
    std::sort(rows.begin(), rows.end(),
              [](const Row &a, const Row &b) { return newerFirst(a.raisedMs, a.alarm, b.raisedMs, b.alarm); });
    return rows;
}

void AlarmTableModel::refresh()
{
    const QVector<Row> rows = wantedRows();
    removeGone(rows);
    insertNew(rows);
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(m_rows.size() - 1, ColumnCount - 1));
}

// Rows no longer wanted, or raised again since, go in runs from the end.
void AlarmTableModel::removeGone(const QVector<Row> &wanted)
{
    QVector<bool> keep(m_engine->count(), false);
    QVector<qint64> raised(m_engine->count(), 0);
    for (const Row &r : wanted) {
        keep[r.alarm] = true;
        raised[r.alarm] = r.raisedMs;
    }
    auto gone = [&](const Row &r) { return r.alarm >= keep.size() || !keep.at(r.alarm) || raised.at(r.alarm) != r.raisedMs; };
    for (int last = m_rows.size() - 1; last >= 0; --last) {
        if (!gone(m_rows.at(last)))
            continue;
        int first = last;
        while (first > 0 && gone(m_rows.at(first - 1)))
            --first;
        beginRemoveRows(QModelIndex(), first, last);
        m_rows.remove(first, last - first + 1);
        endRemoveRows();
        last = first;
    }
}

// What is left is in wanted's order; the new rows go in between, in runs.
void AlarmTableModel::insertNew(const QVector<Row> &wanted)
{
    int at = 0;
    int next = 0;
    while (next < wanted.size()) {
        if (at < m_rows.size() && m_rows.at(at) == wanted.at(next)) {
            ++at;
            ++next;
            continue;
        }
        int end = next;
        while (end < wanted.size() && !(at < m_rows.size() && m_rows.at(at) == wanted.at(end)))
            ++end;
        beginInsertRows(QModelIndex(), at, at + end - next - 1);
        for (int i = next; i < end; ++i)
            m_rows.insert(at + i - next, wanted.at(i));
        endInsertRows();
        at += end - next;
        next = end;
    }
}

QVector<int> AlarmTableModel::shownAlarms() const
{
    QVector<int> alarms;
    for (const Row &r : m_rows)
        alarms.append(r.alarm);
    return alarms;
}

int AlarmTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int AlarmTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AlarmTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const int alarm = m_rows.at(index.row()).alarm;
    const AlarmEngine::Alarm &a = m_engine->alarm(alarm);
    const bool unacknowledged = a.machine.isUnacknowledged() && a.isShown();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: // a narrow column shows the whole text this way
        return displayText(alarm, index.column());
    case Qt::BackgroundRole:
        if (unacknowledged || index.column() == Priority)
            return priorityColour(a.definition.priority);
        return QVariant();
    case Qt::ForegroundRole:
        if (a.definition.priority == 1 && (unacknowledged || index.column() == Priority))
            return QColor(Qt::white);
        if (index.column() == Value && a.silent)
            return QColor(Qt::darkGray);
        return QVariant();
    case Qt::FontRole:
        if (unacknowledged) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return QVariant();
    default:
        return QVariant();
    }
}

QString AlarmTableModel::displayText(int alarm, int column) const
{
    const AlarmEngine::Alarm &a = m_engine->alarm(alarm);
    switch (column) {
    case Time:
        return a.machine.raisedMs() == 0 ? QString()
                                         : QDateTime::fromMSecsSinceEpoch(a.machine.raisedMs())
                                               .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case Priority:
        return QString::number(a.definition.priority);
    case Point:
        return a.point;
    case Description:
        return a.description;
    case Text:
        return a.definition.text;
    case Value:
        if (a.isComm())
            return QString();
        if (a.silent)
            return tr("brak odczytu");
        return qIsNaN(a.value) ? QString() : QString::number(a.value);
    case State:
        return stateText(alarm);
    default:
        return QString();
    }
}

QString AlarmTableModel::stateText(int alarm) const
{
    const AlarmMachine &m = m_engine->alarm(alarm).machine;
    if (m.isOutOfService())
        return tr("Wyłączony z obsługi");
    QString state;
    switch (m.state()) {
    case AlarmSnapshot::State::ActiveUnacknowledged:
        state = tr("Aktywny, niepotwierdzony");
        break;
    case AlarmSnapshot::State::ActiveAcknowledged:
        state = tr("Aktywny, potwierdzony");
        break;
    case AlarmSnapshot::State::ReturnedUnacknowledged:
        state = tr("Ustąpił, niepotwierdzony");
        break;
    case AlarmSnapshot::State::Normal:
        state = tr("Ustąpił");
        break;
    }
    if (m.isShelved())
        state += tr(", odłożony do %1")
                     .arg(QDateTime::fromMSecsSinceEpoch(m.shelvedUntilMs()).toString(QStringLiteral("HH:mm")));
    return state;
}

QVariant AlarmTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Time:
        return tr("Wystąpił");
    case Priority:
        return tr("Priorytet");
    case Point:
        return tr("Punkt");
    case Description:
        return tr("Opis");
    case Text:
        return tr("Alarm");
    case Value:
        return tr("Wartość");
    case State:
        return tr("Stan");
    default:
        return QVariant();
    }
}
