#include "dialogs.h"
#include "historystore.h"
#include "monitoringfile.h"
#include "tempworkdir.h"
#include "trendcolumns.h"
#include "trendplot.h"
#include "trendtrace.h"
#include "trendwindow.h"
#include "widgetlookup.h"

#include <qwt_scale_div.h>

#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

#include <ctime>

using Quality = HistorySample::Quality;

namespace {

const qint64 kSecond = 1000;
const qint64 kMinute = 60 * kSecond;
const qint64 kHour = 60 * kMinute;
const qint64 kDay = 24 * kHour;

qint64 hourAgo(int hours)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    return now - now % kHour - hours * kHour;
}

qint64 localMidnight(int year, int month, int day)
{
    return QDateTime(QDate(year, month, day), QTime(0, 0)).toMSecsSinceEpoch();
}

// The highest value a pen draws over its view, and how many lines it takes.
struct Drawn
{
    double max = qQNaN();
    int lines = 0;
};

Drawn drawn(const TrendPlot *plot, int pen)
{
    const TrendResult &r = plot->result();
    const TrendTrace trace(r.series.at(pen), r.request.fromMs, r.request.toMs, plot->pens().at(pen).absenceMs,
                           plot->pens().at(pen).logic);
    Drawn d;
    double min = 0;
    trace.range(&min, &d.max);
    d.lines = trace.lines().size();
    return d;
}

void wheel(TrendPlot *plot, int x, int delta)
{
    const QPointF at(x, plot->canvas()->height() / 2);
    QWheelEvent event(at, QPointF(plot->canvas()->mapToGlobal(at.toPoint())), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(plot->canvas(), &event);
}

void drag(TrendPlot *plot, int fromX, int toX, Qt::MouseButton button = Qt::LeftButton,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *canvas = plot->canvas();
    const int y = canvas->height() / 2;
    QTest::mousePress(canvas, button, modifiers, QPoint(fromX, y));
    QMouseEvent move(QEvent::MouseMove, QPointF(toX, y), button, button, modifiers);
    QApplication::sendEvent(canvas, &move);
    QTest::mouseRelease(canvas, button, modifiers, QPoint(toX, y));
}

} // namespace

