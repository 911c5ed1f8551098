#pragma once

#include <QString>
#include <QTextStream>

// The recorder's log: one line per event on standard error, with the local
// time and how much it matters, so that the journal of a service reads
// like the program's own log.
class RecorderLog
{
public:
    enum class Level { Info, Warning, Error };

    explicit RecorderLog(QTextStream *stream)
        : m_stream(stream)
    { }

    void write(Level level, const QString &text);
    void info(const QString &text) { write(Level::Info, text); }
    void warning(const QString &text) { write(Level::Warning, text); }
    void error(const QString &text) { write(Level::Error, text); }

private:
    QTextStream *m_stream;
};
