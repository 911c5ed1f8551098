// A burst of alarms written to the journal: 1,000 raises and the 1,000
// states they leave, in one writeAlarms, as a site's recorder writes them
// when a controller's whole plant goes into alarm at once. Prints the
// median and the slowest of 20 writes, on a SQLite file and on PostgreSQL
// when a server is given; the goal is at most 50 ms a write.
//
//     scripts/pg-server run build/bench/bench_alarm_journal

#include "benchstores.h"
#include "historystore.h"

#include <QTextStream>

namespace {

const int kAlarms = 1000;
const int kRuns = 20;

QTextStream out(stdout);

void run(const BenchStore &store, const QString &dir)
{
    HistoryStore history;
    if (!BenchStores::openEmpty(&history, store, dir))
        return;
    QString error;
    qint64 t = 1'800'000'000'000;
    const QVector<double> times = BenchStores::timesMs(kRuns, [&] {
        QVector<AlarmEvent> events;
        QVector<AlarmSnapshot> states;
        for (int i = 0; i < kAlarms; ++i, t += 10) {
            const QString point = QStringLiteral("site.boiler%1.t_supply").arg(i);
            events.append({t, point, "high", 1 + i % 4, AlarmEvent::Event::Raised, 91.5, {}, {},
                           QStringLiteral("Supply temperature too high")});
            states.append({point, "high", AlarmSnapshot::State::ActiveUnacknowledged, t, 0, false});
        }
        return history.writeAlarms(events, states, &error);
    });
    if (times.isEmpty()) {
        out << "  write failed: " << error << "\n";
        return;
    }
    out << "  " << kAlarms << " raises and states in one write: median " << times.at(kRuns / 2) << " ms, slowest "
        << times.last() << " ms (goal: at most 50 ms)\n";
}

} // namespace

int main(int argc, char *argv[])
{
    return BenchStores::main(argc, argv, [](const BenchStore &store, const QString &dir) {
        run(store, dir);
        out.flush();
    });
}
