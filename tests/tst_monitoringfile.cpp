#include "monitoringcheck.h"
#include "monitoringfile.h"
#include "project.h"
#include "tempworkdir.h"
#include "testpaths.h"

#include <QtTest>

namespace {

const QByteArray kFile = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<!DOCTYPE monitoring>\n"
                         "<Monitoring interval=\"10\" retentionDays=\"400\" rollupDays=\"3650\">\n"
                         " <Store driver=\"sqlite\" path=\"history.sqlite\"/>\n"
                         " <Point id=\"k1_zas\" device=\"Kocioł 1\" devVar=\"kot1.t_zas\" type=\"temp\" "
                         "description=\"Kocioł 1, zasilanie\" unit=\"°C\" record=\"change\" deadband=\"0.2\" maxGap=\"600\"/>\n"
                         " <Point id=\"k1_pompa\" device=\"Kocioł 1\" devVar=\"kot1.pompa\" type=\"logic\" "
                         "description=\"Pompa kotłowa\" unit=\"\" record=\"interval\" deadband=\"0\" maxGap=\"0\"/>\n"
                         "</Monitoring>\n";

MonitoringRecord sample()
{
    MonitoringRecord r;
    r.points = {{"k1_zas", "Kocioł 1", "kot1.t_zas", "temp", "Kocioł 1, zasilanie", "°C", "change", 0.2, 600},
                {"k1_pompa", "Kocioł 1", "kot1.pompa", "logic", "Pompa kotłowa", "", "interval", 0, 0}};
    return r;
}

} // namespace

class TestMonitoringFile : public QObject
{
    Q_OBJECT

private slots:
    void byteExactRoundTrip()
    {
        TempWorkDir dir;
        const QString path = dir.filePath(MonitoringFile::fileName());
        QCOMPARE(MonitoringFile::write(path, sample()), QString());
        QCOMPARE(dir.read(MonitoringFile::fileName()), kFile);
        XmlRead::Status status;
        QCOMPARE(MonitoringFile::read(path, &status), sample());
        QCOMPARE(int(status), int(XmlRead::Status::Read));

        // A PostgreSQL store names its server, never a password nor a path.
        MonitoringRecord pg = sample();
        pg.store = {"postgresql", "history.sqlite", "10.0.0.5", "5432", "tesk", "rejestrator"};
        pg.points.clear();
        QCOMPARE(MonitoringFile::write(path, pg), QString());
        QVERIFY(dir.read(MonitoringFile::fileName())
                    .contains(" <Store driver=\"postgresql\" host=\"10.0.0.5\" port=\"5432\" database=\"tesk\" user=\"rejestrator\"/>\n"));
        QCOMPARE(MonitoringFile::read(path), pg);

        // The demo's file is one this program writes byte for byte.
        const QString demo = TestPaths::sourceDir() + QStringLiteral("/examples/demo/project/") + MonitoringFile::fileName();
        QCOMPARE(MonitoringFile::write(path, MonitoringFile::read(demo)), QString());
        QFile original(demo);
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(dir.read(MonitoringFile::fileName()), original.readAll());
    }

