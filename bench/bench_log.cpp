// Writing and re-filtering a large event log in the real main window, its
// log tab shown. Prints the cost of an entry, the entries kept and the
// memory they take, and the time of filter clicks over the full log.
// Run under QT_QPA_PLATFORM=offscreen.
//   bench_log [entries]      (500000 by default; the memory figures after
//                             filling the log beyond its limit)

#include "logmodel.h"
#include "mainwindow.h"
#include "processmemory.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <ctime>

namespace {

// CPU time of the process, in seconds.
double cpuSeconds()
{
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

// As a pass of the reader writes them: mostly values read, some errors. The
// texts are made beforehand, so that only the log is timed.
void writeEntries(MainWindow &window, int from, int count)
{
    static QStringList texts;
    for (int i = texts.size(); i < 1000; ++i)
        texts << QStringLiteral("Odczytano parametr ze sterownika: 127.0.0.%1 [kot%2.t_zas=%3]")
                     .arg(2 + i % 5).arg(i % 100).arg(20 + i % 50);
    for (int i = from; i < from + count; ++i) {
        window.writeLog(texts.at(i % 1000), i % 10 == 0 ? LogEntry::Error : LogEntry::Read);
        if ((i + 1) % 1000 == 0)
            QCoreApplication::processEvents(); // the list and the status bar paint
    }
    QCoreApplication::processEvents();
}

double clickMs(QCheckBox *box)
{
    QElapsedTimer t;
    t.start();
    box->click();
    QCoreApplication::processEvents();
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QFile config(QStringLiteral("config.xml"));
    config.open(QIODevice::WriteOnly);
    config.write("<Config><AppSettings workspaceDir=\"/tmp\" Language=\"pl\"/></Config>");
    config.close();

    const int entries = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 500000;
    MainWindow window;
    window.show();
    window.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(0);
    QCoreApplication::processEvents();
    QTextStream out(stdout);

    QElapsedTimer t;
    t.start();
    const double cpuBefore = cpuSeconds();
    writeEntries(window, 0, entries);
    const double cpu = cpuSeconds() - cpuBefore;
    out << QStringLiteral("%1 entries written, painted every 1000: %2 s wall, %3 s CPU; %4 us of CPU an entry"
                          " (goal: at most 2)\n")
               .arg(entries).arg(t.elapsed() / 1000.0, 0, 'f', 2).arg(cpu, 0, 'f', 2).arg(cpu * 1e6 / entries, 0, 'f', 2);

    LogModel *log = window.logModel();
    const qint64 before = ProcessMemory::residentBytes() - log->memoryUsed();
    writeEntries(window, entries, LogModel::kMaxEntries + 200000 - entries);
    out << QStringLiteral("after %1 entries: %2 kept (limit %3)\n")
               .arg(LogModel::kMaxEntries + 200000).arg(log->size()).arg(LogModel::kMaxEntries);
    out << QStringLiteral("memory an entry kept: %1 bytes held by the log, %2 bytes of the process's growth"
                          " (goal: at most 150)\n")
               .arg(double(log->memoryUsed()) / log->size(), 0, 'f', 1)
               .arg(double(ProcessMemory::residentBytes() - before) / log->size(), 0, 'f', 1);

    auto *data = window.findChild<QCheckBox *>(QStringLiteral("dataCheckBox"));
    const double hide = clickMs(data);
    out << QStringLiteral("filter click over the full log, data hidden (%1 rows left): %2 ms (goal: under 300)\n")
               .arg(log->rowCount()).arg(hide, 0, 'f', 1);
    const double show = clickMs(data);
    out << QStringLiteral("filter click over the full log, all shown (%1 rows): %2 ms\n")
               .arg(log->rowCount()).arg(show, 0, 'f', 1);
    t.restart();
    window.writeLog(QStringLiteral("one more"), LogEntry::Info);
    QCoreApplication::processEvents();
    out << QStringLiteral("one entry on the full log, painted: %1 ms\n").arg(t.nsecsElapsed() / 1e6, 0, 'f', 2);
    return 0;
}
