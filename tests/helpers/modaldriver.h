#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Acts on the next modal widget once it is up: a dialog run with exec()
// blocks the test, so the action is queued before and runs inside the
// dialog's own event loop. ran() tells the test whether it happened.
class ModalDriver : public QObject
{
    Q_OBJECT

public:
    using Action = std::function<void(QWidget *modal)>;

    explicit ModalDriver(Action action, QObject *parent = nullptr);

    bool ran() const { return m_ran; }

    // Closes every modal widget still open, so one failing test does not
    // leave a dialog blocking the next.
    static void closeAllModals();

private:
    void poll();

    Action m_action;
    bool m_ran = false;
    int m_polls = 0;
};