    // Alarms of every kind are read and written back; one the program cannot
    // use (an unknown kind, a limit that is not a number, a second of a
    // kind) stays as it stands, and an alarm's unknown attributes stay.
    void alarmsRoundTrip()
    {
        TempWorkDir dir;
        const QString path = dir.filePath(MonitoringFile::fileName());
        QByteArray withAlarms = kFile;
        withAlarms.replace("rollupDays=\"3650\">", "rollupDays=\"3650\" commAlarmDelay=\"45\">");
        withAlarms.replace("maxGap=\"600\"/>", "maxGap=\"600\">\n"
            "  <Alarm kind=\"highhigh\" limit=\"95\" deadband=\"1\" onDelay=\"0\" offDelay=\"0\" priority=\"1\" text=\"Krytyczna\"/>\n"
            "  <Alarm kind=\"high\" limit=\"85.5\" deadband=\"2\" onDelay=\"30\" offDelay=\"10\" priority=\"2\" text=\"Przegrzanie\" colour=\"red\"/>\n"
            "  <Alarm kind=\"error\" onDelay=\"5\" offDelay=\"0\" priority=\"3\" text=\"Czujnik\"/>\n"
            "  <Alarm kind=\"flood\" limit=\"1\"/>\n"
            "  <Alarm kind=\"low\" limit=\"zimno\"/>\n"
            "  <Alarm kind=\"high\" limit=\"70\"/>\n"
            " </Point>");
        dir.write(MonitoringFile::fileName(), withAlarms);
        const MonitoringRecord r = MonitoringFile::read(path);
        QCOMPARE(r.commAlarmDelay, 45);
        QCOMPARE(r.maxShelveHours, 8);
        const QList<AlarmDefinition> &alarms = r.points.at(0).alarms;
        QCOMPARE(alarms.size(), 3);
        QCOMPARE(alarms.at(1).limit, 85.5);
        QCOMPARE(alarms.at(1).onDelay, 30);
        QCOMPARE(alarms.at(2).kind, QStringLiteral("error"));
        QCOMPARE(MonitoringFile::write(path, r), QString());
        QCOMPARE(dir.read(MonitoringFile::fileName()), withAlarms);

        MonitoringRecord changed = r;
        changed.points[0].alarms[1].limit = 88;
        changed.points[0].alarms.removeAt(0);
        QCOMPARE(MonitoringFile::write(path, changed), QString());
        const QByteArray saved = dir.read(MonitoringFile::fileName());
        QVERIFY(saved.contains("<Alarm kind=\"high\" limit=\"88\" deadband=\"2\" onDelay=\"30\" offDelay=\"10\" priority=\"2\" text=\"Przegrzanie\" colour=\"red\"/>"));
        QVERIFY(!saved.contains("highhigh"));
        QVERIFY(saved.contains("<Alarm kind=\"flood\" limit=\"1\"/>"));
        QVERIFY(saved.contains("<Alarm kind=\"low\" limit=\"zimno\"/>"));
        QCOMPARE(MonitoringFile::read(path), changed);
    }

    // A later version's file: what this program does not know stays, with the
    // point it belongs to; a point removed takes its own along.
    void unknownPartsSurviveASave()
    {
        TempWorkDir dir;
        const QString path = dir.filePath(MonitoringFile::fileName());
        QByteArray later = kFile;
        later.replace("rollupDays=\"3650\">", "rollupDays=\"3650\" commAlarmDelay=\"60\">\n <View name=\"Kocioł\"><Pane point=\"k1_zas\"/></View>");
        later.replace("maxGap=\"600\"/>", "maxGap=\"600\" precision=\"2\">\n  <Note text=\"serwis\"/>\n </Point>");
        later.replace("path=\"history.sqlite\"/>", "path=\"history.sqlite\" cache=\"64\"/>");
        dir.write(MonitoringFile::fileName(), later);
        MonitoringRecord r = MonitoringFile::read(path);
        QCOMPARE(r, sample());
        r.points[0].deadband = 0.5;
        QCOMPARE(MonitoringFile::write(path, r), QString());
        const QByteArray saved = dir.read(MonitoringFile::fileName());
        for (const char *kept : {"commAlarmDelay=\"60\"", "<Pane point=\"k1_zas\"/>", "cache=\"64\"",
                                 "deadband=\"0.5\" maxGap=\"600\" precision=\"2\">\n  <Note text=\"serwis\"/>\n </Point>"})
            QVERIFY2(saved.contains(kept), kept);
        r.points.removeFirst();
        QCOMPARE(MonitoringFile::write(path, r), QString());
        QVERIFY(!dir.read(MonitoringFile::fileName()).contains("<Alarm"));
        QVERIFY(dir.read(MonitoringFile::fileName()).contains("<Pane point=\"k1_zas\"/>"));
    }

