#include "devicelistfile.h"
#include "historystore.h"
#include "historytool.h"
#include "monitoringfile.h"
#include "simhistory.h"
#include "simulator.h"
#include "tempworkdir.h"
#include "testpaths.h"

#include <QtTest>

using Quality = HistorySample::Quality;

namespace {

constexpr qint64 kDayMs = 24 * 3600 * 1000;

QString demoPath(const QString &name)
{
    return TestPaths::sourceDir() + QStringLiteral("/examples/demo/") + name;
}

double limitOf(const MonitoringPoint &p, const QString &kind)
{
    for (const AlarmDefinition &a : p.alarms) {
        if (a.kind == kind)
            return a.limit;
    }
    return qQNaN();
}

// The local hour of a sample.
int hourOf(const HistorySample &s)
{
    return QDateTime::fromMSecsSinceEpoch(s.timeMs).time().hour();
}

} // namespace

class TestSimHistory : public QObject
{
    Q_OBJECT

private slots:
    // The demo's week, imported as scripts/demo imports it, holds what the
    // demo promises.
    void demoWeek()
    {
        Simulator sim;
        QString error;
        QVERIFY2(sim.load(demoPath("controllers.xml"), &error), qPrintable(error));
        const MonitoringRecord monitoring = MonitoringFile::read(demoPath("project/monitoring.xml"));
        const DeviceList devices = DeviceListFile::read(demoPath("project/deviceList.xml"));
        SimHistory history(sim.entries(), monitoring, devices);
        QVERIFY(history.unsimulated().isEmpty());
        const qint64 endMs = QDateTime::currentMSecsSinceEpoch();
        QString csv;
        QTextStream out(&csv);
        QVERIFY2(history.write(7, endMs, out, &error), qPrintable(error));
        out.flush();

        TempWorkDir dir;
        QVERIFY(QFile::copy(demoPath("project/monitoring.xml"), dir.filePath(MonitoringFile::fileName())));
        dir.write(QStringLiteral("week.csv"), csv.toUtf8());
        const HistoryToolRun run = runHistoryTool({dir.path(), "import", dir.filePath("week.csv")});
        QVERIFY2(run.status == 0, run.err.constData());
        HistoryStore store;
        QVERIFY2(store.openForReading(monitoring.store, dir.path() + '/', 400, 3650, &error), qPrintable(error));
        HistoryStats stats;
        QVERIFY(store.stats(&stats, &error));
        QCOMPARE(stats.samples, qint64(csv.count('\n') - 1));
        QVERIFY(stats.firstMs > endMs - 7 * kDayMs - monitoring.interval * 1000 && stats.lastMs < endMs);

        for (const MonitoringPoint &p : monitoring.points) {
            const QVector<HistorySample> samples = store.samples(p.id, 0, endMs, &error);
            QVERIFY2(samples.size() > 7 * 24, qPrintable(p.id));
            checkPoint(sim, p, samples);
        }
        checkSilence(store.samples("cwu_t", 0, endMs, &error));
        checkSpike(store.samples("kot2_zas", 0, endMs, &error), limitOf(monitoring.points.at(2), "high"));
        checkRhythm(store.samples("t_zew", 0, endMs, &error), store.samples("kot1_palnik", 0, endMs, &error));

        // The same seeds, the same week.
        Simulator again;
        QVERIFY(again.load(demoPath("controllers.xml"), &error));
        QString second;
        QTextStream secondOut(&second);
        QVERIFY(SimHistory(again.entries(), monitoring, devices).write(7, endMs, secondOut, &error));
        secondOut.flush();
        QVERIFY(second == csv);
    }

