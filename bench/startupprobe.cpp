#include "startupprobe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace {

qint64 monotonicNs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

double cpuMs()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

} // namespace

StartupProbe::StartupProbe(qint64 since)
    : m_since(since)
{
}

void StartupProbe::watch(QWidget *window, int argc, char *argv[])
{
    qint64 since = monotonicNs();
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--since") == 0)
            since = QByteArray(argv[i + 1]).toLongLong();
    }
    window->installEventFilter(new StartupProbe(since));
}

bool StartupProbe::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        // What was painted reaches the screen when the event is done.
        QTimer::singleShot(0, this, &StartupProbe::report);
    }
    return false;
}

void StartupProbe::report()
{
    std::printf("%.2f %.2f\n", (monotonicNs() - m_since) / 1e6, cpuMs());
    std::fflush(stdout);
    _exit(0);
}
