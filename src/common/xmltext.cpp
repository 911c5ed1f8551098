#include "xmltext.h"

namespace XmlText {

namespace {

bool isXmlChar(uint c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

// Calls visit(code point, length in UTF-16 units) for each character; a lone
// surrogate is visited as itself, which is not an XML character.
template<typename Visit>
void forEachCodePoint(const QString &text, Visit visit)
{
    for (int i = 0; i < text.size();) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            visit(QChar::surrogateToUcs4(c, text.at(i + 1)), 2);
            i += 2;
        } else {
            visit(c.unicode(), 1);
            ++i;
        }
    }
}

} // namespace

bool isXmlSafe(const QString &text)
{
    bool safe = true;
    forEachCodePoint(text, [&](uint c, int) { safe = safe && isXmlChar(c); });
    return safe;
}

QString xmlSafe(const QString &text)
{
    if (isXmlSafe(text))
        return text;
    QString safe;
    safe.reserve(text.size());
    int at = 0;
    forEachCodePoint(text, [&](uint c, int length) {
        if (isXmlChar(c))
            safe += text.midRef(at, length);
        else
            safe += QChar(QChar::ReplacementCharacter);
        at += length;
    });
    return safe;
}

} // namespace XmlText
