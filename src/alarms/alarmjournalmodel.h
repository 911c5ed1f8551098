#pragma once

#include "alarmevent.h"

#include <QAbstractTableModel>
#include <QVector>

// Rows of the alarm journal as read from the store, in the order given,
// with their times in local time and their events named for the operator.
class AlarmJournalModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Time, Point, Kind, Priority, Event, Value, User, Comment, Text, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setEvents(const QVector<AlarmEvent> &events);
    const AlarmEvent &eventAt(int row) const { return m_events.at(row); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // "wystąpił", "ustąpił", … as the window names each event.
    static QString eventText(AlarmEvent::Event event);

private:
    QString displayText(const AlarmEvent &e, int column) const;

    QVector<AlarmEvent> m_events;
};
