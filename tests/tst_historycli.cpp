#include "historycsv.h"
#include "historystore.h"
#include "historytool.h"
#include "monitoringfile.h"
#include "tempworkdir.h"
#include "testpaths.h"

#include <QtTest>

using Quality = HistorySample::Quality;

namespace {

qint64 at(const char *iso)
{
    qint64 ms = 0;
    HistoryCsv::parseTime(QString::fromLatin1(iso), &ms);
    return ms;
}

// A monitored project folder with points a and b in the store.
QString project(const TempWorkDir &dir, const QString &name, const QVector<HistorySample> &samples,
                const QVector<AlarmEvent> &alarms = {}, const QVector<AuditRecord> &audit = {})
{
    const QString folder = dir.filePath(name) + QLatin1Char('/');
    QDir().mkpath(folder);
    MonitoringRecord record;
    record.points = {{"a", "K", "a", "temp", "", "", "change", 0, 0}, {"b", "K", "b", "logic", "", "", "change", 0, 0}};
    MonitoringFile::write(folder + MonitoringFile::fileName(), record);
    HistoryStore store;
    QString error;
    if (!store.open(record.store, folder, record.retentionDays, record.rollupDays, &error)
        || !store.write(samples, &error) || !store.writeAlarms(alarms, {}, &error) || !store.appendAudit(audit, &error))
        qWarning() << error;
    return folder;
}

} // namespace

