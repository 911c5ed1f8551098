#pragma once

#include "historyexport.h"
#include "monitoringrecord.h"

#include <QDialog>

class QThread;

namespace Ui {
class HistoryExportDialog;
}

// Exports chosen points of the project's history over a chosen range to a
// CSV file, as tesk-history export does. The export runs on a thread of
// its own with its own connection to the store; the window stays usable,
// may be closed meanwhile, and says how it ended.
class HistoryExportDialog : public QDialog
{
    Q_OBJECT

public:
    explicit HistoryExportDialog(QWidget *parent = nullptr);
    ~HistoryExportDialog() override;

    // Every point checked, the last 24 hours; left as it is while an export
    // runs.
    void setProject(const MonitoringRecord &record, const QString &projectDir);
    HistoryExportRange range() const;
    bool isWorking() const { return m_job != nullptr; }

signals:
    // How an export ended, in a sentence for the log.
    void exportEnded(const QString &text, bool written);

private slots:
    void on_allBtn_clicked();
    void on_noneBtn_clicked();
    void on_exportBtn_clicked();
    void on_closeBtn_clicked();

private:
    void checkAll(bool checked);
    void start(const HistoryExportRange &range, const QString &path);
    void ended(const HistoryExport::Written &written, const QString &path);
    void setWorking(bool working);

    Ui::HistoryExportDialog *ui;
    MonitoringRecord m_record;
    QString m_projectDir;
    QString m_lastPath;
    QThread *m_job = nullptr;
    bool m_toIsNow = true; // the end of the range not edited since it was offered
};