    // Trends follow the points; a pen's drawing is written only where it
    // differs from the default, or where the file had it.
    void trendsRoundTrip()
    {
        TempWorkDir dir;
        const QString path = dir.filePath(MonitoringFile::fileName());
        MonitoringRecord r = sample();
        r.trends = {{"Kocioł", {{"k1_zas", "#c03020", 2, "dash"}, {"k1_pompa", "", 1.5, "solid"}}}, {"Pusty", {}}};
        QCOMPARE(MonitoringFile::write(path, r), QString());
        QByteArray expected = kFile;
        expected.replace("</Monitoring>\n", " <Trend name=\"Kocioł\">\n"
                                             "  <Pen point=\"k1_zas\" colour=\"#c03020\" width=\"2\" style=\"dash\"/>\n"
                                             "  <Pen point=\"k1_pompa\"/>\n"
                                             " </Trend>\n <Trend name=\"Pusty\"/>\n</Monitoring>\n");
        QCOMPARE(dir.read(MonitoringFile::fileName()), expected);
        QCOMPARE(MonitoringFile::read(path), r);

        // Drawing written at the default by hand stays so; changed, it is
        // written as the record has it.
        QByteArray explicitDefaults = expected;
        explicitDefaults.replace("<Pen point=\"k1_pompa\"/>", "<Pen point=\"k1_pompa\" width=\"1.5\" style=\"solid\"/>");
        dir.write(MonitoringFile::fileName(), explicitDefaults);
        QCOMPARE(MonitoringFile::read(path), r);
        QCOMPARE(MonitoringFile::write(path, r), QString());
        QCOMPARE(dir.read(MonitoringFile::fileName()), explicitDefaults);
        r.trends[0].pens[0] = {"k1_zas", "", 1.5, "solid"};
        QCOMPARE(MonitoringFile::write(path, r), QString());
        QVERIFY(dir.read(MonitoringFile::fileName()).contains("  <Pen point=\"k1_zas\"/>\n"));
    }

    // A hand-edited file: a trend without a name or with a name used before,
    // a pen without a point, of a point already drawn or past the 16th are
    // not read and stay as they stand; a drawing attribute that does not
    // read leaves the pen at its default, and stays as written.
    void badTrendsAreKept()
    {
        TempWorkDir dir;
        const QString path = dir.filePath(MonitoringFile::fileName());
        QByteArray pens;
        for (int i = 0; i < 17; ++i)
            pens += "  <Pen point=\"p" + QByteArray::number(i) + "\"/>\n";
        QByteArray file = kFile;
        file.replace("</Monitoring>\n",
                     " <Trend name=\"A\" owner=\"ja\">\n"
                     "  <Pen point=\"k1_zas\" colour=\"red\" width=\"gruba\" style=\"dashdot\"/>\n"
                     "  <Pen point=\"k9\" colour=\"#00FF00\" width=\"0\"/>\n"
                     "  <Pen point=\"\" colour=\"#000000\"/>\n"
                     "  <Pen point=\"k1_zas\" style=\"dot\"/>\n"
                     "  <Axis min=\"0\"/>\n"
                     " </Trend>\n"
                     " <Trend name=\"Wiele\">\n" + pens + " </Trend>\n"
                     " <Trend name=\" \">\n  <Pen point=\"k1_zas\"/>\n </Trend>\n"
                     " <Trend name=\"A\">\n  <Pen point=\"k1_pompa\"/>\n </Trend>\n"
                     "</Monitoring>\n");
        dir.write(MonitoringFile::fileName(), file);
        const MonitoringRecord r = MonitoringFile::read(path);
        QCOMPARE(r.points, sample().points);
        QCOMPARE(r.trends.size(), 2);
        QCOMPARE(r.trends.at(0).pens, (QList<TrendPenRecord>{{"k1_zas", "", 1.5, "solid"}, {"k9", "#00FF00", 1.5, "solid"}}));
        QCOMPARE(r.trends.at(1).pens.size(), TrendSetRecord::kMaxPens);
        QCOMPARE(r.trends.at(1).pens.last().point, QStringLiteral("p15"));
        QCOMPARE(MonitoringCheck::unmonitoredPens(r).first(), QStringLiteral("A: k9"));
        QCOMPARE(MonitoringCheck::unmonitoredPens(r).size(), 17);
        QCOMPARE(MonitoringFile::write(path, r), QString());
        QCOMPARE(dir.read(MonitoringFile::fileName()), file);

        // Removed, a trend takes its own along; the unusable ones stay.
        MonitoringRecord changed = r;
        changed.trends.removeFirst();
        QCOMPARE(MonitoringFile::write(path, changed), QString());
        const QByteArray saved = dir.read(MonitoringFile::fileName());
        QVERIFY(!saved.contains("owner") && !saved.contains("dashdot"));
        QVERIFY(saved.contains(" <Trend name=\"A\">\n  <Pen point=\"k1_pompa\"/>\n </Trend>\n"));
        QCOMPARE(MonitoringFile::read(path).trends.last(), (TrendSetRecord{"A", {{"k1_pompa", "", 1.5, "solid"}}}));
    }