    void badPast()
    {
        Simulator sim;
        QString error;
        for (const char *past : {"<Schedule variable=\"a\" on=\"09:00-08:00\"/>", "<Schedule variable=\"a\" on=\"\"/>",
                                 "<Silent day=\"1\" time=\"25:00\" minutes=\"5\"/>", "<Hold variable=\"a\" day=\"-1\" time=\"01:00\" minutes=\"5\"/>"}) {
            const QByteArray xml = QByteArray("<TeskSim><Controller address=\"127.0.2.9\"><Variable name=\"a\" type=\"on_off\"/><Past>")
                + past + "</Past></Controller></TeskSim>";
            QVERIFY2(!sim.loadXml(xml, &error) && error.contains("past"), past);
        }
        QVERIFY(sim.loadXml("<TeskSim><Controller address=\"127.0.2.9\"><Past><Schedule variable=\"b\" on=\"01:00-02:00\"/>"
                            "</Past></Controller></TeskSim>", &error));
        MonitoringRecord monitoring;
        QString csv;
        QTextStream out(&csv);
        QVERIFY(!SimHistory(sim.entries(), monitoring, {}).write(1, 0, out, &error) && error.contains("no variable b"));
    }

private:
    // Every sample in the range of the point's variable, one at a time.
    void checkPoint(const Simulator &sim, const MonitoringPoint &p, const QVector<HistorySample> &samples)
    {
        const SimVariable *v = nullptr;
        for (SimServer *s : sim.servers())
            v = v ? v : s->controller().variable(p.devVar);
        QVERIFY2(v, qPrintable(p.devVar));
        const double scale = p.type == QLatin1String("temp") ? 10 : 1;
        const double least = v->hasMin ? v->min / scale : 0;
        const double most = v->hasMax ? v->max / scale : 1;
        for (int i = 0; i < samples.size(); ++i) {
            const HistorySample &s = samples.at(i);
            QVERIFY2(i == 0 || s.timeMs > samples.at(i - 1).timeMs, qPrintable(p.id));
            QVERIFY2(!s.hasValue() || (s.value >= least && s.value <= most), qPrintable(p.id));
        }
    }

    // One stretch of about an hour without answers, and none elsewhere.
    void checkSilence(const QVector<HistorySample> &samples)
    {
        qint64 first = -1;
        qint64 resumed = -1;
        for (const HistorySample &s : samples) {
            if (s.quality == Quality::NoAnswer && first < 0)
                first = s.timeMs;
            else if (s.quality == Quality::NoAnswer)
                QCOMPARE(resumed, qint64(-1));
            else if (first >= 0 && resumed < 0)
                resumed = s.timeMs;
        }
        QVERIFY(first > 0 && resumed > first);
        QVERIFY(resumed - first >= 55 * 60000 && resumed - first <= 65 * 60000);
    }

    // Over the high limit for a few minutes, once.
    void checkSpike(const QVector<HistorySample> &samples, double high)
    {
        QVector<qint64> above;
        for (const HistorySample &s : samples) {
            if (s.hasValue() && s.value > high)
                above << s.timeMs;
        }
        QVERIFY(above.size() >= 3);
        QVERIFY(above.last() - above.first() >= 3 * 60000 && above.last() - above.first() <= 15 * 60000);
    }

    // Afternoons warmer than nights, and the burner switched every day.
    void checkRhythm(const QVector<HistorySample> &outside, const QVector<HistorySample> &burner)
    {
        double night = 0, afternoon = 0;
        int nights = 0, afternoons = 0;
        for (const HistorySample &s : outside) {
            if (hourOf(s) >= 3 && hourOf(s) < 6)
                night += s.value, ++nights;
            else if (hourOf(s) >= 13 && hourOf(s) < 16)
                afternoon += s.value, ++afternoons;
        }
        QVERIFY(nights > 0 && afternoons > 0);
        QVERIFY(afternoon / afternoons > night / nights + 4);
        int starts = 0;
        for (int i = 1; i < burner.size(); ++i)
            starts += burner.at(i).value == 1 && burner.at(i - 1).value == 0;
        QVERIFY(starts >= 12);
    }
};

QTEST_GUILESS_MAIN(TestSimHistory)
#include "tst_simhistory.moc"
