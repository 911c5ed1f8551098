#include "historycli.h"

#include "alarmreporttext.h"
#include "historycsv.h"
#include "historyexport.h"
#include "monitoringfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <limits>

namespace {

const char kUsage[] = "usage: tesk-history PROJECT_DIR export [POINT...] [--from TIME] [--to TIME] [--step SECONDS]\n"
                      "       tesk-history PROJECT_DIR import FILE.csv\n"
                      "       tesk-history PROJECT_DIR stats\n"
                      "       tesk-history PROJECT_DIR alarms [--from TIME] [--to TIME]\n"
                      "       tesk-history PROJECT_DIR alarm-report [--from TIME] [--to TIME]\n"
                      "       tesk-history PROJECT_DIR audit [--from TIME] [--to TIME] [--user NAME]\n";

const qint64 kReportDays = 30;

} // namespace

HistoryCli::HistoryCli(QTextStream &out, QTextStream &err)
    : m_out(out)
    , m_err(err)
{
}

int HistoryCli::run(const QStringList &arguments)
{
    if (arguments.size() < 2)
        return refuse(QString());
    const QString command = arguments.at(1);
    static const QStringList commands{QStringLiteral("export"),       QStringLiteral("import"),
                                      QStringLiteral("stats"),        QStringLiteral("alarms"),
                                      QStringLiteral("alarm-report"), QStringLiteral("audit")};
    if (!commands.contains(command))
        return refuse(QStringLiteral("unknown command: ") + command);
    if (!openProject(arguments.at(0)))
        return 2;
    if (command == QLatin1String("export"))
        return exportCommand(arguments.mid(2));
    if (command == QLatin1String("import"))
        return importCommand(arguments.mid(2));
    if (command == QLatin1String("alarms"))
        return alarmsCommand(arguments.mid(2));
    if (command == QLatin1String("alarm-report"))
        return alarmReportCommand(arguments.mid(2));
    if (command == QLatin1String("audit"))
        return auditCommand(arguments.mid(2));
    return arguments.size() == 2 ? statsCommand() : refuse(QStringLiteral("stats takes no arguments"));
}

int HistoryCli::refuse(const QString &why)
{
    if (!why.isEmpty())
        m_err << "tesk-history: " << why << '\n';
    m_err << kUsage;
    return 2;
}

bool HistoryCli::openProject(const QString &folder)
{
    const QString dir = QDir(folder).absolutePath() + QLatin1Char('/');
    XmlRead::Status status;
    m_record = MonitoringFile::read(dir + MonitoringFile::fileName(), &status);
    if (status != XmlRead::Status::Read) {
        m_err << "tesk-history: " << QDir::toNativeSeparators(dir + MonitoringFile::fileName())
              << (status == XmlRead::Status::Missing ? ": the project has no monitoring\n" : ": unreadable\n");
        return false;
    }
    QString error;
    if (!m_store.open(m_record.store, dir, m_record.retentionDays, m_record.rollupDays, &error)) {
        m_err << "tesk-history: the store cannot be opened: " << error << '\n';
        return false;
    }
    if (!m_store.lastWarning().isEmpty())
        m_err << "tesk-history: " << m_store.lastWarning() << '\n';
    return true;
}

bool HistoryCli::knownPoints(const QStringList &points)
{
    for (const QString &id : points) {
        const bool known = std::any_of(m_record.points.cbegin(), m_record.points.cend(),
                                       [&id](const MonitoringPoint &p) { return p.id == id; });
        if (!known) {
            m_err << "tesk-history: unknown point: " << id << '\n';
            return false;
        }
    }
    return true;
}

// Points, and the options of a range; every point of the project when none
// is named. A command without points, steps or a user passes null for them.
bool HistoryCli::range(const QStringList &options, qint64 *fromMs, qint64 *toMs, qint64 *stepMs, QStringList *points,
                       QString *user)
{
    for (int i = 0; i < options.size(); ++i) {
        const QString &o = options.at(i);
        if (!o.startsWith(QLatin1String("--")) && !points) {
            refuse(QStringLiteral("unexpected argument: ") + o);
            return false;
        }
        if (!o.startsWith(QLatin1String("--"))) {
            *points << o;
            continue;
        }
        if (i + 1 >= options.size()) {
            refuse(o + QStringLiteral(" needs a value"));
            return false;
        }
        const QString value = options.at(++i);
        bool ok = false;
        if (o == QLatin1String("--from"))
            ok = HistoryCsv::parseTime(value, fromMs);
        else if (o == QLatin1String("--to"))
            ok = HistoryCsv::parseTime(value, toMs);
        else if (o == QLatin1String("--step") && stepMs)
            *stepMs = qint64(value.toDouble(&ok) * 1000), ok = ok && *stepMs > 0;
        else if (o == QLatin1String("--user") && user)
            *user = value, ok = !value.isEmpty();
        if (!ok) {
            refuse(QStringLiteral("bad value of ") + o + QStringLiteral(": ") + value);
            return false;
        }
    }
    if (*fromMs >= *toMs) {
        refuse(QStringLiteral("--from must come before --to"));
        return false;
    }
    if (!points)
        return true;
    if (points->isEmpty()) {
        for (const MonitoringPoint &p : qAsConst(m_record.points))
            *points << p.id;
    }
    return knownPoints(*points);
}

