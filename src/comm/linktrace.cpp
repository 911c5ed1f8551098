#include "linktrace.h"

const QLoggingCategory &linkTrace()
{
    return *QLoggingCategory::defaultCategory();
}

namespace {

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

char escapeLetter(char c)
{
    switch (c) {
    case '"':
    case '\\':
        return c;
    case '\b':
        return 'b';
    case '\f':
        return 'f';
    case '\n':
        return 'n';
    case '\r':
        return 'r';
    case '\t':
        return 't';
    default:
        return 0;
    }
}

} // namespace

QByteArray quotedBytes(const QByteArray &bytes)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 4 + 2);
    out += '"';
    bool afterHexEscape = false;
    for (const char c : bytes) {
        // A hex digit right after \xHH would read as part of it: break the
        // literal with "".
        if (afterHexEscape && isHexDigit(c))
            out += "\"\"";
        afterHexEscape = false;
        const uchar u = uchar(c);
        if (u >= 0x20 && u < 0x7f && c != '\\' && c != '"') {
            out += c;
        } else if (const char letter = escapeLetter(c)) {
            out += '\\';
            out += letter;
        } else {
            out += "\\x";
            out += hex[u >> 4];
            out += hex[u & 0xf];
            afterHexEscape = true;
        }
    }
    out += '"';
    return out;
}
