#pragma once

#include <QColor>
#include <QString>
#include <QVector>

// The pens' colours, told apart at a glance, each with its name for the
// colour picker.
namespace TrendPalette {

struct Colour
{
    QColor colour;
    QString name;
};

QVector<Colour> colours();

} // namespace TrendPalette
