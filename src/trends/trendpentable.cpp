#include "trendpentable.h"

#include "qtcolorpicker.h"
#include "trendpalette.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLocale>
#include <QTableWidget>

namespace {

const QStringList kStyles{QStringLiteral("solid"), QStringLiteral("dash"), QStringLiteral("dot")};

QString readingText(const TrendTrace::Reading &r, bool logic)
{
    if (!r.known)
        return QStringLiteral("—");
    if (logic && r.min == r.max)
        return r.min != 0 ? TrendPenTable::tr("wł.") : TrendPenTable::tr("wył.");
    const QLocale locale;
    if (r.min == r.max)
        return locale.toString(r.min, 'g', 6);
    return TrendPenTable::tr("%1 … %2").arg(locale.toString(r.min, 'g', 6), locale.toString(r.max, 'g', 6));
}

} // namespace

TrendPenTable::TrendPenTable(QTableWidget *table, QObject *parent)
    : QObject(parent)
    , m_table(table)
{
    m_table->horizontalHeader()->setSectionResizeMode(PointColumn, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(ValueColumn, QHeaderView::Stretch);
}

Qt::PenStyle TrendPenTable::penStyle(const QString &style)
{
    if (style == QLatin1String("dash"))
        return Qt::DashLine;
    if (style == QLatin1String("dot"))
        return Qt::DotLine;
    return Qt::SolidLine;
}

void TrendPenTable::setPens(const QList<TrendPenRecord> &pens, const QStringList &labels, const QStringList &units)
{
    m_pens = pens;
    m_table->setRowCount(0);
    m_table->setRowCount(pens.size());
    for (int row = 0; row < pens.size(); ++row)
        addRow(row, labels.value(row), units.value(row));
    m_table->resizeColumnToContents(ColourColumn);
}

void TrendPenTable::addRow(int row, const QString &label, const QString &unit)
{
    const TrendPenRecord &pen = m_pens.at(row);
    auto *picker = new QtColorPicker(m_table);
    for (const TrendPalette::Colour &c : TrendPalette::colours())
        picker->insertColor(c.colour, c.name);
    picker->setCurrentColor(QColor(pen.colour));
    connect(picker, &QtColorPicker::colorChanged, this, [this, row](const QColor &c) {
        m_pens[row].colour = c.name();
        emit changed();
    });
    m_table->setCellWidget(row, ColourColumn, picker);
    m_table->setItem(row, PointColumn, new QTableWidgetItem(label));
    m_table->setItem(row, UnitColumn, new QTableWidgetItem(unit));
    auto *width = new QDoubleSpinBox(m_table);
    width->setRange(0.5, 6);
    width->setSingleStep(0.5);
    width->setValue(pen.width);
    connect(width, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, [this, row](double w) {
        m_pens[row].width = w;
        emit changed();
    });
    m_table->setCellWidget(row, WidthColumn, width);
    auto *style = new QComboBox(m_table);
    style->addItems({tr("ciągła"), tr("kreskowa"), tr("kropkowa")});
    style->setCurrentIndex(qMax(0, kStyles.indexOf(pen.style)));
    connect(style, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this, row](int i) {
        m_pens[row].style = kStyles.value(i);
        emit changed();
    });
    m_table->setCellWidget(row, StyleColumn, style);
    m_table->setItem(row, ValueColumn, new QTableWidgetItem);
}

void TrendPenTable::showReadings(const QVector<TrendTrace::Reading> &readings, const QVector<bool> &logic)
{
    for (int row = 0; row < m_table->rowCount() && row < readings.size(); ++row)
        m_table->item(row, ValueColumn)->setText(readingText(readings.at(row), logic.value(row)));
}

int TrendPenTable::selected() const
{
    const QList<QTableWidgetSelectionRange> ranges = m_table->selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.first().topRow();
}
