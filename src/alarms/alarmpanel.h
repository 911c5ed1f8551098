#pragma once

#include <QWidget>

class AlarmCenter;

namespace Ui {
class AlarmPanel;
}

// The alarm tab: the alarms not in normal, filtered by priority and text,
// and the operator's actions on them.
class AlarmPanel : public QWidget
{
    Q_OBJECT

public:
    explicit AlarmPanel(AlarmCenter *center, QWidget *parent = nullptr);
    ~AlarmPanel() override;

signals:
    void historyAsked();
    // The trend of an alarm's point around the time it was raised.
    void trendAsked(const QString &point, qint64 raisedMs);
    void analysisAsked();

private:
    QVector<int> selectedAlarms() const;
    QString namesOf(const QVector<int> &alarms) const;
    void applyFilter();
    void askTrend();
    void acknowledge(const QVector<int> &alarms);
    void shelve();
    void takeOutOfService();
    void updateButtons();

    Ui::AlarmPanel *ui;
    AlarmCenter *m_center;
};