class TestHistoryCli : public QObject
{
    Q_OBJECT

private slots:
    void csvFields()
    {
        QList<QStringList> records;
        int bad = 0;
        QVERIFY(HistoryCsv::parseRecords("x,\"a,b\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",,\n\n", &records, &bad));
        QCOMPARE(records, (QList<QStringList>{{"x", "a,b", "say \"hi\""}, {"two\nlines", "", ""}}));
        QVERIFY(!HistoryCsv::parseRecords("a,b\nc,\"open\n", &records, &bad));
        QCOMPARE(bad, 2);
        HistorySample s{"p,q", 0, 1.5, Quality::Good};
        QCOMPARE(HistoryCsv::sampleRow(s), QStringLiteral("1970-01-01T00:00:00.000Z,\"p,q\",1.5,good\n"));
    }

    void exportAndStats()
    {
        TempWorkDir dir;
        const QString folder = project(dir, "p", m_samples);
        HistoryToolRun r = runHistoryTool({folder, "export"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QByteArray("time,point,value,quality\n"
                                   "2026-12-06T23:59:59.500Z,a,20.5,good\n"
                                   "2026-12-07T00:00:01.000Z,a,21,good\n"
                                   "2026-12-07T00:00:11.000Z,a,,noanswer\n"
                                   "2026-12-07T00:00:21.123Z,a,25.5,error\n"
                                   "2026-12-07T00:00:05.000Z,b,1,good\n"
                                   "2026-12-07T00:00:15.000Z,b,,missing\n"));
        // A date alone is its midnight; the end is not included.
        r = runHistoryTool({folder, "export", "a", "--from", "2026-12-07", "--to", "2026-12-07T00:00:21.123Z"});
        QCOMPARE(r.out, QByteArray("time,point,value,quality\n2026-12-07T00:00:01.000Z,a,21,good\n"
                                   "2026-12-07T00:00:11.000Z,a,,noanswer\n"));
        // Steps of ten seconds: only those with good values (an error's is not one).
        r = runHistoryTool({folder, "export", "a", "--from", "2026-12-06T23:59:50Z", "--to", "2026-12-07T00:00:30Z", "--step", "10"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QByteArray("time,point,min,max,avg,count\n"
                                   "2026-12-06T23:59:50.000Z,a,20.5,20.5,20.5,1\n"
                                   "2026-12-07T00:00:00.000Z,a,21,21,21,1\n"));
        r = runHistoryTool({folder, "stats"});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.startsWith("points: 2\nsamples: 6\nfirst: 2026-12-06T23:59:59.500Z\nlast: 2026-12-07T00:00:21.123Z\n"
                                  "bytes on disk: "),
                 r.out.constData());
    }

    void alarmsAndReport()
    {
        using Event = AlarmEvent::Event;
        TempWorkDir dir;
        const QVector<AlarmEvent> alarms{
            {at("2026-12-07T00:00:01Z"), "a", "high", 2, Event::Raised, 91.5, {}, {}, "Boiler, too hot"},
            {at("2026-12-07T00:00:02.5Z"), "KOT", "comm", 1, Event::Raised, qQNaN(), {}, {}, "No link"},
            {at("2026-12-07T00:05:00Z"), "a", "high", 2, Event::Acknowledged, 90, "jan", "seen \"it\",\ngoing", "Boiler, too hot"}};
        const QString folder = project(dir, "p", {}, alarms);
        HistoryToolRun r = runHistoryTool({folder, "alarms"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QByteArray("time,point,kind,priority,event,value,user,comment,text\n"
                                   "2026-12-07T00:00:01.000Z,a,high,2,raised,91.5,,,\"Boiler, too hot\"\n"
                                   "2026-12-07T00:00:02.500Z,KOT,comm,1,raised,,,,No link\n"
                                   "2026-12-07T00:05:00.000Z,a,high,2,acknowledged,90,jan,\"seen \"\"it\"\",\ngoing\","
                                   "\"Boiler, too hot\"\n"));
        r = runHistoryTool({folder, "alarms", "--from", "2026-12-07T00:00:02Z", "--to", "2026-12-07T00:05:00Z"});
        QCOMPARE(r.out, QByteArray("time,point,kind,priority,event,value,user,comment,text\n"
                                   "2026-12-07T00:00:02.500Z,KOT,comm,1,raised,,,,No link\n"));
        r = runHistoryTool({folder, "alarm-report", "--from", "2026-12-06T23:55Z", "--to", "2026-12-07T01:00Z"});
        QCOMPARE(r.status, 0);
        for (const char *line : {"Alarm report from 2026-12-06T23:55:00.000Z to 2026-12-07T01:00:00.000Z\n",
                                 "  alarms raised                  2\n", "  10-minute periods              7\n",
                                 "  average per 10 minutes         0.29\n",
                                 "  peak in 10 minutes             2 from 2026-12-07T00:00:00.000Z\n",
                                 "  periods in flood (10 or more)  0 (0.0 %)\n",
                                 "  high (1 and 2)       2  100.0 %     5 %\n", "      1  KOT    comm  No link\n"})
            QVERIFY2(r.out.contains(line), r.out.constData());
    }

    // The rows of a range, of a user, or both, oldest first; a detail with a
    // comma, quotes and a line break reads back as it was.
    void audit()
    {
        using Action = AuditRecord::Action;
        TempWorkDir dir;
        const QVector<AuditRecord> audit{
            {at("2026-12-07T06:00:00Z"), "jan", "stacja-1", Action::Login, {}, {}, {}, {}, {}, {}},
            {at("2026-12-07T06:01:02.345Z"), "jan", "stacja-1", Action::WriteChanged, "KOT", "kot1.t_zad", "55.0",
             "95.0", "80.0", "ograniczone do 80, \"max\"\nsterownika"},
            {at("2026-12-07T06:01:02.345Z"),
             "jan",
             "stacja-1",
             Action::WriteRefused,
             "KOT",
             "kot.pompa",
             "0",
             "1",
             {},
             {}},
            {at("2026-12-07T07:00:00Z"),
             QStringLiteral("łucja"),
             "stacja-2",
             Action::LoginFailed,
             {},
             {},
             {},
             {},
             {},
             QStringLiteral("błędne hasło")}};
        const QString folder = project(dir, "p", {}, {}, audit);
        const QByteArray header = "time,user,station,action,controller,variable,before,sent,confirmed,detail\n";
        const QByteArray rows[]
            = {"2026-12-07T06:00:00.000Z,jan,stacja-1,login,,,,,,\n",
               "2026-12-07T06:01:02.345Z,jan,stacja-1,write-changed,KOT,kot1.t_zad,55.0,95.0,80.0,"
               "\"ograniczone do 80, \"\"max\"\"\nsterownika\"\n",
               "2026-12-07T06:01:02.345Z,jan,stacja-1,write-refused,KOT,kot.pompa,0,1,,\n",
               QStringLiteral("2026-12-07T07:00:00.000Z,łucja,stacja-2,login-failed,,,,,,błędne hasło\n").toUtf8()};
        HistoryToolRun r = runHistoryTool({folder, "audit"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, header + rows[0] + rows[1] + rows[2] + rows[3]);
        QList<QStringList> records;
        int bad = 0;
        QVERIFY(HistoryCsv::parseRecords(QString::fromUtf8(r.out), &records, &bad));
        QCOMPARE(records.at(2).last(), audit.at(1).detail);
        QCOMPARE(runHistoryTool({folder, "audit", "--user", "jan", "--from", "2026-12-07T06:01:02.345Z"}).out,
                 header + rows[1] + rows[2]);
        QCOMPARE(runHistoryTool({folder, "audit", "--to", "2026-12-07T06:01:02.345Z"}).out, header + rows[0]);
        QCOMPARE(runHistoryTool({folder, "audit", "--user", QStringLiteral("łucja"), "--to", "2026-12-08"}).out,
                 header + rows[3]);
        QCOMPARE(runHistoryTool({folder, "audit", "--user", "Jan"}).out, header);
    }

    void importRoundTrip()
    {
        TempWorkDir dir;
        const QString from = project(dir, "from", m_samples);
        const QString to = project(dir, "to", {});
        const QByteArray exported = runHistoryTool({from, "export"}).out;
        dir.write("export.csv", exported);
        const HistoryToolRun r = runHistoryTool({to, "import", dir.filePath("export.csv")});
        QCOMPARE(r.status, 0);
        QCOMPARE(runHistoryTool({to, "export"}).out, exported);
        QCOMPARE(runHistoryTool({to, "export", "--step", "60"}).out, runHistoryTool({from, "export", "--step", "60"}).out);
    }

    // Each refused with a message and status 2, and nothing written.
    void refusals()
    {
        TempWorkDir dir;
        const QString folder = project(dir, "p", {});
        dir.write("bad.csv", "time,point,value,quality\n2026-12-07T00:00:01Z,a,21,good\n2026-12-07,a,x,good\n");
        dir.write("stranger.csv", "time,point,value,quality\n2026-12-07T00:00:01Z,zzz,21,good\n");
        QDir().mkpath(dir.filePath("plain"));
        const QList<QStringList> cases = {{folder, "export", "zzz"},
                                          {folder, "export", "--from", "yesterday"},
                                          {folder, "export", "--step", "0"},
                                          {folder, "export", "--from", "2026-12-08", "--to", "2026-12-07"},
                                          {folder, "import", dir.filePath("bad.csv")},
                                          {folder, "import", dir.filePath("stranger.csv")},
                                          {folder, "import", dir.filePath("none.csv")},
                                          {folder, "vacuum"},
                                          {folder, "alarms", "a"},
                                          {folder, "alarm-report", "--step", "10"},
                                          {folder, "audit", "--user"},
                                          {folder, "audit", "--user", ""},
                                          {folder, "audit", "jan"},
                                          {folder, "audit", "--from", "2026-12-08", "--to", "2026-12-07"},
                                          {dir.filePath("plain"), "stats"},
                                          {folder}};
        for (const QStringList &c : cases) {
            const HistoryToolRun r = runHistoryTool(c);
            QVERIFY2(r.status == 2 && r.out.isEmpty() && r.err.startsWith(c.size() > 1 ? "tesk-history: " : "usage: "),
                     qPrintable(c.join(' ') + ": " + r.err));
        }
        QVERIFY(runHistoryTool({folder, "stats"}).out.contains("samples: 0\n"));
        QVERIFY(!QFile::exists(dir.filePath("plain/history.sqlite")));
    }

private:
    const QVector<HistorySample> m_samples = {
        {"a", at("2026-12-06T23:59:59.500Z"), 20.5, Quality::Good}, {"a", at("2026-12-07T00:00:01.000Z"), 21, Quality::Good},
        {"a", at("2026-12-07T00:00:11.000Z"), 0, Quality::NoAnswer}, {"a", at("2026-12-07T00:00:21.123Z"), 25.5, Quality::Error},
        {"b", at("2026-12-07T00:00:05.000Z"), 1, Quality::Good}, {"b", at("2026-12-07T00:00:15.000Z"), 0, Quality::Missing}};
};

QTEST_GUILESS_MAIN(TestHistoryCli)
#include "tst_historycli.moc"
