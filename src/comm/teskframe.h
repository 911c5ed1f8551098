#pragma once

#include <QByteArray>
#include <QString>

// The binary frame that carries a command or a reply:
// A1, 00 FA FB 53 00 00, length (4 bytes, high first), 00, payload,
// CRC-16/MODBUS of the payload (high byte first), B1.
namespace TeskFrame {

constexpr int kOverhead = 15;    // frame bytes around the payload
constexpr int kPayloadOffset = 12;

quint16 crc16(const QByteArray &bytes);

// The check sum of the text's ISO 8859-1 bytes as four lowercase hex digits.
QString checksum(const QString &text);

QByteArray encode(const QByteArray &payload);

// The payload of a reply: from offset 12 up to the last three bytes; empty
// when the reply is too short to be a frame. Nothing else is checked.
QByteArray payloadOf(const QByteArray &frame);

// The reply text: the payload up to its first NUL, decoded as UTF-8.
QString replyText(const QByteArray &frame);

// Whether the two bytes before the end byte are the CRC of the payload.
bool checksumMatches(const QByteArray &frame);

// The payload length the frame's length field announces; -1 before the
// field has arrived.
qint64 announcedLength(const QByteArray &frame);

enum class ReplyCheck { Whole, Incomplete, BadChecksum };

// What the bytes a controller sent amount to. A reply is whole when it ends
// with the end byte and its check sum matches its payload. The length field
// is only a hint: some controllers count the characters of a UTF-8 reply,
// not its bytes, so a longer payload with a right check sum is whole; a
// payload shorter than announced was cut off.
ReplyCheck checkReply(const QByteArray &frame);

// Whether the frame is whole by its length field: exactly the announced
// bytes have arrived and they check out. Lets a reply end before the
// controller closes the connection.
bool wholeByLength(const QByteArray &frame);

} // namespace TeskFrame
