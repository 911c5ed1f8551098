#pragma once

#include "trendsetrecord.h"
#include "trendtrace.h"

#include <QObject>
#include <QVector>

class QTableWidget;

// The pens of a trend in its table: each one's colour (the program's
// colour picker), point, unit, width and style, and the value under the
// cursor. Editing a pen's look emits changed().
class TrendPenTable : public QObject
{
    Q_OBJECT

public:
    enum Column { ColourColumn, PointColumn, UnitColumn, WidthColumn, StyleColumn, ValueColumn };

    explicit TrendPenTable(QTableWidget *table, QObject *parent = nullptr);

    // labels and units in the order of the pens.
    void setPens(const QList<TrendPenRecord> &pens, const QStringList &labels, const QStringList &units);
    const QList<TrendPenRecord> &pens() const { return m_pens; }
    void showReadings(const QVector<TrendTrace::Reading> &readings, const QVector<bool> &logic);
    int selected() const;

    static Qt::PenStyle penStyle(const QString &style);

signals:
    void changed();

private:
    void addRow(int row, const QString &label, const QString &unit);

    QTableWidget *m_table;
    QList<TrendPenRecord> m_pens;
};
