#include "historybackend.h"
#include "historydialect.h"
#include "historystore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <limits>

using Quality = HistorySample::Quality;
using Event = AlarmEvent::Event;

namespace {

const qint64 kMinute = 60 * 1000;
const qint64 kHour = 60 * kMinute;
const qint64 kDay = 24 * kHour;

// An hour boundary a few days back, so that the samples are within the
// retention and the rollups' buckets line up with the steps.
qint64 recentHour()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    return now - now % kHour - 3 * kDay;
}

HistorySample good(const QString &point, qint64 t, double v)
{
    return {point, t, v, Quality::Good};
}

void compareStep(const HistoryStep &got, const HistoryStep &expected)
{
    QCOMPARE(got.startMs, expected.startMs);
    QCOMPARE(got.count, expected.count);
    QCOMPARE(got.min, expected.min);
    QCOMPARE(got.max, expected.max);
    QCOMPARE(got.avg, expected.avg);
}

// Runs the statements on a SQLite file through a connection of its own, up
// to the first that fails (false then); first: what the last one gave first.
bool runSql(const QString &file, const QStringList &statements, QVariant *first = nullptr)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "peek");
        db.setDatabaseName(file);
        QSqlQuery query(db.open() ? db : QSqlDatabase());
        ok = db.isOpen() && std::all_of(statements.cbegin(), statements.cend(), [&](const QString &sql) { return query.exec(sql); });
        if (ok && first)
            *first = query.next() ? query.value(0) : QVariant();
    }
    QSqlDatabase::removeDatabase("peek");
    return ok;
}

} // namespace

#define BACKEND(name)                                                                                                  \
    QFETCH(bool, postgres);                                                                                            \
    if (postgres && !HistoryBackend::postgresGiven())                                                                  \
        QSKIP("no PostgreSQL server given (TESK_TEST_PG_*); scripts/test starts one");                                 \
    HistoryBackend name(postgres)

#define OPEN(store, backend, retention, rollups)                                                                       \
    HistoryStore store;                                                                                                \
    {                                                                                                                  \
        QString openError;                                                                                             \
        QVERIFY2(store.open((backend).record(), (backend).projectDir(), retention, rollups, &openError),              \
                 qPrintable(openError));                                                                               \
    }

