#pragma once

#include <QObject>

class QWidget;

// Start-up benchmark: reports, once the window was painted for the first
// time, the wall time since the driver started this process (its clock
// reading is the argument after --since) and the CPU time used, then ends
// the process at once.
class StartupProbe : public QObject
{
public:
    static void watch(QWidget *window, int argc, char *argv[]);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit StartupProbe(qint64 since);
    void report();

    qint64 m_since;
    bool m_painted = false;
};
