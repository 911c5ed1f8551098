// The trend window on the store, shown offscreen at 1400×900: 8 pens over
// 7 days of 10 s samples (8 × 60,480) and one pen over a year of them
// (3,153,600), each from showPoints() until its result is painted (median of
// 7; the first run, which opens the store, apart), a zoom step (the wheel)
// and a pan step (a drag) until painted, the window's memory (the process's
// growth), and against them the bare min/max queries of the same views on
// a store already open. The samples carry noise, a spike and stretches
// without an answer. On a SQLite file and on PostgreSQL when a server is
// given; the goals: 300 ms to the first paint, 50 ms a step, 50 MB.
//
//     QT_QPA_PLATFORM=offscreen scripts/pg-server run build/bench/bench_trends

#include "benchstores.h"
#include "historystore.h"
#include "processmemory.h"
#include "trendplot.h"
#include "trendreader.h"
#include "trendwindow.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>
#include <random>

namespace {

const qint64 kInterval = 10000;
const qint64 kHour = 3600 * 1000;
const qint64 kDay = 24 * kHour;
const qint64 kWeekSamples = 7 * kDay / kInterval;
const qint64 kYearSamples = 365 * kDay / kInterval;
const int kSilentSamples = 180; // half an hour without an answer
const int kImportChunk = 50000;
const int kRuns = 7;
const int kSteps = 10;
const QSize kWindowSize(1400, 900);

QTextStream out(stdout);

// One monitoring point and the shape of its record: silent for
// kSilentSamples at the end of every silentEvery samples, one spike.
struct Series
{
    QString id;
    QString description;
    bool logic = false;
    double base = 0;
    double dailySwing = 0;
    double yearlySwing = 0;
    qint64 samples = kWeekSamples;
    qint64 spikeAt = 0;
    qint64 silentEvery = 0;
};

// A boiler room over a week: two boilers' supply and return, hot water,
// outdoors, a burner and a pump; and the network's supply over a year.
QVector<Series> weekSeries()
{
    const qint64 spike = 3 * kDay / kInterval + 14 * kHour / kInterval;
    const qint64 silent = 5 * kDay / kInterval;
    return {
        {"kot1_zas", QStringLiteral("Kocioł 1, zasilanie"), false, 70, 8, 0, kWeekSamples, spike, silent},
        {"kot1_pow", QStringLiteral("Kocioł 1, powrót"), false, 55, 6, 0, kWeekSamples, spike + 30, silent},
        {"kot2_zas", QStringLiteral("Kocioł 2, zasilanie"), false, 68, 8, 0, kWeekSamples, spike + 600, silent},
        {"kot2_pow", QStringLiteral("Kocioł 2, powrót"), false, 52, 6, 0, kWeekSamples, spike + 630, silent},
        {"cwu_t", QStringLiteral("Ciepła woda użytkowa"), false, 52, 3, 0, kWeekSamples, spike + 900, silent},
        {"zew_t", QStringLiteral("Temperatura zewnętrzna"), false, 4, 5, 0, kWeekSamples, spike + 1200, silent},
        {"kot1_palnik", QStringLiteral("Kocioł 1, palnik"), true, 0, 0, 0, kWeekSamples, 0, silent},
        {"pompa_co", QStringLiteral("Pompa obiegu CO"), true, 0, 0, 0, kWeekSamples, 0, silent},
    };
}

Series yearSeries()
{
    return {"siec_zas", QStringLiteral("Sieć, zasilanie"), false, 80, 4, 15, kYearSamples, 200 * kDay / kInterval,
            30 * kDay / kInterval};
}

// Sample i of the series numbered seed: temperatures in tenths with noise;
// a switch cycling every half hour.
HistorySample sample(const Series &s, int seed, qint64 i, qint64 end, std::minstd_rand *noise)
{
    const qint64 t = end - (s.samples - i) * kInterval;
    if (i % s.silentEvery >= s.silentEvery - kSilentSamples)
        return {s.id, t, 0, HistorySample::Quality::NoAnswer};
    if (s.logic)
        return {s.id, t, (i + seed * 37) % 180 < 72 ? 1.0 : 0.0};
    const double pi = 3.14159265358979;
    double v = s.base + s.dailySwing * std::sin(2 * pi * double(t % kDay) / double(kDay) + seed)
        + s.yearlySwing * std::cos(2 * pi * double(i) / double(kYearSamples))
        + std::uniform_real_distribution<double>(-0.3, 0.3)(*noise);
    if (i == s.spikeAt)
        v += 25;
    return {s.id, t, std::round(v * 10) / 10};
}

bool load(HistoryStore &history, const QVector<Series> &all, qint64 end, QString *error)
{
    QElapsedTimer t;
    t.start();
    qint64 count = 0;
    QVector<HistorySample> chunk;
    for (int p = 0; p < all.size(); ++p) {
        std::minstd_rand noise(quint32(p + 1));
        for (qint64 i = 0; i < all.at(p).samples; ++i) {
            chunk.append(sample(all.at(p), p, i, end, &noise));
            if (chunk.size() == kImportChunk || i == all.at(p).samples - 1) {
                if (!history.importSamples(chunk, error))
                    return false;
                count += chunk.size();
                chunk.clear();
            }
        }
    }
    // The spike of the first point raised its high alarm.
    const Series &first = all.first();
    const qint64 spikeMs = end - (first.samples - first.spikeAt) * kInterval;
    const QString text = QStringLiteral("%1: za wysoka temperatura").arg(first.description);
    if (!history.writeAlarms({{spikeMs, first.id, "high", 2, AlarmEvent::Event::Raised, 95, {}, {}, text},
                              {spikeMs + kInterval, first.id, "high", 2, AlarmEvent::Event::Cleared, 70, {}, {}, text}},
                             {}, error))
        return false;
    out << "  setup: " << count << " samples imported in " << double(t.elapsed()) / 1000 << " s ("
        << qRound64(double(count) * 1000 / double(qMax<qint64>(1, t.elapsed()))) << " a second)\n";
    out.flush();
    return true;
}

MonitoringRecord site(const StoreRecord &store, const QVector<Series> &all)
{
    MonitoringRecord record;
    record.store = store;
    for (const Series &s : all) {
        MonitoringPoint p;
        p.id = s.id;
        p.device = QStringLiteral("KOT");
        p.devVar = QStringLiteral("kot.") + s.id;
        p.type = s.logic ? QStringLiteral("logic") : QStringLiteral("temp");
        p.description = s.description;
        p.unit = s.logic ? QString() : QStringLiteral("°C");
        p.record = QStringLiteral("interval");
        record.points.append(p);
    }
    AlarmDefinition high;
    high.limit = 90;
    high.deadband = 2;
    high.priority = 2;
    record.points.first().alarms.append(high);
    return record;
}

struct View
{
    QString name;
    QStringList points;
    qint64 fromMs = 0;
    qint64 toMs = 0;
};

// Waits on the GUI thread for the result of the window's last request and
// paints the plot with it; false when the view drawn is not the one asked.
bool painted(TrendWindow &window, int points)
{
    while (window.isReading())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    TrendPlot *plot = window.plot();
    plot->repaint();
    const TrendRequest &shown = plot->result().request;
    return plot->result().series.size() == points && shown.fromMs == plot->viewFrom() && shown.toMs == plot->viewTo();
}

QPoint canvasMiddle(TrendWindow &window)
{
    return window.plot()->canvas()->rect().center();
}

// A notch of the wheel in the middle of the plot: in for delta > 0.
void wheel(TrendWindow &window, int delta)
{
    QWidget *canvas = window.plot()->canvas();
    const QPoint at = canvasMiddle(window);
    QWheelEvent event(at, canvas->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(canvas, &event);
}

// A drag of the plot by dx pixels, moved once on the way.
void drag(TrendWindow &window, int dx)
{
    QWidget *canvas = window.plot()->canvas();
    const QPoint from = canvasMiddle(window);
    const QPoint to = from + QPoint(dx, 0);
    QMouseEvent press(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &press);
    QCoreApplication::sendEvent(canvas, &move);
    QCoreApplication::sendEvent(canvas, &release);
}

QString ms(double value)
{
    return QString::number(value, 'f', value < 10 ? 2 : 1) + " ms";
}

QString medianAndSlowest(const QVector<double> &times)
{
    return "median " + ms(times.at(times.size() / 2)) + ", slowest " + ms(times.last());
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1 << 20), 'f', 1) + " MB";
}

