#pragma once

#include <QLoggingCategory>

// The trace of requests and replies: Qt's default logging category, so it
// shows as plain debug output, yet the byte dumps are only formatted while
// that category's debug output is on (QT_LOGGING_RULES="default.debug=false"
// turns it off).
const QLoggingCategory &linkTrace();

// Bytes quoted and escaped exactly as Qt's debug stream prints a byte array,
// only much faster: replies are dumped twice per request.
QByteArray quotedBytes(const QByteArray &bytes);
