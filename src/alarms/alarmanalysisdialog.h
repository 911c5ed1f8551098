#pragma once

#include "monitoringrecord.h"

#include <QDialog>

class QThread;

namespace Ui {
class AlarmAnalysisDialog;
}

// "Analiza alarmów": the alarm load of a chosen period against the targets
// of alarm management, for tuning limits and deadbands. Computed by the
// store on a thread of its own.
class AlarmAnalysisDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AlarmAnalysisDialog(QWidget *parent = nullptr);
    ~AlarmAnalysisDialog() override;

    void setProject(const MonitoringRecord &record, const QString &projectDir);
    bool isWorking() const { return m_job != nullptr; }

private slots:
    void on_computeBtn_clicked();
    void on_closeBtn_clicked();

private:
    void presetChosen(int preset);
    void setWorking(bool working);

    Ui::AlarmAnalysisDialog *ui;
    MonitoringRecord m_record;
    QString m_projectDir;
    QThread *m_job = nullptr;
};