int HistoryCli::exportCommand(const QStringList &arguments)
{
    HistoryExportRange range;
    range.toMs = QDateTime::currentMSecsSinceEpoch() + 1;
    if (!this->range(arguments, &range.fromMs, &range.toMs, &range.stepMs, &range.points))
        return 2;
    const HistoryExport::Csv exported = HistoryExport::csv(m_store, range);
    if (exported.failure == HistoryExport::Failure::StoreUnreadable)
        return refuse(QStringLiteral("the store cannot be read: ") + exported.detail);
    if (exported.failure == HistoryExport::Failure::TooManySteps)
        return refuse(QStringLiteral("too many steps: %1 (at most %2)").arg(exported.detail).arg(HistoryExport::kMaxSteps));
    m_out << exported.text;
    return 0;
}

// The whole file is read and checked before anything is written: one
// transaction, all of it or nothing.
int HistoryCli::importCommand(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return refuse(QStringLiteral("import takes one file"));
    QFile file(arguments.first());
    if (!file.open(QIODevice::ReadOnly))
        return refuse(arguments.first() + QStringLiteral(": ") + file.errorString());
    QList<QStringList> records;
    int badLine = 0;
    if (!HistoryCsv::parseRecords(QString::fromUtf8(file.readAll()), &records, &badLine))
        return refuse(QStringLiteral("line %1: a quoted field is not closed").arg(badLine));
    if (records.isEmpty() || records.first().join(QLatin1Char(',')) + QLatin1Char('\n') != HistoryCsv::sampleHeader())
        return refuse(QStringLiteral("the first line must be: ") + HistoryCsv::sampleHeader().trimmed());
    QVector<HistorySample> samples;
    QStringList points;
    for (int i = 1; i < records.size(); ++i) {
        HistorySample s;
        QString why;
        if (!HistoryCsv::parseSample(records.at(i), &s, &why))
            return refuse(QStringLiteral("record %1: ").arg(i + 1) + why);
        samples << s;
        if (!points.contains(s.point))
            points << s.point;
    }
    if (!knownPoints(points))
        return 2;
    QString error;
    if (!m_store.importSamples(samples, &error)) {
        m_err << "tesk-history: nothing imported: " << error << '\n';
        return 1;
    }
    m_err << "tesk-history: imported " << samples.size() << " samples\n";
    return 0;
}

int HistoryCli::statsCommand()
{
    HistoryStats stats;
    QString error;
    if (!m_store.stats(&stats, &error))
        return refuse(QStringLiteral("the store cannot be read: ") + error);
    m_out << "points: " << stats.points << '\n' << "samples: " << stats.samples << '\n';
    m_out << "first: " << (stats.samples ? HistoryCsv::timeText(stats.firstMs) : QStringLiteral("-")) << '\n';
    m_out << "last: " << (stats.samples ? HistoryCsv::timeText(stats.lastMs) : QStringLiteral("-")) << '\n';
    m_out << "bytes on disk: " << stats.bytes << '\n';
    return 0;
}

int HistoryCli::alarmsCommand(const QStringList &arguments)
{
    AlarmJournalQuery query;
    if (!range(arguments, &query.fromMs, &query.toMs, nullptr, nullptr))
        return 2;
    QVector<AlarmEvent> events;
    QString error;
    if (!m_store.journal(query, &events, &error))
        return refuse(QStringLiteral("the store cannot be read: ") + error);
    m_out << HistoryCsv::alarmHeader();
    for (const AlarmEvent &e : qAsConst(events))
        m_out << HistoryCsv::alarmRow(e);
    return 0;
}

int HistoryCli::alarmReportCommand(const QStringList &arguments)
{
    // Without --from, the days before --to (or now).
    const qint64 unset = std::numeric_limits<qint64>::min();
    qint64 toMs = QDateTime::currentMSecsSinceEpoch() + 1;
    qint64 fromMs = unset;
    if (!range(arguments, &fromMs, &toMs, nullptr, nullptr))
        return 2;
    if (fromMs == unset)
        fromMs = toMs - kReportDays * 24 * 3600 * 1000;
    AlarmReport report;
    QString error;
    if (!m_store.alarmReport(fromMs, toMs, &report, &error))
        return refuse(QStringLiteral("the store cannot be read: ") + error);
    m_out << AlarmReportText::format(report);
    return 0;
}

int HistoryCli::auditCommand(const QStringList &arguments)
{
    AuditQuery query;
    if (!range(arguments, &query.fromMs, &query.toMs, nullptr, nullptr, &query.user))
        return 2;
    QVector<AuditRecord> records;
    QString error;
    if (!m_store.audit(query, &records, &error))
        return refuse(QStringLiteral("the store cannot be read: ") + error);
    m_out << HistoryCsv::auditHeader();
    for (const AuditRecord &r : qAsConst(records))
        m_out << HistoryCsv::auditRow(r);
    return 0;
}
