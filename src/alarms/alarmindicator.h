#pragma once

#include <QToolButton>

class AlarmCenter;

// Always on the status bar: how many alarms wait for acknowledgement and
// how many are active, in the colour of the most urgent. A click asks for
// the alarm tab.
class AlarmIndicator : public QToolButton
{
    Q_OBJECT

public:
    explicit AlarmIndicator(AlarmCenter *center, QWidget *parent = nullptr);

private:
    void update();

    AlarmCenter *m_center;
};
