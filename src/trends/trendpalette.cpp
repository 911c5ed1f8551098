#include "trendpalette.h"

#include <QCoreApplication>

namespace TrendPalette {

QVector<Colour> colours()
{
    const auto name = [](const char *text) { return QCoreApplication::translate("TrendPalette", text); };
    return {{QColor(0x1f77b4), name("niebieski")},   {QColor(0xd62728), name("czerwony")},
            {QColor(0x2ca02c), name("zielony")},     {QColor(0xff7f0e), name("pomarańczowy")},
            {QColor(0x9467bd), name("fioletowy")},   {QColor(0x8c564b), name("brązowy")},
            {QColor(0xe377c2), name("różowy")},      {QColor(0x17becf), name("turkusowy")},
            {QColor(0xbcbd22), name("oliwkowy")},    {QColor(0x7f7f7f), name("szary")},
            {QColor(0x393b79), name("granatowy")},   {QColor(0x637939), name("ciemnozielony")},
            {QColor(0x843c39), name("bordowy")},     {QColor(0x7b4173), name("śliwkowy")},
            {QColor(0x3182bd), name("błękitny")},    {QColor(0xe6550d), name("ceglasty")}};
}

} // namespace TrendPalette
