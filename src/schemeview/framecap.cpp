#include "framecap.h"

#include <QGuiApplication>
#include <QTimerEvent>
#include <QWindow>

#include <algorithm>

FrameCap::FrameCap() = default;

// The driver lives as long as the process: uninstalling it while the
// application goes down would start Qt's own driver on a dying thread.
void FrameCap::ensureInstalled()
{
    static FrameCap *driver = nullptr;
    if (driver)
        return;
    driver = new FrameCap;
    driver->install();
}

bool FrameCap::anyWindowSeen()
{
    const QWindowList windows = QGuiApplication::topLevelWindows();
    return std::any_of(windows.cbegin(), windows.cend(), [](const QWindow *w) {
        return w->isVisible() && w->visibility() != QWindow::Minimized;
    });
}

void FrameCap::start()
{
    QAnimationDriver::start();
    m_timer.start(1000 / kFramesPerSecond, Qt::PreciseTimer, this);
}

void FrameCap::stop()
{
    m_timer.stop();
    QAnimationDriver::stop();
}

// Animations keep their pace by the clock: after a minimised spell a pump
// stands where it would have turned to.
void FrameCap::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer.timerId())
        return QAnimationDriver::timerEvent(event);
    if (anyWindowSeen())
        advance();
}
