#include "teskframe.h"

#include <array>
#include <cstring>

namespace TeskFrame {

namespace {

// The 256-entry table for the reflected polynomial 0xA001.
constexpr std::array<quint16, 256> makeTable()
{
    std::array<quint16, 256> table{};
    for (int i = 0; i < 256; ++i) {
        quint16 crc = quint16(i);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
        table[size_t(i)] = crc;
    }
    return table;
}

constexpr std::array<quint16, 256> kTable = makeTable();
static_assert(kTable[1] == 0xC0C1 && kTable[255] == 0x4040, "CRC-16/MODBUS table");

const QByteArray kStart = QByteArrayLiteral("A1");
const QByteArray kHeader = QByteArrayLiteral("00FAFB530000");
const QByteArray kZero = QByteArrayLiteral("00");
const QByteArray kEnd = QByteArrayLiteral("B1");
constexpr char kEndByte = char(0xB1);
constexpr int kLengthOffset = 7;

QByteArray hex(quint64 value, int digits)
{
    return QByteArray::number(value, 16).rightJustified(digits, '0');
}

} // namespace

quint16 crc16(const QByteArray &bytes)
{
    quint16 crc = 0xFFFF;
    for (char c : bytes)
        crc = quint16((crc >> 8) ^ kTable[(crc ^ quint8(c)) & 0xFF]);
    return crc;
}

QString checksum(const QString &text)
{
    return QString::number(crc16(text.toLatin1()), 16).rightJustified(4, QLatin1Char('0'));
}

QByteArray encode(const QByteArray &payload)
{
    // Assembled as hex text field by field, then turned into bytes.
    const QByteArray text = kStart + kHeader + hex(quint64(payload.size()), 8) + kZero + payload.toHex()
        + hex(crc16(payload), 4) + kEnd;
    return QByteArray::fromHex(text);
}

QByteArray payloadOf(const QByteArray &frame)
{
    if (frame.size() < kOverhead)
        return QByteArray();
    return frame.mid(kPayloadOffset, frame.size() - kPayloadOffset - 3);
}

QString replyText(const QByteArray &frame)
{
    if (frame.size() < kOverhead)
        return QString();
    // Read in place: replies are large and come often.
    const char *payload = frame.constData() + kPayloadOffset;
    const int size = frame.size() - kOverhead;
    const void *nul = std::memchr(payload, '\0', size_t(size));
    return QString::fromUtf8(payload, nul ? int(static_cast<const char *>(nul) - payload) : size);
}

bool checksumMatches(const QByteArray &frame)
{
    if (frame.size() < kOverhead)
        return false;
    const quint16 sent = quint16((quint8(frame.at(frame.size() - 3)) << 8) | quint8(frame.at(frame.size() - 2)));
    return sent == crc16(payloadOf(frame));
}

qint64 announcedLength(const QByteArray &frame)
{
    if (frame.size() < kLengthOffset + 4)
        return -1;
    qint64 n = 0;
    for (int i = kLengthOffset; i < kLengthOffset + 4; ++i)
        n = (n << 8) | quint8(frame.at(i));
    return n;
}

ReplyCheck checkReply(const QByteArray &frame)
{
    if (frame.size() < kOverhead || frame.at(frame.size() - 1) != kEndByte
        || frame.size() - kOverhead < announcedLength(frame))
        return ReplyCheck::Incomplete;
    return checksumMatches(frame) ? ReplyCheck::Whole : ReplyCheck::BadChecksum;
}

bool wholeByLength(const QByteArray &frame)
{
    return frame.size() - kOverhead == announcedLength(frame) && checkReply(frame) == ReplyCheck::Whole;
}

} // namespace TeskFrame