// The bare min/max queries the view's pens make, and the reader's whole
// read (gaps and alarm marks too), on this thread with the store open.
void measureFloor(const View &view, double windowMs, int columns, HistoryStore &history, const MonitoringRecord &record,
           const QString &dir)
{
    QString error;
    TrendReader reader(record, dir);
    const TrendRequest request{1, view.points, view.fromMs, view.toMs, columns};
    reader.read(request);
    const QVector<double> steps = BenchStores::timesMs(kRuns, [&] {
        for (const QString &point : view.points)
            history.steps(point, view.fromMs, view.toMs, columns, &error);
        return error.isEmpty();
    });
    const QVector<double> reads = BenchStores::timesMs(kRuns, [&] { return reader.read(request).error.isEmpty(); });
    if (steps.isEmpty() || reads.isEmpty()) {
        out << "  floor failed: " << error << "\n";
        return;
    }
    const double floorMs = steps.at(kRuns / 2);
    out << "  " << view.name << ", floor: the min/max queries alone " << ms(floorMs) << "; the reader's whole read (gaps, alarm marks) "
        << ms(reads.at(kRuns / 2)) << "; window / floor " << QString::number(windowMs / floorMs, 'f', 1) << "\n";
}

// Opens the view kRuns + 1 times, then zooms and pans it; the median time
// to the first paint, or -1 when a result is not the view asked for.
double measure(TrendWindow &window, const View &view, qint64 rssBefore)
{
    const int n = view.points.size();
    const auto open = [&] {
        window.showPoints(view.points, view.fromMs, view.toMs);
        return painted(window, n);
    };
    const QVector<double> cold = BenchStores::timesMs(1, open);
    const QVector<double> opens = BenchStores::timesMs(kRuns, open);
    const qint64 shownRss = ProcessMemory::residentBytes();
    int step = 0;
    const QVector<double> zooms = BenchStores::timesMs(kSteps, [&] {
        wheel(window, ++step % 2 ? 120 : -120);
        return painted(window, n);
    });
    const QVector<double> pans = BenchStores::timesMs(kSteps, [&] {
        drag(window, ++step % 2 ? -300 : 300);
        return painted(window, n);
    });
    if (cold.isEmpty() || opens.isEmpty() || zooms.isEmpty() || pans.isEmpty()) {
        out << "  " << view.name << ": the trend shown is not the view asked for\n";
        return -1;
    }
    out << "  " << view.name << ", " << window.plot()->columns() << " columns:\n"
        << "    first paint: " << medianAndSlowest(opens) << "; the first run, opening the store, " << ms(cold.first())
        << " (goal: at most 300 ms)\n"
        << "    zoom step: " << medianAndSlowest(zooms) << "; pan step: " << medianAndSlowest(pans)
        << " (goal: at most 50 ms)\n"
        << "    memory: " << megabytes(shownRss - rssBefore) << " more once shown, "
        << megabytes(ProcessMemory::residentBytes() - rssBefore) << " after " << 2 * kSteps
        << " zoom and pan steps (goal: at most 50 MB)\n";
    out.flush();
    return opens.at(kRuns / 2);
}

