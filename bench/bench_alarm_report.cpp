// The alarm report over a year of a busy site: 5,000 journal rows a day
// over 300 alarms (priorities 4 > 3 > 2 > 1), mostly a raise, its
// acknowledgement and its clearing; a few alarms chattering, a flood of
// alarms once a week, now and then one never cleared, and shelvings.
// Prints the time of the report over the whole year (median and slowest
// of 5), on a SQLite file and on PostgreSQL when a server is given; the
// goal is at most 1 s.
//
//     scripts/pg-server run build/bench/bench_alarm_report

#include "benchstores.h"
#include "historystore.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>

namespace {

using Event = AlarmEvent::Event;

const int kDays = 365;
const int kRowsPerDay = 5000;
const int kAlarms = 300;
const int kChattering = 5; // alarms 0 to 4
const int kRuns = 5;
const qint64 kMinute = 60 * 1000;
const qint64 kDay = 24 * 60 * kMinute;

QTextStream out(stdout);

// A small generator of its own, so that every run writes the same site.
quint32 next(quint32 *state)
{
    *state = *state * 1664525u + 1013904223u;
    return *state >> 8;
}

// Some alarms come far more often than others; one in 20 is of priority 1,
// 3 in 20 of 2, 5 in 20 of 3, the rest of 4.
int alarmOf(quint32 r)
{
    return int((quint64(r % 1000) * (r % 1000)) / 1000 * kAlarms / 1000);
}

int priorityOf(int alarm)
{
    const int c = alarm % 20;
    return c == 0 ? 1 : c < 4 ? 2 : c < 9 ? 3 : 4;
}

// A raise, its acknowledgement and its clearing within clearedWithin (0:
// left standing); an alarm still active is not raised again.
struct Site
{
    quint32 rng = 12345;
    QVector<qint64> activeUntil = QVector<qint64>(kAlarms, 0);
};

void episode(QVector<AlarmEvent> *day, qint64 t, int alarm, Site *site, qint64 clearedWithin = 30 * kMinute)
{
    if (site->activeUntil.at(alarm) >= t)
        return;
    const QString point = QStringLiteral("site.boiler%1.t_supply").arg(alarm);
    const QString kind = alarm % 3 ? QStringLiteral("high") : QStringLiteral("low");
    const QString text = QStringLiteral("Boiler %1: supply temperature out of range").arg(alarm);
    const int p = priorityOf(alarm);
    const bool cleared = clearedWithin > 0;
    const qint64 clearedAt = cleared ? t + 1000 + next(&site->rng) % clearedWithin : t + 2 * kDay;
    site->activeUntil[alarm] = clearedAt;
    day->append({t, point, kind, p, Event::Raised, 91.5, {}, {}, text});
    day->append({t + 500 + next(&site->rng) % (5 * kMinute), point, kind, p, Event::Acknowledged, qQNaN(), "jan", {},
                 text});
    if (cleared)
        day->append({clearedAt, point, kind, p, Event::Cleared, 85, {}, {}, text});
}

// One day's rows, in time order.
QVector<AlarmEvent> day(qint64 start, int index, Site *site)
{
    QVector<AlarmEvent> rows;
    rows.reserve(kRowsPerDay + 10);
    // A flood: 40 alarms in 5 minutes.
    for (int i = 0; index % 7 == 3 && i < 40; ++i)
        episode(&rows, start + 3 * 60 * kMinute + i * 7000, 40 + i, site);
    // Through the day in order, so that an alarm is cleared before it is
    // raised again.
    for (qint64 t = start; rows.size() < kRowsPerDay - 8; t += 30000) {
        const quint32 kind = next(&site->rng) % 100;
        if (kind == 0) {
            // A chattering alarm: raised four times within a minute.
            const int alarm = int(next(&site->rng) % kChattering);
            for (int i = 0; i < 4; ++i, t += 15000)
                episode(&rows, t, alarm, site, 10000);
        } else {
            episode(&rows, t, alarmOf(next(&site->rng)), site, kind != 1 || next(&site->rng) % 100 ? 30 * kMinute : 0);
        }
    }
    for (int i = 0; rows.size() < kRowsPerDay; ++i) {
        const AlarmEvent &a = rows.at(i);
        rows.append({a.timeMs + 1000, a.point, a.kind, a.priority, i % 2 ? Event::Unshelved : Event::Shelved, qQNaN(),
                     "jan", "maintenance", a.text});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const AlarmEvent &a, const AlarmEvent &b) { return a.timeMs < b.timeMs; });
    return rows;
}

bool generate(HistoryStore &history, qint64 start, QString *error)
{
    QElapsedTimer t;
    t.start();
    Site site;
    QVector<AlarmEvent> rows;
    for (int d = 0; d < kDays; ++d) {
        rows += day(start + d * kDay, d, &site);
        if ((d % 10 == 9 || d == kDays - 1) && !history.writeAlarms(rows, {}, error))
            return false;
        if (d % 10 == 9)
            rows.clear();
    }
    out << "  " << kDays << " days of " << kRowsPerDay << " rows written in " << double(t.elapsed()) / 1000 << " s\n";
    return true;
}

void run(const BenchStore &store, const QString &dir)
{
    HistoryStore history;
    const qint64 start = QDateTime(QDate(2025, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
    if (!BenchStores::filled(&history, store, dir, "alarm_journal",
                             [&](QString *why) { return generate(history, start, why); }))
        return;
    QString error;
    AlarmReport report;
    const QVector<double> times =
        BenchStores::timesMs(kRuns, [&] { return history.alarmReport(start, start + kDays * kDay, &report, &error); });
    if (times.isEmpty()) {
        out << "  report failed: " << error << "\n";
        return;
    }
    out << "  report over the year (" << report.alarms << " alarms, " << report.floodPeriods << " periods in flood, "
        << report.chattering.size() << " chattering, " << report.stale.size() << " stale): median "
        << times.at(kRuns / 2) << " ms, slowest " << times.last() << " ms (goal: at most 1000 ms)\n";
}

} // namespace

int main(int argc, char *argv[])
{
    return BenchStores::main(argc, argv, [](const BenchStore &store, const QString &dir) {
        run(store, dir);
        out.flush();
    });
}