class HistoryStoreTest : public QObject
{
    Q_OBJECT

private slots:
    // Every quality, values that need all of a double, and values kept as
    // hundredths, read back exactly; after a reopen too.
    void roundTrip_data() { backends(); }
    void roundTrip()
    {
        BACKEND(backend);
        const qint64 t0 = recentHour();
        QVector<HistorySample> written;
        for (double v : {45.5, -3.25, 0.1, 1.0 / 3, 1e300, -0.0, qInf(), 123456789012.25, 92233720368547758.0})
            written << good("kot.t_zas", t0 + written.size(), v);
        written << HistorySample{"kot.t_zas", t0 + 9, 21.5, Quality::Error} << HistorySample{"kot.t_zas", t0 + 10, 0, Quality::NoAnswer}
                << HistorySample{"kot.t_zas", t0 + 11, 0, Quality::Missing} << good("pompa", -86400000, 1)
                << good(QStringLiteral("zawór ł"), t0, qQNaN());
        for (int pass = 0; pass < 2; ++pass) {
            OPEN(store, backend, 0, 0);
            QString error;
            if (pass == 0)
                QVERIFY2(store.write(written, &error), qPrintable(error));
            const auto back = store.samples("kot.t_zas", t0, t0 + 12, &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(back, written.mid(0, 12));
            // Qt's PostgreSQL driver sends -0 as 0; the two compare equal.
            QCOMPARE(std::signbit(back.at(5).value), !postgres);
            QCOMPARE(store.samples("pompa", -86400000, -86399999, &error), written.mid(12, 1));
            QCOMPARE(store.samples(QStringLiteral("zawór ł"), t0, t0 + 1, &error), written.mid(13, 1));
            QVERIFY(store.samples("kot.t_zas", t0 + 12, t0 + 100, &error).isEmpty());
            QVERIFY(store.samples("nieznany", t0, t0 + 100, &error).isEmpty());
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(store.points(&error), (QStringList{"kot.t_zas", "pompa", QStringLiteral("zawór ł")}));
            HistoryStats stats;
            QVERIFY2(store.stats(&stats, &error), qPrintable(error));
            QCOMPARE(stats.points, 3);
            QCOMPARE(stats.samples, 14);
            QCOMPARE(stats.firstMs, -86400000);
            QCOMPARE(stats.lastMs, t0 + 11);
            QVERIFY(stats.bytes > 0);
        }
    }

    // Alarm events are appended (empty and absent texts alike, NaN values
    // as none) and the states kept until they are plainly normal again,
    // across a reopening of the store.
    void alarmsKeptAcrossReopening_data() { backends(); }
    void alarmsKeptAcrossReopening()
    {
        BACKEND(backend);
        using State = AlarmSnapshot::State;
        const QVector<AlarmEvent> events{
            {1000, "kot1_zas", "high", 1, AlarmEvent::Event::Raised, 91.5, QString(), QString(), "Przegrzanie, \"K1\""},
            {2000, "KOT", "comm", 2, AlarmEvent::Event::Raised, qQNaN(), QString(), QString(), QStringLiteral("Brak łączności")},
            {3000, "kot1_zas", "high", 1, AlarmEvent::Event::Acknowledged, 90, "jan", "widzę,\nidę", "Przegrzanie"}};
        const AlarmSnapshot high{"kot1_zas", "high", State::ActiveAcknowledged, 1000, 0, false};
        const AlarmSnapshot comm{"KOT", "comm", State::ActiveUnacknowledged, 2000, 9000, false};
        {
            OPEN(store, backend, 0, 0);
            QString error;
            // An alarm's last state in a batch is the one kept.
            QVERIFY2(store.writeAlarms(events, {{"KOT", "comm", State::ActiveAcknowledged, 1, 0, true}, high, comm}, &error),
                     qPrintable(error));
            QVector<AlarmSnapshot> kept;
            QVERIFY(store.alarmStates(&kept, &error));
            QVERIFY(kept.size() == 2 && kept.contains(comm));
            QVERIFY2(store.writeAlarms({}, {{"KOT", "comm", State::Normal, 2000, 0, false}}, &error), qPrintable(error));
        }
        OPEN(store, backend, 0, 0);
        QString error;
        QVector<AlarmSnapshot> states;
        QVERIFY2(store.alarmStates(&states, &error), qPrintable(error));
        QCOMPARE(states, QVector<AlarmSnapshot>{high});
        QVariant rows;
        if (!postgres) {
            QVERIFY(runSql(backend.dir().filePath("history.sqlite"),
                           {"SELECT group_concat(event || '/' || by_user || '/' || coalesce(value, 'none'), ' ')"
                            " FROM alarm_journal ORDER BY id"},
                           &rows));
            QCOMPARE(rows.toString(), QStringLiteral("raised//91.5 raised//none acknowledged/jan/90.0"));
        }
    }

    // A repeated point and time replaces the sample, within one batch and
    // across batches, and the rollups follow the replacement.
    void sameTimeReplaces_data() { backends(); }
    void sameTimeReplaces()
    {
        BACKEND(backend);
        OPEN(store, backend, 0, 0);
        const qint64 t0 = recentHour();
        QString error;
        QVERIFY(store.write({good("p", t0, 10), good("p", t0 + 10000, 20), good("p", t0, 11)}, &error));
        QVERIFY(store.write({good("p", t0 + 10000, 90), good("p", t0 + 20000, 5)}, &error));
        QCOMPARE(store.samples("p", t0, t0 + kHour, &error),
                 (QVector<HistorySample>{good("p", t0, 11), good("p", t0 + 10000, 90), good("p", t0 + 20000, 5)}));
        // One step of an hour comes from the hour rollup, sixty of a minute from
        // the minute rollups; both hold the replaced values only.
        const auto hour = store.steps("p", t0, t0 + kHour, 1, &error);
        QCOMPARE(hour.size(), 1);
        compareStep(hour[0], {t0, 5, 90, 106.0 / 3, 3});
        QVERIFY(store.write({{"p", t0 + 10000, 0, Quality::NoAnswer}}, &error));
        QVERIFY(store.write(QVector<HistorySample>(100, good("q", t0, 1)), &error));
        const auto minutes = store.steps("p", t0, t0 + 3 * kMinute, 3, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(minutes.size(), 3);
        compareStep(minutes[0], {t0, 5, 11, 8, 2});
        QCOMPARE(minutes[1].count, 0);
        QCOMPARE(store.steps("p", t0, t0 + kHour, 1, &error)[0].count, 2);
        QCOMPARE(store.samples("q", t0, t0 + 1, &error).size(), 1);
    }

    // A trend of two days at 10 s with one spike and one dip: every zoom shows
    // them in exactly one step, and steps from rollups agree with the same
    // steps computed from the raw samples.
    void stepsFromRawAndRollupsAgree_data() { backends(); }
    void stepsFromRawAndRollupsAgree()
    {
        BACKEND(backend);
        OPEN(store, backend, 400, 3650);
        const qint64 t0 = recentHour() - kDay;
        const qint64 spike = t0 + 29 * kHour + 17 * kMinute + 30000;
        const qint64 dip = t0 + 3 * kHour + 50000;
        QVector<HistorySample> day;
        qint64 goodOnes = 0;
        for (qint64 t = t0, i = 0; t < t0 + 2 * kDay; t += 10000, ++i) {
            const bool special = t == spike || t == dip;
            const double v = t == spike ? 95.5 : t == dip ? -12.25 : 20 + double(i % 5) / 10;
            day.append({"t", t, v, special || i % 7 != 3 ? Quality::Good : Quality::NoAnswer});
            goodOnes += day.last().quality == Quality::Good;
        }
        QString error;
        QVERIFY2(store.write(day, &error), qPrintable(error));

        for (int steps : {1, 7, 48, 100, 1920, 2880, 17280, 40000}) {
            const auto result = store.steps("t", t0, t0 + 2 * kDay, steps, &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(result.size(), steps);
            const qint64 width = (2 * kDay + steps - 1) / steps;
            int spikes = 0;
            int dips = 0;
            qint64 total = 0;
            for (const HistoryStep &s : result) {
                spikes += s.max == 95.5;
                dips += s.min == -12.25;
                total += s.count;
            }
            QCOMPARE(spikes, 1);
            QCOMPARE(dips, 1);
            QCOMPARE(total, goodOnes);
            // Where the steps are whole minutes the rollups' buckets fall
            // inside them, so each step must match the raw values exactly.
            if (width % kMinute)
                continue;
            for (int i = 0; i < steps; ++i) {
                HistoryStep expected{t0 + i * width, qInf(), -qInf(), 0, 0};
                for (const HistorySample &s : day) {
                    if (s.quality == Quality::Good && s.timeMs >= expected.startMs && s.timeMs < expected.startMs + width) {
                        expected.min = std::min(expected.min, s.value);
                        expected.max = std::max(expected.max, s.value);
                        expected.avg += s.value;
                        ++expected.count;
                    }
                }
                expected.avg /= double(expected.count);
                compareStep(result[i], expected);
            }
        }
        // Zoomed in to a minute around the spike: the raw samples, one per step.
        const auto close = store.steps("t", spike - 30000, spike + 30000, 6, &error);
        compareStep(close[3], {spike, 95.5, 95.5, 95.5, 1});
        QVERIFY(close[2].max < 21 && close[4].max < 21);
        // Sparse points take their raw samples even at a wide zoom.
        QVERIFY(store.write({good("sparse", t0 + 90000, 3), good("sparse", t0 + 150000, 4)}, &error));
        const auto sparse = store.steps("sparse", t0, t0 + 2 * kDay, 1920, &error);
        compareStep(sparse[1], {t0 + 90000, 3, 4, 3.5, 2});
        QCOMPARE(store.steps("none", t0, t0 + kDay, 10, &error)[9].count, 0);
        QVERIFY(store.steps("t", t0, t0, 10, &error).isEmpty());
    }

    // Rows within the range's edges, oldest first and rows of one time as
    // written, for a writer and for a reader beside it.
    void journalQuery_data() { backends(); }
    void journalQuery()
    {
        BACKEND(backend);
        OPEN(store, backend, 0, 0);
        const auto row = [](qint64 t, const char *point, int priority, Event e) {
            return AlarmEvent{t, point, "high", priority, e, t == 1000 ? 91.5 : qQNaN(), "jan", "a, \"b\"", "T"};
        };
        const QVector<AlarmEvent> all{row(1000, "a", 1, Event::Raised),       row(2000, "b", 2, Event::Raised),
                                      row(2000, "a", 1, Event::Acknowledged), row(2000, "a", 1, Event::Cleared),
                                      row(3000, "ab", 3, Event::Raised),      row(4000, "a", 1, Event::Shelved)};
        QString error;
        QVERIFY2(store.writeAlarms(all.mid(4), {}, &error), qPrintable(error));
        QVERIFY2(store.writeAlarms(all.mid(0, 4), {}, &error), qPrintable(error));
        HistoryStore reader;
        QVERIFY2(reader.openForReading(backend.record(), backend.projectDir(), 0, 0, &error), qPrintable(error));
        const auto read = [&](HistoryStore &from, const AlarmJournalQuery &q) {
            QVector<AlarmEvent> events{row(0, "stale", 1, Event::Raised)};
            if (!from.journal(q, &events, &error))
                qWarning() << error;
            return events;
        };
        AlarmJournalQuery q;
        QCOMPARE(read(store, q), all);
        QCOMPARE(read(reader, q), all);
        q.fromMs = 2000;
        q.toMs = 4000;
        QCOMPARE(read(reader, q), all.mid(1, 4));
        q = {};
        q.point = "a";
        QCOMPARE(read(reader, q), (QVector<AlarmEvent>{all[0], all[2], all[3], all[5]}));
        q.events = {Event::Cleared, Event::Shelved};
        QCOMPARE(read(reader, q), (QVector<AlarmEvent>{all[3], all[5]}));
        q = {};
        q.priority = 2;
        QCOMPARE(read(reader, q), all.mid(1, 1));
        q = {};
        q.limit = 4;
        QCOMPARE(read(reader, q), all.mid(2));
        q.toMs = 1000;
        QCOMPARE(read(reader, q), QVector<AlarmEvent>());
    }

    // Rows of every action with awkward texts, appended in two transactions
    // (the second with an earlier time and one of a time the first has):
    // oldest first, rows of one time as written, for the writer, for a
    // reader beside it and after a reopening. A range takes its start, not
    // its end; a user is matched exactly.
    void auditTrail_data() { backends(); }
    void auditTrail()
    {
        BACKEND(backend);
        using Action = AuditRecord::Action;
        const qint64 t0 = recentHour();
        const QStringList texts{
            "a, \"b\"\nc\r\nd",        QStringLiteral("zażółć gęślą jaźń 🔥"), "  spaces  ", "\t", "C:\\temp\\'x'",
            "'; DROP TABLE audit; --", QString(5000, QLatin1Char('x')),       QString(),    ""};
        QVector<AuditRecord> first;
        for (int a = 0; a <= int(Action::UsersChanged); ++a) {
            const QString &text = texts.at(a % texts.size());
            first << AuditRecord{t0 + qMax(1, a) * 1000,
                                 a % 3 ? "jan" : QStringLiteral("łucja"),
                                 "stacja-1",
                                 Action(a),
                                 "KOT",
                                 text,
                                 "55.0",
                                 text,
                                 QString(),
                                 texts.at((a + 3) % texts.size())};
        }
        const QVector<AuditRecord> second{
            {t0 - 5000, "Jan", "stacja-2", Action::LoginFailed, {}, {}, {}, {}, {}, "hasło"},
            {t0 + 1000, "jan", "stacja-2", Action::Logout, {}, {}, {}, {}, {}, {}}};
        QVector<AuditRecord> all = second.mid(0, 1) + first.mid(0, 2) + second.mid(1) + first.mid(2);
        const auto only = [&all](const std::function<bool(const AuditRecord &)> &keep) {
            QVector<AuditRecord> kept;
            std::copy_if(all.cbegin(), all.cend(), std::back_inserter(kept), keep);
            return kept;
        };
        QString error;
        {
            OPEN(store, backend, 0, 0);
            QVERIFY2(store.appendAudit(first, &error), qPrintable(error));
            QVERIFY2(store.appendAudit(second, &error), qPrintable(error));
        }
        OPEN(store, backend, 0, 0);
        HistoryStore reader;
        QVERIFY2(reader.openForReading(backend.record(), backend.projectDir(), 0, 0, &error), qPrintable(error));
        const auto read = [&](HistoryStore &from, const AuditQuery &q) {
            QVector<AuditRecord> rows{second.first()};
            if (!from.audit(q, &rows, &error))
                qWarning() << error;
            return rows;
        };
        QCOMPARE(read(store, {}), all);
        QCOMPARE(read(reader, {}), all);
        QCOMPARE(read(reader, {t0 + 1000, t0 + 4000, {}}),
                 only([&](const AuditRecord &r) { return r.timeMs >= t0 + 1000 && r.timeMs < t0 + 4000; }));
        QCOMPARE(read(reader, {0, std::numeric_limits<qint64>::max(), "jan"}),
                 only([](const AuditRecord &r) { return r.user == "jan"; }));
        QCOMPARE(read(reader, {t0, t0 + 3000, "jan"}),
                 only([&](const AuditRecord &r) { return r.user == "jan" && r.timeMs >= t0 && r.timeMs < t0 + 3000; }));
        QCOMPARE(read(reader, {0, t0 + kHour, "nobody"}), QVector<AuditRecord>());
        QCOMPARE(read(reader, {t0 + 1000, t0 + 1000, {}}), QVector<AuditRecord>());
        // A NUL, which a server's text cannot hold, is kept as U+FFFD on
        // either store rather than failing the write.
        AuditRecord nul = second.first();
        nul.detail = QString::fromUtf16(u"a\0b", 3);
        QVERIFY2(store.appendAudit({nul}, &error), qPrintable(error));
        QCOMPARE(read(store, {t0 - 5000, t0 - 4999, "Jan"}).value(1).detail, QStringLiteral("a\uFFFDb"));
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    // Two days from 00:05: 289 periods of 10 minutes, one of them in flood
    // (10 raises) beside one of 9, a chattering alarm, stale ones, and raises
    // at the range's edges that do not count.
    // One holder at a time: a lease is taken when free, renewed by its
    // holder, refused to another while live and taken once it lapsed (three
    // intervals of the store's clock without a renewal), freed only by its
    // holder. Two connections stand for two engines.
    void leaseKeepsOneEngine_data() { backends(); }
    void leaseKeepsOneEngine()
    {
        BACKEND(backend);
        OPEN(first, backend, 0, 0);
        OPEN(second, backend, 0, 0);
        StoreLease a = StoreLease::ofThisProcess(60000);
        StoreLease b = StoreLease::ofThisProcess(60000);
        QVERIFY(a.holder != b.holder);
        StoreLease seen;
        QString error;
        QVERIFY2(second.lease(&seen, &error), qPrintable(error));
        QVERIFY(seen.isFree() && seen.isLapsed());
        QVERIFY2(first.claimLease(a, &seen, &error), qPrintable(error));
        QVERIFY(seen.isHeldBy(a));
        const qint64 taken = seen.renewedMs;
        QVERIFY(second.claimLease(b, &seen, &error));
        QVERIFY(seen.isHeldBy(a) && !seen.isLapsed());
        QCOMPARE(seen.host, a.host);
        QCOMPARE(seen.pid, a.pid);
        QVERIFY(second.releaseLease(b.holder, &error)); // not b's to free
        QTest::qWait(5);
        QVERIFY(first.claimLease(a, &seen, &error));
        QVERIFY(seen.isHeldBy(a) && seen.renewedMs > taken);

        // a renews every 2 ms and stops: after 6 ms the lease has lapsed.
        a.intervalMs = 2;
        QVERIFY(first.claimLease(a, &seen, &error));
        QTest::qWait(20);
        QVERIFY(second.lease(&seen, &error));
        QVERIFY(seen.isHeldBy(a) && seen.isLapsed());
        QVERIFY(second.claimLease(b, &seen, &error));
        QVERIFY(seen.isHeldBy(b));
        QVERIFY(first.claimLease(a, &seen, &error)); // back, and refused
        QVERIFY(seen.isHeldBy(b));
        QVERIFY(second.releaseLease(b.holder, &error));
        QVERIFY(first.lease(&seen, &error));
        QVERIFY(seen.isFree());
    }

    // Actions sent by stations reach the engine once each, in the order
    // sent, their texts whole.
    void alarmCommandsTakenOnce_data() { backends(); }
    void alarmCommandsTakenOnce()
    {
        BACKEND(backend);
        OPEN(station, backend, 0, 0);
        OPEN(engine, backend, 0, 0);
        const QVector<AlarmCommand> sent{
            {AlarmCommand::Action::Acknowledge, "kot1_zas", "high", 0, "jan", "dyżurka", "widzę, jadę", 1000},
            {AlarmCommand::Action::Shelve, "kot1_zas", "low", 90, "ewa", "laptop", "", 1001},
            {AlarmCommand::Action::TakeOutOfService, "comm-K1", "comm", 0, "ewa", "laptop", "wymiana\nczujnika", 1002}};
        QString error;
        QVERIFY2(station.sendAlarmCommands(sent.mid(0, 2), &error), qPrintable(error));
        QVERIFY(station.sendAlarmCommands(sent.mid(2), &error));
        QVector<AlarmCommand> taken;
        QVERIFY2(engine.takeAlarmCommands(&taken, &error), qPrintable(error));
        QCOMPARE(taken, sent);
        QVERIFY(engine.takeAlarmCommands(&taken, &error));
        QVERIFY(taken.isEmpty());
    }

    void alarmReportOfAJournal_data() { backends(); }
    void alarmReportOfAJournal()
    {
        BACKEND(backend);
        OPEN(store, backend, 0, 0);
        const qint64 day = QDateTime(QDate(2026, 12, 7), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
        const qint64 from = day + 5 * kMinute;
        const qint64 to = from + 2 * kDay;
        QVector<AlarmEvent> journal;
        const auto raise = [&](qint64 t, const QString &point, int priority, qint64 clearedAfter, const char *text = "x") {
            journal.append({t, point, "high", priority, Event::Raised, 1, {}, {}, text});
            journal.append({t + 1, point, "high", priority, Event::Acknowledged, 1, "jan", {}, text});
            if (clearedAfter)
                journal.append({t + clearedAfter, point, "high", priority, Event::Cleared, 0, {}, {}, text});
        };
        raise(day + kMinute, "s0", 1, 0);
        raise(to, "s0", 1, 0);
        // Raises 3 to 5 are 40, 60 and 110 s after the raise two before.
        for (qint64 s : {0, 20, 40, 80, 150})
            raise(day + 10 * kMinute + s * 1000, "c", 4, 5000, s == 150 ? "Chatter" : "old");
        for (int i = 1; i <= 5; ++i)
            raise(day + 10 * kMinute + i * kMinute, QStringLiteral("p%1").arg(i), 3, 1000);
        for (int i = 0; i < 9; ++i)
            raise(day + 20 * kMinute + i * kMinute, "d", 4, 30000);
        raise(day + 6 * kMinute, "s1", 1, 25 * kHour);
        raise(day + kHour, "s2", 2, 23 * kHour);
        raise(to - 25 * kHour, "s3", 1, 0);
        raise(to - 23 * kHour, "s4", 3, 0);
        journal.append({day + 40 * kMinute, "d", "high", 4, Event::Shelved, qQNaN(), "jan", {}, "x"});
        journal.append({day + 50 * kMinute, "p1", "high", 3, Event::OutOfService, qQNaN(), "jan", {}, "x"});
        const AlarmSnapshot shelved{"d", "high", AlarmSnapshot::State::Normal, 0, to + kHour, false};
        const AlarmSnapshot outOfService{"p1", "high", AlarmSnapshot::State::Normal, 0, 0, true};
        QString error;
        QVERIFY2(store.writeAlarms(journal, {shelved, outOfService}, &error), qPrintable(error));
        AlarmReport r;
        QVERIFY2(store.alarmReport(from, to, &r, &error), qPrintable(error));
        QCOMPARE(r.alarms, 23);
        QCOMPARE(r.periods, 289);
        QCOMPARE(r.peakCount, 10);
        QCOMPARE(r.peakStartMs, day + 10 * kMinute);
        QCOMPARE(r.floodPeriods, 1);
        QCOMPARE((QVector<qint64>{r.byPriority[0], r.byPriority[1], r.byPriority[2], r.byPriority[3]}),
                 (QVector<qint64>{2, 1, 6, 14}));
        QCOMPARE(r.highShare(), 3.0 / 23);
        QStringList frequent;
        for (const AlarmReport::Alarm &a : r.mostFrequent)
            frequent << QStringLiteral("%1 %2 %3").arg(a.point, a.text).arg(a.count);
        QCOMPARE(frequent, (QStringList{"d x 9", "c Chatter 5", "p1 x 1", "p2 x 1", "p3 x 1", "p4 x 1", "p5 x 1",
                                        "s1 x 1", "s2 x 1", "s3 x 1"}));
        QCOMPARE(r.chattering.size(), 1);
        QCOMPARE(r.chattering[0].point + r.chattering[0].text, QStringLiteral("cChatter"));
        QCOMPARE(r.chattering[0].count, 2);
        QCOMPARE(r.stale.size(), 2);
        QCOMPARE(r.stale[0].point, QStringLiteral("s1"));
        QCOMPARE(r.stale[0].raisedMs, day + 6 * kMinute);
        QCOMPARE(r.stale[1].point, QStringLiteral("s3"));
        QCOMPARE(r.stale[1].raisedMs, to - 25 * kHour);
        QCOMPARE(r.shelvedEvents + 10 * r.outOfServiceEvents, 11);
        QCOMPARE(r.shelvedNow, QVector<AlarmSnapshot>{shelved});
        QCOMPARE(r.outOfServiceNow, QVector<AlarmSnapshot>{outOfService});
    }

    void purgeKeepsWhatIsWithinRetention_data() { backends(); }
    void purgeKeepsWhatIsWithinRetention()
    {
        BACKEND(backend);
        OPEN(store, backend, 5, 8);
        const qint64 now = recentHour();
        QString error;
        QVector<HistorySample> samples;
        for (int daysAgo : {10, 7, 3, 0}) {
            samples.append(good("a", now - daysAgo * kDay, daysAgo));
            samples.append(good("b", now - daysAgo * kDay - 1, daysAgo));
        }
        QVERIFY(store.write(samples, &error));
        // The journal keeps the rollups' days, from the start of the first.
        const qint64 firstDay = (now - 8 * kDay) - (now - 8 * kDay) % kDay;
        QVector<AlarmEvent> events;
        for (qint64 t : {firstDay - 1, firstDay, now})
            events.append({t, "a", "high", 1, Event::Raised, qQNaN(), {}, {}, {}});
        QVERIFY(store.writeAlarms(events, {}, &error));
        // The audit trail keeps every row, however old.
        QVector<AuditRecord> audit;
        for (qint64 t : {qint64(0), firstDay - 1, now})
            audit.append({t, "jan", "stacja", AuditRecord::Action::Login, {}, {}, {}, {}, {}, {}});
        QVERIFY(store.appendAudit(audit, &error));
        QVERIFY2(store.purge(now, &error), qPrintable(error));
        QVector<AlarmEvent> kept;
        QVERIFY2(store.journal({}, &kept, &error), qPrintable(error));
        QCOMPARE(kept, events.mid(1));
        OPEN(forEver, backend, 0, 0);
        QVERIFY(forEver.purge(now + 1000 * kDay, &error));
        QVERIFY(forEver.journal({}, &kept, &error));
        QCOMPARE(kept, events.mid(1));
        QVector<AuditRecord> auditKept;
        QVERIFY2(store.audit({}, &auditKept, &error), qPrintable(error));
        QCOMPARE(auditKept, audit);
        const auto raw = store.samples("a", 0, now + 1, &error);
        QCOMPARE(raw.size(), 2);
        QCOMPARE(raw.first().timeMs, now - 3 * kDay);
        QCOMPARE(store.samples("b", 0, now + 1, &error).size(), 2);
        // The rollups of 7 days ago stay, those of 10 days ago are gone; beyond
        // the retention the steps come from the rollups, raw samples or not.
        const auto steps = store.steps("a", now - 11 * kDay, now - 6 * kDay, 5, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(steps[1].count, 0);
        compareStep(steps[4], {now - 7 * kDay, 7, 7, 7, 1});
    }

    // A run of samples that were not good is one gap, up to the next good
    // sample: one open before the range starts with it, one still open
    // ends with it; passes not yet folded in count too.
    void gapsOfARecord_data() { backends(); }
    void gapsOfARecord()
    {
        BACKEND(backend);
        OPEN(store, backend, 0, 0);
        const qint64 t0 = recentHour();
        QString error;
        const QVector<HistorySample> imported{{"p", t0, 0, Quality::NoAnswer},      good("p", t0 + 20000, 1),
                                              {"p", t0 + 60000, 0, Quality::Missing}, {"p", t0 + 70000, 0, Quality::NoAnswer},
                                              {"p", t0 + 80000, 3, Quality::Error},   good("p", t0 + 90000, 2),
                                              good("p", t0 + 100000, 2)};
        QVERIFY2(store.importSamples(imported, &error), qPrintable(error));
        const HistoryGaps all = store.gaps("p", t0, t0 + kHour, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(all, HistoryGaps({{t0, t0 + 20000}, {t0 + 60000, t0 + 90000}}));
        QCOMPARE(store.gaps("p", t0 + 10000, t0 + 65000, &error), HistoryGaps({{t0 + 10000, t0 + 20000}, {t0 + 60000, t0 + 65000}}));
        QCOMPARE(store.gaps("p", t0 + 95000, t0 + kHour, &error), HistoryGaps());
        QCOMPARE(store.gaps("unknown", t0, t0 + kHour, &error), HistoryGaps());

        const qint64 later = t0 + 2 * kHour;
        QVERIFY2(store.write({{"p", later, 0, Quality::NoAnswer}}, &error), qPrintable(error));
        QVERIFY2(store.write({good("p", later + 10000, 5)}, &error), qPrintable(error));
        QVERIFY2(store.write({{"p", later + 20000, 0, Quality::NoAnswer}}, &error), qPrintable(error));
        QCOMPARE(store.gaps("p", t0 + kHour, later + kHour, &error),
                 HistoryGaps({{later, later + 10000}, {later + 20000, later + kHour}}));
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    // What a reader beside the writer gets, before a fold, across one, and
    // after one made on reopening: the same samples, steps and counts.
    void stagedPassesReadAsFolded()
    {
        HistoryBackend backend(false);
        const qint64 t0 = recentHour();
        QVector<HistorySample> written;
        QString error;
        HistoryStore reader;
        const auto readsAsWritten = [&] {
            const qint64 toMs = written.last().timeMs + 1;
            QVERIFY2(reader.openForReading(backend.record(), backend.projectDir(), 0, 0, &error), qPrintable(error));
            QCOMPARE(reader.samples("a", t0, toMs, &error) + reader.samples("b", t0, toMs, &error), written);
            const auto steps = reader.steps("a", t0, toMs, 2, &error);
            QCOMPARE(steps[0].count + steps[1].count, qint64(written.size() / 2));
            QCOMPARE(steps[0].min, 0.0);
            QCOMPARE(steps[1].max, double(written.size() / 2 - 1));
            HistoryStats stats;
            QVERIFY(reader.stats(&stats, &error));
            QCOMPARE(stats.samples, written.size());
            QCOMPARE(stats.lastMs, written.last().timeMs);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            reader.close();
        };
        const auto stagedRows = [&] {
            QVariant rows;
            return runSql(backend.dir().filePath("history.sqlite"), {"SELECT count(*) FROM recent"}, &rows) && rows.isValid() ? rows.toInt() : -1;
        };
        {
            OPEN(writer, backend, 0, 0);
            for (int pass = 0; pass < 100; ++pass) {
                const qint64 t = t0 + pass * 10000;
                const QVector<HistorySample> samples{good("a", t, pass), {"b", t, 0, Quality::NoAnswer}};
                QVERIFY2(writer.write(samples, &error), qPrintable(error));
                written.insert(pass, samples.first());
                written.append(samples.last());
                if (pass == 10) {
                    QCOMPARE(stagedRows(), 11);
                    readsAsWritten();
                }
            }
            QVERIFY(stagedRows() < 100);
            readsAsWritten();
        }
        HistoryStore writer;
        QVERIFY(writer.open(backend.record(), backend.projectDir(), 0, 0, &error));
        QCOMPARE(stagedRows(), 0);
        readsAsWritten();
    }

    // A store of schema version 1 (before staging) or 4 (before the audit
    // trail) opens with its samples and alarm journal and takes audit rows;
    // opened again, all of it is there.
    void earlierSchemaMigrated_data()
    {
        QTest::addColumn<bool>("postgres");
        QTest::addColumn<int>("version");
        for (bool postgres : {false, true}) {
            for (int version : {1, 4})
                QTest::addRow("%s, version %d", postgres ? "postgresql" : "sqlite", version) << postgres << version;
        }
    }
    void earlierSchemaMigrated()
    {
        QFETCH(int, version);
        BACKEND(backend);
        const HistoryDialect dialect(postgres);
        const QVector<QStringList> steps{dialect.schemaVersion1(), dialect.schemaVersion2(), dialect.schemaVersion3(),
                                         dialect.schemaVersion4()};
        QStringList sql{"CREATE TABLE schema_version (version INTEGER NOT NULL)",
                        QStringLiteral("INSERT INTO schema_version VALUES (%1)").arg(version)};
        for (int step = 0; step < version; ++step)
            sql += steps.at(step);
        sql << "INSERT INTO points (id, name) VALUES (1, 'p')"
            << "INSERT INTO samples VALUES (1, 5000, 21.5, 0)";
        const AlarmEvent raised{4000, "p", "high", 1, Event::Raised, 91.5, {}, {}, QStringLiteral("Za gorąco")};
        if (version >= 3)
            sql << QStringLiteral("INSERT INTO alarm_journal (t, point, kind, priority, event, value, by_user, comment,"
                                  " alarm_text) VALUES (4000, 'p', 'high', 1, 'raised', 91.5, '', '', 'Za gorąco')");
        QString error;
        QVERIFY2(backend.exec(sql, &error), qPrintable(error));
        const AuditRecord login{7000, "jan", "stacja", AuditRecord::Action::Login, {}, {}, {}, {}, {}, {}};
        for (int pass = 0; pass < 2; ++pass) {
            OPEN(store, backend, 0, 0);
            if (pass == 0)
                QVERIFY(store.write({good("p", 6000, 3)}, &error) && store.appendAudit({login}, &error));
            QCOMPARE(store.samples("p", 0, 10000, &error),
                     (QVector<HistorySample>{good("p", 5000, 21.5), good("p", 6000, 3)}));
            QVector<AlarmEvent> journal;
            QVERIFY2(store.journal({}, &journal, &error), qPrintable(error));
            QCOMPARE(journal, version >= 3 ? QVector<AlarmEvent>{raised} : QVector<AlarmEvent>());
            QVector<AuditRecord> audit;
            QVERIFY2(store.audit({}, &audit, &error), qPrintable(error));
            QCOMPARE(audit, QVector<AuditRecord>{login});
        }
    }

    // Garbage where the store should be is kept aside, never overwritten, and
    // a new store takes its place.
    void unreadableFileKeptAside()
    {
        HistoryBackend backend(false);
        const QByteArray garbage = QByteArray("not a database at all ").repeated(300);
        backend.dir().write("history.sqlite", garbage);
        backend.dir().write("history.sqlite-wal", "old log");
        backend.dir().write("history.sqlite.unreadable", "an earlier one");
        HistoryStore store;
        QString error;
        QVERIFY2(store.open(backend.record(), backend.projectDir(), 0, 0, &error), qPrintable(error));
        QVERIFY(store.lastWarning().contains("history.sqlite.unreadable-2"));
        QCOMPARE(backend.dir().read("history.sqlite.unreadable-2"), garbage);
        QCOMPARE(backend.dir().read("history.sqlite.unreadable-2-wal"), QByteArray("old log"));
        QCOMPARE(backend.dir().read("history.sqlite.unreadable"), QByteArray("an earlier one"));
        QVERIFY(store.write({good("p", 1000, 1)}, &error));
        store.close();
        QVERIFY(store.open(backend.record(), backend.projectDir(), 0, 0, &error));
        QVERIFY(store.lastWarning().isEmpty());
        QCOMPARE(store.samples("p", 0, 2000, &error).size(), 1);
        store.close();

        // SQLite's own header over a damaged rest: SQLite itself refuses it.
        const QByteArray damaged = QByteArray("SQLite format 3", 16) + QByteArray(4080, '\x7f');
        backend.dir().write("history.sqlite", damaged);
        QVERIFY2(store.open(backend.record(), backend.projectDir(), 0, 0, &error), qPrintable(error));
        QVERIFY(store.lastWarning().contains("history.sqlite.unreadable-3"));
        QCOMPARE(backend.dir().read("history.sqlite.unreadable-3"), damaged);
    }

    // A missing folder is not made, another program's database and a newer
    // version's store are not touched.
    void foreignFilesLeftAlone()
    {
        HistoryBackend backend(false);
        StoreRecord record;
        record.path = QStringLiteral("usb/history.sqlite");
        HistoryStore store;
        QString error;
        QVERIFY(!store.open(record, backend.projectDir(), 0, 0, &error));
        QVERIFY(error.contains("usb"));
        QVERIFY(!QDir(backend.dir().filePath("usb")).exists());

        for (const char *sql : {"CREATE TABLE invoices (n INTEGER)", "CREATE TABLE schema_version (version INTEGER)"}) {
            const QString path = backend.dir().filePath(QStringLiteral("other.sqlite"));
            QFile::remove(path);
            QCOMPARE(runSql(path, {sql, "INSERT INTO schema_version VALUES (99)"}), QByteArray(sql).contains("schema_version"));
            const QByteArray before = backend.dir().read("other.sqlite");
            record.path = QStringLiteral("other.sqlite");
            error.clear();
            QVERIFY(!store.open(record, backend.projectDir(), 0, 0, &error));
            QVERIFY(!error.isEmpty());
            QVERIFY(!store.isOpen());
            QCOMPARE(backend.dir().read("other.sqlite"), before);
        }
    }

private:
    static void backends()
    {
        QTest::addColumn<bool>("postgres");
        QTest::newRow("sqlite") << false;
        QTest::newRow("postgresql") << true;
    }
};

QTEST_GUILESS_MAIN(HistoryStoreTest)
#include "tst_historystore.moc"
