#include "alarmjournalmodel.h"

#include "alarmtablemodel.h"
#include "monitoringcheck.h"

#include <QColor>
#include <QDateTime>

void AlarmJournalModel::setEvents(const QVector<AlarmEvent> &events)
{
    beginResetModel();
    m_events = events;
    endResetModel();
}

int AlarmJournalModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_events.size();
}

int AlarmJournalModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString AlarmJournalModel::eventText(AlarmEvent::Event event)
{
    switch (event) {
    case AlarmEvent::Event::Raised:
        return tr("wystąpił");
    case AlarmEvent::Event::Cleared:
        return tr("ustąpił");
    case AlarmEvent::Event::Acknowledged:
        return tr("potwierdzony");
    case AlarmEvent::Event::Shelved:
        return tr("odłożony");
    case AlarmEvent::Event::Unshelved:
        return tr("przywrócony");
    case AlarmEvent::Event::OutOfService:
        return tr("wyłączony z obsługi");
    case AlarmEvent::Event::InService:
        return tr("włączony do obsługi");
    }
    return QString();
}

QString AlarmJournalModel::displayText(const AlarmEvent &e, int column) const
{
    switch (column) {
    case Time:
        return QDateTime::fromMSecsSinceEpoch(e.timeMs).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case Point:
        return e.point;
    case Kind:
        return MonitoringCheck::alarmKindName(e.kind);
    case Priority:
        return QString::number(e.priority);
    case Event:
        return eventText(e.event);
    case Value:
        return qIsNaN(e.value) ? QString() : QString::number(e.value);
    case User:
        return e.user;
    case Comment:
        return e.comment;
    case Text:
        return e.text;
    }
    return QString();
}

QVariant AlarmJournalModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_events.size())
        return QVariant();
    const AlarmEvent &e = m_events.at(index.row());
    if (role == Qt::DisplayRole)
        return displayText(e, index.column());
    if (role == Qt::BackgroundRole && index.column() == Priority)
        return AlarmTableModel::priorityColour(e.priority);
    if (role == Qt::ToolTipRole && index.column() == Comment && !e.comment.isEmpty())
        return e.comment;
    return QVariant();
}

QVariant AlarmJournalModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const names[ColumnCount] = {
        QT_TR_NOOP("Czas"),       QT_TR_NOOP("Punkt"),     QT_TR_NOOP("Rodzaj"),
        QT_TR_NOOP("Priorytet"),  QT_TR_NOOP("Zdarzenie"), QT_TR_NOOP("Wartość"),
        QT_TR_NOOP("Użytkownik"), QT_TR_NOOP("Komentarz"), QT_TR_NOOP("Tekst")};
    return section >= 0 && section < ColumnCount ? tr(names[section]) : QVariant();
}
