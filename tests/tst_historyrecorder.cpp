#include "historybackend.h"
#include "historyrecorder.h"
#include "historystore.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

namespace {

const int kLong = 60000; // a loaded sanitizer build may be slow

QVector<HistorySample> batch(int first, int count)
{
    QVector<HistorySample> samples;
    for (int i = first; i < first + count; ++i)
        samples.append({QStringLiteral("p"), 1700000000000 + i * 1000, double(i), HistorySample::Quality::Good});
    return samples;
}

QVector<HistorySample> readAll(const StoreRecord &record, const QString &dir, const QString &point, QString *error)
{
    HistoryStore store;
    if (!store.open(record, dir, 0, 0, error))
        return {};
    return store.samples(point, 0, 1800000000000, error);
}

QVector<AuditRecord> logins(int first, int count)
{
    QVector<AuditRecord> records;
    for (int i = first; i < first + count; ++i)
        records.append({1700000000000 + i / 2 * 1000,
                        QStringLiteral("u%1").arg(i),
                        "stacja",
                        AuditRecord::Action::Login,
                        {},
                        {},
                        {},
                        {},
                        {},
                        {}});
    return records;
}

QVector<AuditRecord> auditOf(const StoreRecord &record, const QString &dir, QString *error)
{
    HistoryStore store;
    QVector<AuditRecord> records;
    if (store.open(record, dir, 0, 0, error))
        store.audit({}, &records, error);
    return records;
}

} // namespace

class HistoryRecorderTest : public QObject
{
    Q_OBJECT

private slots:
    void buffersWhileStoreIsAway_data()
    {
        QTest::addColumn<bool>("postgres");
        QTest::newRow("sqlite, folder not there yet") << false;
        QTest::newRow("postgresql, database not there yet") << true;
    }

    // The store is missing at the start for real: the folder of the SQLite
    // file does not exist yet, or the PostgreSQL database has not been made.
    // Once it is there, all that the buffer kept is written, and every audit
    // row, each once and in order.
    void buffersWhileStoreIsAway()
    {
        QFETCH(bool, postgres);
        if (postgres && !HistoryBackend::postgresGiven())
            QSKIP("no PostgreSQL server given (TESK_TEST_PG_*); scripts/test starts one");
        HistoryBackend backend(postgres, false);
        StoreRecord record = backend.record();
        if (!postgres)
            record.path = QStringLiteral("later/history.sqlite");

        HistoryRecorder recorder(record, backend.projectDir(), 0, 0, 50);
        QSignalSpy away(&recorder, &HistoryRecorder::storeUnavailable);
        QSignalSpy back(&recorder, &HistoryRecorder::storeAvailable);
        for (int first = 0; first < 60; first += 20) {
            recorder.record(batch(first, 20));
            recorder.recordAudit(logins(first, 20));
        }
        QTRY_COMPARE_WITH_TIMEOUT(recorder.droppedSamples(), 10, kLong);
        QCOMPARE(away.size(), 1);
        QVERIFY(!away.first().at(0).toString().isEmpty());
        QCOMPARE(away.first().at(1).toDateTime().timeSpec(), Qt::UTC);

        QString error;
        if (postgres)
            QVERIFY2(backend.create(&error), qPrintable(error));
        else
            QVERIFY(QDir(backend.projectDir()).mkpath("later"));
        // Nothing is recorded meanwhile: the retry timer brings it back.
        QTRY_COMPARE_WITH_TIMEOUT(back.size(), 1, kLong);
        recorder.record(batch(60, 5));
        recorder.recordAudit(logins(60, 5));
        if (postgres) {
            // Lost again soon after it came back: said at once, and not said
            // back while written again until it has held for a while.
            QVERIFY2(backend.dropConnections(&error), qPrintable(error));
            recorder.record(batch(65, 5));
            recorder.recordAudit(logins(65, 5));
            QTRY_COMPARE_WITH_TIMEOUT(away.size(), 2, kLong);
            QTRY_COMPARE_WITH_TIMEOUT(readAll(record, backend.projectDir(), "p", &error).size(), 60, kLong);
            QTest::qWait(500); // for a report of the writer's thread to arrive
            QCOMPARE(back.size(), 1);
        }
        recorder.stop();
        QCOMPARE(readAll(record, backend.projectDir(), "p", &error), batch(10, postgres ? 60 : 55));
        QCOMPARE(auditOf(record, backend.projectDir(), &error), logins(0, postgres ? 70 : 65));
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    void stopWritesWhatWasRecorded()
    {
        HistoryBackend backend(false);
        {
            HistoryRecorder recorder(backend.record(), backend.projectDir(), 0, 0, 100000);
            for (int first = 0; first < 5000; first += 500)
                recorder.record(batch(first, 500));
        }
        QString error;
        QCOMPARE(readAll(backend.record(), backend.projectDir(), "p", &error), batch(0, 5000));
    }

    // A loopback port that takes connections and never says a word: the
    // connection attempt would wait its whole 10 s time-out. Closing gives up
    // at once and tells what it could not write, audit rows included.
    void stopDoesNotWaitForAServerThatNeverAnswers()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        StoreRecord record;
        record.driver = QStringLiteral("postgresql");
        record.host = QStringLiteral("127.0.0.1");
        record.port = QString::number(silent.serverPort());
        record.database = record.user = QStringLiteral("tesk");
        HistoryRecorder recorder(record, QDir::tempPath(), 0, 0, 100);
        recorder.record(batch(0, 20));
        recorder.recordAudit(logins(0, 3));
        QTest::qWait(300);
        QElapsedTimer closing;
        closing.start();
        QCOMPARE(recorder.stop(), qint64(23));
        QVERIFY2(closing.elapsed() < 5000, qPrintable(QString::number(closing.elapsed())));
        QCOMPARE(recorder.stop(), qint64(0));
    }

    // A writer killed with SIGKILL in the middle of its passes: every pass it
    // reported committed is there, no pass is there in part, and the rollups
    // hold exactly what the raw samples hold.
    void killedWhileWritingLosesOnlyThePassInFlight()
    {
        HistoryBackend backend(false);
        const int points = 200;
        QProcess child;
        child.start(QStringLiteral(TESK_HISTORY_KILL_CHILD), {backend.projectDir(), QString::number(points)});
        QVERIFY(child.waitForStarted(kLong));
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += child.readAllStandardOutput()).count('\n') >= 30, kLong);
        child.kill();
        QVERIFY(child.waitForFinished(kLong));
        out += child.readAllStandardOutput();
        const int reported = out.count('\n');

        HistoryStore store;
        QString error;
        QVERIFY2(store.open(StoreRecord(), backend.projectDir(), 0, 0, &error), qPrintable(error));
        const int passes = store.samples("p0", 0, 1800000000000, &error).size();
        QVERIFY2(passes == reported || passes == reported + 1, qPrintable(QString("%1 of %2").arg(passes).arg(reported)));
        HistoryStats stats;
        QVERIFY(store.stats(&stats, &error));
        QCOMPARE(stats.samples, qint64(passes) * points);
        for (const QString &point : {QStringLiteral("p1"), QStringLiteral("p%1").arg(points - 1)}) {
            const auto steps = store.steps(point, 1700000000000 - 60000, 1700000000000 + 3600000, 61, &error);
            qint64 counted = 0;
            for (const HistoryStep &s : steps)
                counted += s.count;
            QCOMPARE(counted, qint64(passes));
        }
        QVERIFY(store.write(batch(0, 1), &error));
    }
};

QTEST_GUILESS_MAIN(HistoryRecorderTest)
#include "tst_historyrecorder.moc"
