#pragma once

#include "testpaths.h"

#include <QProcess>
#include <QStringList>

// The built tesk-history, run to its end: its exit status (-1 when it
// crashed) and what it wrote.
struct HistoryToolRun
{
    int status;
    QByteArray out;
    QByteArray err;
};

inline HistoryToolRun runHistoryTool(const QStringList &arguments)
{
    QProcess p;
    p.start(TestPaths::buildDir() + QStringLiteral("/tools/history/tesk-history"), arguments);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}
