#include "recorderlog.h"

#include <QDateTime>

void RecorderLog::write(Level level, const QString &text)
{
    static const char *const names[] = {"info", "warning", "error"};
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    *m_stream << QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << ' '
              << names[int(level)] << ": " << line << '\n';
    m_stream->flush();
}