// The trend window on a project whose store holds generated records: a
// boiler's flow temperature, a burner, and a point no longer monitored.
// Local time is Warsaw's, with its two clock changes a year.
class TestTrends : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Warsaw");
        tzset();
    }

    // A line of a step per column is filled as one bar per column, from
    // where it enters to the farthest it goes, the pen's width wide; one
    // whose points lie farther apart is left to the stroke.
    void denseLinesAreColumnBars()
    {
        QVector<QRectF> bars;
        QVERIFY(TrendColumns::bars(QPolygonF({{10, 5}, {10, 20}, {11, 8}, {11, 12}, {12.2, 30}}), 2, &bars));
        QCOMPARE(bars, QVector<QRectF>({QRectF(9, 4, 2, 17), QRectF(10, 7, 2, 14), QRectF(11.2, 11, 2, 20)}));
        QVERIFY(!TrendColumns::bars(QPolygonF({{10, 5}, {11, 6}, {14, 7}}), 2, &bars));
        QVERIFY(bars.isEmpty());
        QVERIFY(!TrendColumns::bars(QPolygonF({{10, 5}}), 2, &bars)); // a dot is drawn as a dot
        QVERIFY(bars.isEmpty());
    }

    // Each case on a store of its own.
    void init()
    {
        const QString name = QString::fromLatin1(QTest::currentTestFunction()) + QString::fromLatin1(QTest::currentDataTag());
        m_folder = m_dir.filePath(name) + QLatin1Char('/');
        QDir().mkpath(m_folder);
        m_dir.write(name + QStringLiteral("/monitoring.xml"), R"(<Monitoring interval="10">
 <Point id="t" device="K1" devVar="kot.t" type="temp" description="Kocioł, zasilanie" unit="°C" record="change" deadband="0.2" maxGap="600">
  <Alarm kind="high" limit="80" deadband="2" priority="1" text="Przegrzanie"/>
 </Point>
 <Point id="s" device="K1" devVar="kot.palnik" type="logic" description="Palnik" record="change" maxGap="600"/>
</Monitoring>
)");
        m_record = MonitoringFile::read(m_folder + MonitoringFile::fileName());
        QCOMPARE(m_record.points.size(), 2);
    }

    void cleanup() { Dialogs::reset(); }

    // A year at 10 minutes with one 10-second spike: every wheel step in
    // towards it still draws the spike, down to a few hours.
    void spikeSurvivesEveryZoom()
    {
        const qint64 end = hourAgo(1);
        const qint64 start = end - 365 * kDay;
        const qint64 spike = start + 200 * kDay + 17 * kMinute + 30 * kSecond;
        QVector<HistorySample> samples;
        for (qint64 t = start; t < end; t += 10 * kMinute)
            samples.append({"t", t, 50 + 10 * std::sin(double(t) / kDay), Quality::Good});
        samples.append({"t", spike, 97.5, Quality::Good});
        std::sort(samples.begin(), samples.end(), [](const auto &a, const auto &b) { return a.timeMs < b.timeMs; });
        write(samples);

        TrendWindow w;
        w.resize(1200, 800);
        w.show();
        w.setProject(m_record, m_folder);
        w.showPoints({"t"}, start, end);
        QTRY_VERIFY(!w.isReading());
        TrendPlot *plot = w.plot();
        QCOMPARE(drawn(plot, 0).max, 97.5);
        for (int step = 0; step < 34; ++step) {
            wheel(plot, plot->xAt(spike), 120);
            QTRY_VERIFY(!w.isReading());
            QVERIFY(plot->viewFrom() <= spike && spike < plot->viewTo());
            QCOMPARE(drawn(plot, 0).max, 97.5);
        }
        QVERIFY(plot->viewTo() - plot->viewFrom() < 6 * kHour);
        QCOMPARE(plot->result().request.columns, plot->canvas()->width());
    }

    // A stretch without an answer, and one with no record at all, break
    // the line at any zoom; a flat value recorded only every ten minutes
    // is one line; the cursor reads what was recorded, and nothing in a
    // gap.
    void gapsStayGaps()
    {
        const qint64 t0 = hourAgo(30);
        QVector<HistorySample> samples;
        for (qint64 t = t0; t < t0 + 3 * kHour; t += 10 * kSecond) {
            const qint64 m = (t - t0) / kMinute;
            if (m >= 90 && m < 120)
                continue; // the program was not running
            const bool silent = m >= 40 && m < 70;
            samples.append({"t", t, silent ? 0 : 60 + double(m % 7), silent ? Quality::NoAnswer : Quality::Good});
        }
        for (qint64 t = t0; t < t0 + 3 * kHour; t += 10 * kMinute)
            samples.append({"s", t, 1, Quality::Good});
        write(samples);
        HistoryStore store;
        QString error;
        QVERIFY2(store.openForReading(m_record.store, m_folder, 0, 0, &error), qPrintable(error));
        TrendSeries series{"t", {}, store.gaps("t", t0, t0 + 3 * kHour, &error), {}};
        QCOMPARE(series.gaps, HistoryGaps({{t0 + 40 * kMinute, t0 + 70 * kMinute}}));
        for (const int columns : {720, 100, 10}) {
            series.steps = store.steps("t", t0, t0 + 3 * kHour, columns, &error);
            const TrendTrace trace(series, t0, t0 + 3 * kHour, 620 * kSecond, false);
            const QVector<QPolygonF> lines = trace.lines();
            QCOMPARE(lines.size(), 3);
            // Each line within a step of where the record ends and begins again.
            const double step = double(3 * kHour / columns);
            QVERIFY(lines.at(0).last().x() < t0 + 40 * kMinute + step && lines.at(1).first().x() > t0 + 70 * kMinute - step);
            QVERIFY(lines.at(1).last().x() < t0 + 90 * kMinute + step && lines.at(2).first().x() > t0 + 120 * kMinute - step);
            QVERIFY(!trace.valueAt(t0 + 55 * kMinute).known);
            // Where nothing was recorded at all, only whole steps without
            // values tell.
            QVERIFY(columns < 100 || !trace.valueAt(t0 + 110 * kMinute).known);
        }
        series.steps = store.steps("t", t0, t0 + 3 * kHour, 720, &error);
        const TrendTrace fine(series, t0, t0 + 3 * kHour, 620 * kSecond, false);
        const TrendTrace::Reading at = fine.valueAt(t0 + 12 * kMinute + 10 * kSecond);
        QVERIFY(at.known);
        QCOMPARE(at.max, 65.0);
        const TrendSeries flat{"s", store.steps("s", t0, t0 + 3 * kHour, 720, &error), {}, {}};
        const TrendTrace held(flat, t0, t0 + 3 * kHour, 620 * kSecond, true);
        QCOMPARE(held.lines().size(), 1);
        QCOMPARE(held.valueAt(t0 + 15 * kMinute).max, 1.0);

        // Three minutes between two samples of the switch: the value before
        // holds across them; three minutes into the silence: nothing.
        const auto within = [&](const QString &point, qint64 from, qint64 to) {
            TrendSeries s{point, store.steps(point, from, to, 180, &error), store.gaps(point, from, to, &error), {}};
            store.lastBefore(point, from, &s.before, &error);
            return s;
        };
        const TrendSeries between = within("s", t0 + 15 * kMinute, t0 + 18 * kMinute);
        const TrendTrace across(between, t0 + 15 * kMinute, t0 + 18 * kMinute, 620 * kSecond, true);
        const QPolygonF flatLine(QVector<QPointF>{QPointF(t0 + 15 * kMinute, 1), QPointF(t0 + 18 * kMinute, 1)});
        QCOMPARE(across.lines(), QVector<QPolygonF>{flatLine});
        QCOMPARE(across.valueAt(t0 + 16 * kMinute).max, 1.0);
        const TrendSeries silent = within("t", t0 + 45 * kMinute, t0 + 48 * kMinute);
        const TrendTrace none(silent, t0 + 45 * kMinute, t0 + 48 * kMinute, 620 * kSecond, false);
        QVERIFY(none.lines().isEmpty());
        QVERIFY(!none.valueAt(t0 + 46 * kMinute).known);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    // The cursor's read-out in the table; a point removed from the
    // monitoring still draws what it recorded; a range with nothing says so.
    void cursorRemovedPointAndEmptyRange()
    {
        const qint64 t0 = hourAgo(60);
        QVector<HistorySample> samples;
        for (int i = 0; i < 360; ++i) {
            samples.append({"t", t0 + i * 10 * kSecond, 40.0 + i / 60, Quality::Good});
            samples.append({"gone", t0 + i * 10 * kSecond, 7, Quality::Good});
        }
        write(samples);
        AlarmEvent raised;
        raised.timeMs = t0 + 30 * kMinute;
        raised.point = QStringLiteral("t");
        raised.kind = QStringLiteral("high");
        {
            HistoryStore store;
            QString error;
            QVERIFY2(store.open(m_record.store, m_folder, 0, 0, &error) && store.writeAlarms({raised}, {}, &error),
                     qPrintable(error));
        }
        TrendWindow w;
        w.resize(1200, 800);
        w.show();
        w.setProject(m_record, m_folder);
        w.showPoints({"t", "gone"}, t0, t0 + kHour);
        QTRY_VERIFY(!w.isReading());
        QCOMPARE(w.plot()->result().series.at(0).raisedMs, QVector<qint64>{raised.timeMs});
        QCOMPARE(w.plot()->pens().at(0).limits, QVector<double>{80});
        auto *table = child<QTableWidget>(&w, "pensTable");
        QVERIFY(table->item(1, 1)->text().contains("gone"));
        QVERIFY(table->item(1, 1)->text().contains(TrendWindow::tr("nie jest już monitorowany").left(10)));
        TrendPlot *plot = w.plot();
        const qint64 at = t0 + 25 * kMinute + 5 * kSecond;
        QTest::mouseMove(plot->canvas(), QPoint(plot->xAt(at), 50));
        QTRY_COMPARE(table->item(0, 5)->text(), QLocale().toString(42.0, 'g', 6));
        QCOMPARE(table->item(1, 5)->text(), QLocale().toString(7.0, 'g', 6));
        QCOMPARE(drawn(plot, 1).lines, 1);

        plot->changeView(t0 - 10 * kDay, t0 - 9 * kDay);
        QTRY_VERIFY(!w.isReading());
        // Every pen removed while a read runs: nothing is left reading.
        w.showPoints({"t"}, t0, t0 + kHour);
        child<QTableWidget>(&w, "pensTable")->selectRow(0);
        QTest::mouseClick(child<QPushButton>(&w, "removePenBtn"), Qt::LeftButton);
        QVERIFY(!w.isReading());
        w.showPoints({"t", "gone"}, t0 - 10 * kDay, t0 - 9 * kDay);
        QTRY_VERIFY(!w.isReading());
        QCOMPARE(child<QLabel>(&w, "statusLabel")->text(), TrendWindow::tr("Brak zapisanych wartości w tym zakresie."));
        QCOMPARE(drawn(plot, 0).lines, 0);
    }

    // Local days of 23 and 25 hours on the time axis, and every sample of
    // them drawn once.
    void clockChanges_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<qint64>("hours");
        QTest::newRow("spring") << 3 << 29 << qint64(23);
        QTest::newRow("autumn") << 10 << 25 << qint64(25);
    }
    void clockChanges()
    {
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(qint64, hours);
        const qint64 from = localMidnight(2026, month, day - 1);
        const qint64 to = localMidnight(2026, month, day + 2);
        QCOMPARE(localMidnight(2026, month, day + 1) - localMidnight(2026, month, day), hours * kHour);
        QVector<HistorySample> samples;
        for (qint64 t = from; t < to; t += 10 * kSecond)
            samples.append({"t", t, double((t / kSecond) % 50), Quality::Good});
        write(samples);
        TrendWindow w;
        w.resize(1400, 800);
        w.show();
        w.setProject(m_record, m_folder);
        w.showPoints({"t"}, from, to);
        QTRY_VERIFY(!w.isReading());
        const QList<double> ticks = w.plot()->axisScaleDiv(QwtPlot::xBottom).ticks(QwtScaleDiv::MajorTick);
        QVERIFY2(ticks.contains(double(localMidnight(2026, month, day)))
                     && ticks.contains(double(localMidnight(2026, month, day + 1))),
                 "the axis marks the local midnights on either side of the change");
        qint64 drawnSamples = 0;
        for (const HistoryStep &s : w.plot()->result().series.first().steps)
            drawnSamples += s.count;
        QCOMPARE(drawnSamples, qint64(samples.size()));
    }

    // Wheel, drag, box and back move the view as the operator moved it;
    // a named set is handed to the project and applied again.
    void zoomPanBackAndSets()
    {
        const qint64 t0 = hourAgo(100);
        QVector<HistorySample> samples;
        for (int i = 0; i < 8 * 360; ++i)
            samples.append({"t", t0 + i * 10 * kSecond, 50.0 + i % 13, Quality::Good});
        write(samples);
        TrendWindow w;
        w.resize(1200, 800);
        w.show();
        w.setProject(m_record, m_folder);
        w.showPoints({"t", "s"}, t0, t0 + 8 * kHour);
        QTRY_VERIFY(!w.isReading());
        TrendPlot *plot = w.plot();
        const int mid = plot->canvas()->width() / 2;
        const qint64 anchor = plot->timeAt(mid);
        wheel(plot, mid, 120);
        QCOMPARE(plot->viewTo() - plot->viewFrom(), qint64(0.8 * 8 * kHour));
        QVERIFY(qAbs(plot->timeAt(mid) - anchor) < 2 * kMinute);
        const qint64 msPerPixel = (plot->viewTo() - plot->viewFrom()) / plot->canvas()->width();
        const qint64 before = plot->viewFrom();
        drag(plot, mid, mid - 100);
        QVERIFY(qAbs(plot->viewFrom() - (before + 100 * msPerPixel)) <= 2 * msPerPixel);
        const qint64 a = plot->timeAt(200);
        const qint64 b = plot->timeAt(400);
        drag(plot, 200, 400, Qt::LeftButton, Qt::ShiftModifier);
        QVERIFY(qAbs(plot->viewFrom() - a) < kMinute && qAbs(plot->viewTo() - b) < kMinute);
        QTest::keyClick(&w, Qt::Key_Backspace);
        QTest::mouseClick(child<QPushButton>(&w, "backBtn"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(&w, "backBtn"), Qt::LeftButton);
        QCOMPARE(plot->viewFrom(), t0);
        QCOMPARE(plot->viewTo(), t0 + 8 * kHour);
        QTRY_VERIFY(!w.isReading());

        QList<TrendSetRecord> saved;
        int handed = 0;
        connect(&w, &TrendWindow::trendSetsChanged, this, [&](const QList<TrendSetRecord> &sets) {
            saved = sets;
            ++handed;
        });
        Dialogs::presetItem(QStringLiteral("Kotły"));
        QTest::mouseClick(child<QPushButton>(&w, "saveSetBtn"), Qt::LeftButton);
        QCOMPARE(handed, 1);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved.first().name, QStringLiteral("Kotły"));
        QCOMPARE(saved.first().pens.size(), 2);
        QCOMPARE(saved.first().pens.at(1).point, QStringLiteral("s"));

        MonitoringRecord withSet = m_record;
        withSet.trends = saved;
        withSet.trends.prepend({QStringLiteral("Sam kocioł"), {{"t"}}});
        TrendWindow other;
        other.show();
        other.setProject(withSet, m_folder);
        QCOMPARE(other.points(), QStringList({"t"})); // opened empty: the first set
        auto *combo = child<QComboBox>(&other, "setCombo");
        QCOMPARE(combo->count(), 3);
        combo->setCurrentIndex(2);
        emit combo->activated(2);
        QCOMPARE(other.points(), QStringList({"t", "s"}));
    }

    // The drawn range as CSV (one row per step with values), as a picture
    // and printed; a live trend takes in a pass written after it opened.
    void exportsAndLive()
    {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        const qint64 t0 = now - kHour;
        QVector<HistorySample> samples;
        for (qint64 t = t0; t < now - kMinute; t += 10 * kSecond)
            samples.append({"t", t, 55, Quality::Good});
        write(samples);
        TrendWindow w;
        w.resize(1200, 800);
        w.show();
        w.setProject(m_record, m_folder);
        w.showPoints({"t"}, t0, now);
        QTRY_VERIFY(!w.isReading());
        int stepsWithValues = 0;
        for (const HistoryStep &s : w.plot()->result().series.first().steps)
            stepsWithValues += s.count > 0 ? 1 : 0;

        const QString csv = m_folder + "trend.csv";
        Dialogs::presetPath(csv);
        child<QPushButton>(&w, "csvBtn")->menu()->actions().at(1)->trigger();
        QTRY_VERIFY(QFile::exists(csv));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = file.readAll().split('\n');
        QCOMPARE(rows.first(), QByteArray("time,point,min,max,avg,count"));
        QCOMPARE(rows.size() - 2, stepsWithValues);

        const QString png = m_folder + "trend.png";
        Dialogs::presetPath(png);
        QTest::mouseClick(child<QPushButton>(&w, "pngBtn"), Qt::LeftButton);
        QTRY_VERIFY(QFile::exists(png));
        QCOMPARE(QImage(png).size(), w.plot()->size());

        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_folder + "trend.pdf");
        w.printTo(&printer);
        QFile pdf(m_folder + "trend.pdf");
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(4) == "%PDF");

        child<QCheckBox>(&w, "liveCheck")->setChecked(true);
        QTRY_VERIFY(!w.isReading());
        const qint64 newest = QDateTime::currentMSecsSinceEpoch() - kSecond;
        write({{"t", newest, 88, Quality::Good}});
        w.passRecorded();
        QTRY_COMPARE(drawn(w.plot(), 0).max, 88.0);
        QVERIFY(w.plot()->viewTo() > newest);
    }

private:
    void write(const QVector<HistorySample> &samples)
    {
        HistoryStore store;
        QString error;
        QVERIFY2(store.open(m_record.store, m_folder, 0, 0, &error), qPrintable(error));
        QVERIFY2(store.importSamples(samples, &error), qPrintable(error));
    }

    TempWorkDir m_dir;
    QString m_folder;
    MonitoringRecord m_record;
};

QTEST_MAIN(TestTrends)
#include "tst_trends.moc"
