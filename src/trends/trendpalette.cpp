#include "trendpalette.h"

#include <QCoreApplication>

namespace TrendPalette {

namespace {

struct Named
{
    QRgb rgb;
    const char *name;
};

const Named kColours[] = {
    {0x1f77b4, QT_TRANSLATE_NOOP("TrendPalette", "niebieski")},  {0xd62728, QT_TRANSLATE_NOOP("TrendPalette", "czerwony")},
    {0x2ca02c, QT_TRANSLATE_NOOP("TrendPalette", "zielony")},    {0xff7f0e, QT_TRANSLATE_NOOP("TrendPalette", "pomarańczowy")},
    {0x9467bd, QT_TRANSLATE_NOOP("TrendPalette", "fioletowy")},  {0x8c564b, QT_TRANSLATE_NOOP("TrendPalette", "brązowy")},
    {0xe377c2, QT_TRANSLATE_NOOP("TrendPalette", "różowy")},     {0x17becf, QT_TRANSLATE_NOOP("TrendPalette", "turkusowy")},
    {0xbcbd22, QT_TRANSLATE_NOOP("TrendPalette", "oliwkowy")},   {0x7f7f7f, QT_TRANSLATE_NOOP("TrendPalette", "szary")},
    {0x393b79, QT_TRANSLATE_NOOP("TrendPalette", "granatowy")},  {0x637939, QT_TRANSLATE_NOOP("TrendPalette", "ciemnozielony")},
    {0x843c39, QT_TRANSLATE_NOOP("TrendPalette", "bordowy")},    {0x7b4173, QT_TRANSLATE_NOOP("TrendPalette", "śliwkowy")},
    {0x3182bd, QT_TRANSLATE_NOOP("TrendPalette", "błękitny")},   {0xe6550d, QT_TRANSLATE_NOOP("TrendPalette", "ceglasty")}};

} // namespace

QVector<Colour> colours()
{
    QVector<Colour> result;
    for (const Named &c : kColours)
        result.append({QColor(c.rgb), QCoreApplication::translate("TrendPalette", c.name)});
    return result;
}

} // namespace TrendPalette
