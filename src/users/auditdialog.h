#pragma once

#include "auditquery.h"
#include "auditrecord.h"
#include "monitoringrecord.h"

#include <QDialog>

class AuditTableModel;
class QThread;

namespace Ui {
class AuditDialog;
}

// "Historia zmian": the audit trail over a chosen range, of one user or of
// all, newest first, and exported to CSV. The store is read on a thread of
// its own, on a connection of its own, while the recorder goes on writing.
class AuditDialog : public QDialog
{
    Q_OBJECT

public:
    // More rows than this are left to the export.
    static constexpr int kShownRows = 20000;

    explicit AuditDialog(QWidget *parent = nullptr);
    ~AuditDialog() override;

    // The names offered in the user filter.
    void setUsers(const QStringList &users);
    void setProject(const MonitoringRecord &record, const QString &projectDir);
    AuditQuery query() const;
    bool isWorking() const { return m_job != nullptr; }
    const AuditTableModel *model() const { return m_model; }

private slots:
    void on_showBtn_clicked();
    void on_exportBtn_clicked();
    void on_closeBtn_clicked();

private:
    void refreshEnd();
    void setWorking(bool working);
    void shown(const QVector<AuditRecord> &records, const QString &error);

    Ui::AuditDialog *ui;
    AuditTableModel *m_model;
    MonitoringRecord m_record;
    QString m_projectDir;
    QString m_lastPath;
    QThread *m_job = nullptr;
    bool m_toIsNow = true;
};
