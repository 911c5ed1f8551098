#pragma once

#include <QAbstractTableModel>
#include <QVector>

class AlarmEngine;

// The alarms of the alarm tab: those not normal, newest raised first,
// unacknowledged ones in their priority's colour; shelved and out of
// service ones only when asked for. refresh() after each change of the
// engine moves only the rows that changed, so that the operator's
// selection stays where it was.
class AlarmTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Time, Priority, Point, Description, Text, Value, State, ColumnCount };

    explicit AlarmTableModel(const AlarmEngine *engine, QObject *parent = nullptr);

    // priority 0: any.
    void setFilter(int priority, const QString &text, bool withSuppressed);
    void refresh();
    int alarmAt(int row) const { return m_rows.at(row).alarm; }
    QVector<int> shownAlarms() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The background of a priority: a palette told apart without hue alone.
    static QColor priorityColour(int priority);

private:
    struct Row
    {
        int alarm;
        qint64 raisedMs;
        bool operator==(const Row &o) const { return alarm == o.alarm && raisedMs == o.raisedMs; }
    };

    QVector<Row> wantedRows() const;
    bool wanted(int alarm) const;
    void removeGone(const QVector<Row> &wanted);
    void insertNew(const QVector<Row> &wanted);
    QString displayText(int alarm, int column) const;
    QString stateText(int alarm) const;

    const AlarmEngine *m_engine;
    QVector<Row> m_rows;
    int m_priority = 0;
    QString m_text;
    bool m_withSuppressed = false;
};
