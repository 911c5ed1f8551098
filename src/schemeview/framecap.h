#pragma once

#include <QAnimationDriver>
#include <QBasicTimer>

// Drives the animations of the GUI thread (the scenes' turning pumps and
// flickering flames, and the widgets' own) at most kFramesPerSecond times a
// second instead of sixty, and not at all while none of the program's
// windows can be seen: a minimised window gets no frames. Installed once,
// by the first scheme view.
class FrameCap : public QAnimationDriver
{
public:
    static constexpr int kFramesPerSecond = 25;

    static void ensureInstalled();
    // Whether some window of the program is shown and not minimised.
    static bool anyWindowSeen();

protected:
    void start() override;
    void stop() override;
    void timerEvent(QTimerEvent *event) override;

private:
    FrameCap();

    QBasicTimer m_timer;
};
