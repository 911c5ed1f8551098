#pragma once

#include "alarmjournalquery.h"
#include "monitoringrecord.h"

#include <QDialog>

class AlarmJournalModel;
class QThread;

namespace Ui {
class AlarmHistoryDialog;
}

// "Historia alarmów": the journal over a chosen range, filtered by point,
// priority and event, newest first, and exported to CSV. The store is read
// on a thread of its own, on a connection of its own, while the recorder
// goes on writing.
class AlarmHistoryDialog : public QDialog
{
    Q_OBJECT

public:
    // More rows than this are left to the export.
    static constexpr int kShownRows = 20000;

    explicit AlarmHistoryDialog(QWidget *parent = nullptr);
    ~AlarmHistoryDialog() override;

    void setProject(const MonitoringRecord &record, const QString &projectDir);
    AlarmJournalQuery query() const;
    bool isWorking() const { return m_job != nullptr; }
    const AlarmJournalModel *model() const { return m_model; }

private slots:
    void on_showBtn_clicked();
    void on_exportBtn_clicked();
    void on_closeBtn_clicked();

private:
    void fillPoints();
    void refreshEnd();
    void setWorking(bool working);
    void shown(const QVector<AlarmEvent> &events, const QString &error);

    Ui::AlarmHistoryDialog *ui;
    AlarmJournalModel *m_model;
    MonitoringRecord m_record;
    QString m_projectDir;
    QString m_lastPath;
    QThread *m_job = nullptr;
    bool m_toIsNow = true;
};