    void trendChecks()
    {
        const TrendSetRecord good{"Kocioł", {{"k1_zas", "#a0b0c0", 0.5, "dot"}, {"k1_pompa", "", 10, "dash"}}};
        QCOMPARE(MonitoringCheck::trendProblem(good, {"Inny"}), QString());
        QVERIFY(!MonitoringCheck::trendProblem(good, {"Kocioł"}).isEmpty());
        const QList<TrendPenRecord> bad{{"k1_zas", "#a0b0c", 1.5, "solid"}, {"k1_zas", "", 10.5, "solid"},
                                        {"k1_zas", "", 1.5, "dashdot"}, {"", "", 1.5, "solid"}};
        for (const TrendPenRecord &pen : bad) {
            TrendSetRecord t = good;
            t.pens.append(pen);
            t.pens.removeFirst();
            QVERIFY2(!MonitoringCheck::trendProblem(t, {}).isEmpty(), qPrintable(pen.point + pen.colour + pen.style));
        }
        TrendSetRecord twice = good;
        twice.pens.append(good.pens.first());
        QVERIFY(!MonitoringCheck::trendProblem(twice, {}).isEmpty());
        TrendSetRecord many{"Wiele", QList<TrendPenRecord>()};
        for (int i = 0; i <= TrendSetRecord::kMaxPens; ++i)
            many.pens.append({QString::number(i), "", 1.5, "solid"});
        QVERIFY(!MonitoringCheck::trendProblem(many, {}).isEmpty());
        many.pens.removeLast();
        QCOMPARE(MonitoringCheck::trendProblem(many, {}), QString());
        QVERIFY(!MonitoringCheck::trendProblem({" ", good.pens}, {}).isEmpty());
    }

    void readerDefaultsAndBounds()
    {
        TempWorkDir dir;
        dir.write(MonitoringFile::fileName(),
                  "<Monitoring interval=\"0\" retentionDays=\"x\"><Point id=\"a\" deadband=\"-1\" maxGap=\"-5\"/></Monitoring>");
        MonitoringRecord expected; // a point of "temp", recorded on change, deadband and gap 0
        expected.interval = 1;
        expected.points = {{"a", "", "", "temp", "", "", "change", 0, 0}};
        QCOMPARE(MonitoringFile::read(dir.filePath(MonitoringFile::fileName())), expected);
    }

    // Without the file a project is saved as it always was; a broken one is
    // kept as it is, and copied aside before anything would replace it.
    void projectsWithoutOrWithABrokenFile()
    {
        TempWorkDir dir;
        const QString folder = dir.filePath(QStringLiteral("p/"));
        TempWorkDir::copyTree(TestPaths::dataDir() + QStringLiteral("/projects/runtime"), folder);
        Project project;
        project.load(folder);
        QVERIFY(!project.monitored);
        QVERIFY(project.save(QStringLiteral("0.8.12")).isEmpty());
        QVERIFY(!QFile::exists(folder + MonitoringFile::fileName()));

        dir.write(QStringLiteral("p/monitoring.xml"), "<Monitoring><Point id=\"a\"");
        project.load(folder);
        QVERIFY(!project.monitored);
        QCOMPARE(project.unreadable, QStringList(folder + MonitoringFile::fileName()));
        QVERIFY(project.save(QStringLiteral("0.8.12")).isEmpty());
        QCOMPARE(dir.read(QStringLiteral("p/monitoring.xml")), QByteArray("<Monitoring><Point id=\"a\""));
        QCOMPARE(dir.read(QStringLiteral("p/monitoring.xml.unreadable")), QByteArray("<Monitoring><Point id=\"a\""));

        dir.write(QStringLiteral("p/monitoring.xml"), kFile);
        project.load(folder);
        QVERIFY(project.monitored);
        project.monitoring.interval = 5;
        QVERIFY(project.save(QStringLiteral("0.8.12")).isEmpty());
        QCOMPARE(MonitoringFile::read(folder + MonitoringFile::fileName()).interval, 5);
    }
};

QTEST_GUILESS_MAIN(TestMonitoringFile)
#include "tst_monitoringfile.moc"