void run(const BenchStore &store, const QString &dir)
{
    HistoryStore history;
    if (!BenchStores::openEmpty(&history, store, dir))
        return;
    const QVector<Series> week = weekSeries();
    const Series year = yearSeries();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 end = now - now % kHour;
    QString error;
    if (!load(history, week + QVector<Series>{year}, end, &error)
        || (store.record.isPostgres() && !BenchStores::exec(store.record, dir, {"ANALYZE"}))) {
        out << "  setup failed: " << error << "\n";
        return;
    }
    const MonitoringRecord record = site(store.record, week + QVector<Series>{year});
    QStringList weekPoints;
    for (const Series &s : week)
        weekPoints.append(s.id);
    const qint64 rssBefore = ProcessMemory::residentBytes();
    TrendWindow window;
    window.setProject(record, dir);
    window.resize(kWindowSize);
    window.show();
    QEventLoop settle;
    QTimer::singleShot(200, &settle, &QEventLoop::quit);
    settle.exec();
    const View views[] = {
        {QStringLiteral("8 pens over 7 days (8 × %1 samples)").arg(kWeekSamples), weekPoints, end - 7 * kDay, end},
        {QStringLiteral("one pen over a year (%1 samples)").arg(kYearSamples), {year.id}, end - 365 * kDay, end}};
    // The floors after the window's figures, so that their memory is not counted.
    QVector<double> shownMs;
    for (const View &view : views)
        shownMs.append(measure(window, view, rssBefore));
    const int columns = window.plot()->columns();
    for (int i = 0; i < shownMs.size(); ++i) {
        if (shownMs.at(i) >= 0)
            measureFloor(views[i], shownMs.at(i), columns, history, record, dir);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    for (const BenchStore &store : BenchStores::all(dir.path()))
        run(store, dir.path());
    return 0;
}
