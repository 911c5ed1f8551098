#include "logmodel.h"

#include <QtTest>

namespace {

// A clock the test moves by hand.
struct FakeClock
{
    QDateTime now = QDateTime(QDate(2026, 12, 6), QTime(8, 0, 0));
    LogModel::Clock fn()
    {
        return [this] { return now; };
    }
};

QStringList rows(const LogModel &m)
{
    QStringList out;
    for (int r = 0; r < m.rowCount(); ++r)
        out << m.data(m.index(r)).toString();
    return out;
}

} // namespace

class TestLogModel : public QObject
{
    Q_OBJECT

private slots:
    void rowsCarryTimeTextAndIcon();
    void filterHidesButKeepsEntries();
    void setFilterLeavesShownRows();
    void unknownKindsStoredNeverShown();
    void hourlyEmptying();
    void clockMovedBackEmpties();
};

void TestLogModel::rowsCarryTimeTextAndIcon()
{
    FakeClock clock;
    LogModel m;
    m.setClock(clock.fn());
    QVERIFY(m.append(QStringLiteral("Aktualizacja danych"), LogEntry::Info));
    clock.now = clock.now.addSecs(5);
    QVERIFY(m.append(QStringLiteral("wysłano"), LogEntry::Send));
    QCOMPARE(rows(m), QStringList({QStringLiteral("08:00:00 Aktualizacja danych"),
                                   QStringLiteral("08:00:05 wysłano")}));
    const QIcon send = qvariant_cast<QIcon>(m.data(m.index(1), Qt::DecorationRole));
    QVERIFY(!send.isNull());
    QCOMPARE(send.pixmap(24).toImage(), QIcon(QStringLiteral(":/send")).pixmap(24).toImage());
}

void TestLogModel::filterHidesButKeepsEntries()
{
    FakeClock clock;
    LogModel m;
    m.setClock(clock.fn());
    const int kinds[] = {LogEntry::Info, LogEntry::Read, LogEntry::Error, LogEntry::Send,
                         LogEntry::Warning, LogEntry::Read};
    int second = 0;
    for (int kind : kinds) {
        clock.now = clock.now.addSecs(1);
        m.append(QStringLiteral("e%1").arg(second++), kind);
    }
    LogFilter noData;
    noData.data = false;
    m.applyFilter(noData);
    QCOMPARE(rows(m), QStringList({QStringLiteral("08:00:01 e0"), QStringLiteral("08:00:03 e2"),
                                   QStringLiteral("08:00:05 e4")}));
    clock.now = clock.now.addSecs(10);
    QVERIFY(!m.append(QStringLiteral("hidden read"), LogEntry::Read));
    QCOMPARE(m.entries().size(), 7);

    LogFilter onlyData;
    onlyData.errors = onlyData.info = onlyData.warnings = false;
    m.applyFilter(onlyData);
    QCOMPARE(rows(m), QStringList({QStringLiteral("08:00:02 e1"), QStringLiteral("08:00:04 e3"),
                                   QStringLiteral("08:00:06 e5"), QStringLiteral("08:00:16 hidden read")}));
    // The sent entry keeps its own icon after a rebuild.
    QCOMPARE(qvariant_cast<QIcon>(m.data(m.index(1), Qt::DecorationRole)).pixmap(24).toImage(),
             QIcon(QStringLiteral(":/send")).pixmap(24).toImage());

    m.applyFilter(LogFilter());
    QCOMPARE(m.rowCount(), 7);
    QCOMPARE(m.entryAt(6).text, QStringLiteral("hidden read"));
}

void TestLogModel::setFilterLeavesShownRows()
{
    LogModel m;
    m.append(QStringLiteral("start"), LogEntry::Info);
    LogFilter noInfo;
    noInfo.info = false;
    m.setFilter(noInfo);
    QCOMPARE(m.rowCount(), 1);
    QVERIFY(!m.append(QStringLiteral("later"), LogEntry::Info));
    QCOMPARE(m.rowCount(), 1);
    m.applyFilter(noInfo);
    QCOMPARE(m.rowCount(), 0);
}

void TestLogModel::unknownKindsStoredNeverShown()
{
    LogModel m;
    QVERIFY(!m.append(QStringLiteral("odd"), 7));
    QVERIFY(!m.append(QStringLiteral("negative"), -1));
    m.applyFilter(LogFilter());
    QCOMPARE(m.rowCount(), 0);
    QCOMPARE(m.entries().size(), 2);
}

void TestLogModel::hourlyEmptying()
{
    FakeClock clock;
    LogModel m;
    m.setClock(clock.fn());
    const QDateTime start = clock.now;
    m.append(QStringLiteral("a"), LogEntry::Info);
    clock.now = start.addSecs(3599);
    m.append(QStringLiteral("b"), LogEntry::Error);
    QCOMPARE(m.entries().size(), 2);
    QCOMPARE(m.logStart(), start);

    QSignalSpy reset(&m, &QAbstractItemModel::modelReset);
    clock.now = start.addSecs(3600);
    m.append(QStringLiteral("c"), LogEntry::Read);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(m.entries().size(), 1);
    QCOMPARE(m.entries().first().text, QStringLiteral("c"));
    QCOMPARE(rows(m), QStringList(QStringLiteral("09:00:00 c")));
    QCOMPARE(m.logStart(), clock.now);
}

void TestLogModel::clockMovedBackEmpties()
{
    FakeClock clock;
    LogModel m;
    m.setClock(clock.fn());
    m.append(QStringLiteral("a"), LogEntry::Info);
    clock.now = clock.now.addSecs(-3599);
    m.append(QStringLiteral("b"), LogEntry::Info);
    QCOMPARE(m.rowCount(), 2);
    clock.now = clock.now.addSecs(-2);
    m.append(QStringLiteral("c"), LogEntry::Info);
    QCOMPARE(m.rowCount(), 1);
}

QTEST_MAIN(TestLogModel)
#include "tst_logmodel.moc"
