#pragma once

#include "historystore.h"
#include "monitoringrecord.h"

#include <QStringList>
#include <QTextStream>

// The commands of tesk-history on a project's store. Each returns the exit
// status: 0 done, 2 refused (bad arguments, an unknown point, no
// monitoring, no store), 1 a write that failed; a refusal writes nothing.
class HistoryCli
{
public:
    HistoryCli(QTextStream &out, QTextStream &err);

    int run(const QStringList &arguments);

private:
    bool openProject(const QString &folder);
    int exportCommand(const QStringList &arguments);
    int importCommand(const QStringList &arguments);
    int statsCommand();
    int alarmsCommand(const QStringList &arguments);
    int alarmReportCommand(const QStringList &arguments);
    int auditCommand(const QStringList &arguments);
    bool knownPoints(const QStringList &points);
    bool range(const QStringList &options, qint64 *fromMs, qint64 *toMs, qint64 *stepMs, QStringList *points,
               QString *user = nullptr);
    int refuse(const QString &why);

    QTextStream &m_out;
    QTextStream &m_err;
    MonitoringRecord m_record;
    HistoryStore m_store;
};
