#include "logmodel.h"

#include <QAbstractItemModelTester>
#include <QtTest>

namespace {

const QDateTime kEight(QDate(2026, 12, 6), QTime(8, 0, 0));

// A model on a clock the test moves by hand, checked by Qt's model tester
// after every change it announces.
struct Log
{
    explicit Log(int maxEntries = LogModel::kMaxEntries)
        : model(nullptr, maxEntries)
        , tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest)
    {
        model.setClock([this] { return now.toMSecsSinceEpoch(); });
    }
    void write(const QString &text, int kind, int afterSeconds = 0)
    {
        now = now.addSecs(afterSeconds);
        model.append(text, kind);
    }
    QStringList rows() const
    {
        QStringList out;
        for (int r = 0; r < model.rowCount(); ++r)
            out << model.data(model.index(r)).toString();
        return out;
    }
    QStringList texts() const
    {
        QStringList out;
        for (const LogEntry &e : model.entries())
            out << e.text;
        return out;
    }

    QDateTime now = kEight;
    LogModel model;
    QAbstractItemModelTester tester;
};

QImage iconImage(const QVariant &icon)
{
    return qvariant_cast<QIcon>(icon).pixmap(24).toImage();
}

} // namespace

class TestLogModel : public QObject
{
    Q_OBJECT

private slots:
    void rowsReachViewsOncePerTurn();
    void filterHidesButKeepsEntries();
    void hourlyEmptying_data();
    void hourlyEmptying();
    void oldestDroppedBeyondTheLimit();
};

void TestLogModel::rowsReachViewsOncePerTurn()
{
    Log log;
    QSignalSpy inserted(&log.model, &QAbstractItemModel::rowsInserted);
    QSignalSpy published(&log.model, &LogModel::published);
    const QString polish = QStringLiteral("Zażółć gęślą jaźń ") + QString(300, QChar(0x142));
    log.write(QStringLiteral("Aktualizacja danych"), LogEntry::Info);
    log.write(QString(), LogEntry::Send, 5);
    log.write(polish, LogEntry::Read, 1);
    QCOMPARE(log.model.rowCount(), 0);
    QTRY_COMPARE(published.count(), 1);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(log.rows(), QStringList({QStringLiteral("08:00:00 Aktualizacja danych"), QStringLiteral("08:00:05 "),
                                      QStringLiteral("08:00:06 ") + polish}));
    QCOMPARE(log.texts(), QStringList({QStringLiteral("Aktualizacja danych"), QString(), polish}));
    QCOMPARE(log.model.entry(2).time, kEight.addSecs(6));
    QCOMPARE(iconImage(log.model.data(log.model.index(1), Qt::DecorationRole)),
             QIcon(QStringLiteral(":/send")).pixmap(24).toImage());
}

void TestLogModel::filterHidesButKeepsEntries()
{
    Log log;
    for (int kind : {0, 4, 2, 3, 1, 7, -1}) // info, read, error, send, warning, unknown
        log.write(QStringLiteral("k%1").arg(kind), kind, 1);
    LogFilter noData;
    noData.data = false;
    log.model.applyFilter(noData);
    QCOMPARE(log.rows(), QStringList({QStringLiteral("08:00:01 k0"), QStringLiteral("08:00:03 k2"),
                                      QStringLiteral("08:00:05 k1")}));
    // Switches loaded at start leave the rows already shown.
    LogFilter onlyData;
    onlyData.errors = onlyData.info = onlyData.warnings = false;
    log.model.setFilter(onlyData);
    QVERIFY(log.model.append(QStringLiteral("read later"), LogEntry::Read));
    QVERIFY(!log.model.append(QStringLiteral("info later"), LogEntry::Info));
    log.model.publish();
    QCOMPARE(log.model.rowCount(), 4);

    log.model.applyFilter(onlyData);
    QCOMPARE(log.rows(), QStringList({QStringLiteral("08:00:02 k4"), QStringLiteral("08:00:04 k3"),
                                      QStringLiteral("08:00:07 read later")}));
    // A sent entry keeps its own icon after a rebuild.
    QCOMPARE(iconImage(log.model.data(log.model.index(1), Qt::DecorationRole)),
             QIcon(QStringLiteral(":/send")).pixmap(24).toImage());
    log.model.applyFilter(LogFilter());
    QCOMPARE(log.model.rowCount(), 7); // never the unknown kinds
    QCOMPARE(log.model.size(), 9);
}

void TestLogModel::hourlyEmptying_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<bool>("emptied");
    QTest::newRow("3599 s later") << 3599 << false;
    QTest::newRow("3600 s later") << 3600 << true;
    QTest::newRow("clock back 3599 s") << -3599 << false;
    QTest::newRow("clock back 3600 s") << -3600 << true;
}

void TestLogModel::hourlyEmptying()
{
    QFETCH(int, seconds);
    QFETCH(bool, emptied);
    Log log;
    log.write(QStringLiteral("a"), LogEntry::Info);
    log.model.publish();
    log.write(QStringLiteral("b"), LogEntry::Error, seconds);
    log.model.publish();
    QCOMPARE(log.texts(), emptied ? QStringList(QStringLiteral("b")) : QStringList({"a", "b"}));
    QCOMPARE(log.model.rowCount(), emptied ? 1 : 2);
    QCOMPARE(log.model.logStart(), emptied ? log.now : kEight);
}

void TestLogModel::oldestDroppedBeyondTheLimit()
{
    Log log(8);
    LogFilter noInfo;
    noInfo.info = false;
    log.model.applyFilter(noInfo);
    QStringList shown;
    for (int i = 0; i < 30; ++i) {
        const int kind = i % 3 == 0 ? LogEntry::Info : LogEntry::Error;
        log.write(QStringLiteral("e%1").arg(i), kind, 1);
        if (kind == LogEntry::Error)
            shown << QStringLiteral("e%1").arg(i);
        if (i % 4 == 0)
            QCoreApplication::processEvents();
    }
    QCOMPARE(log.texts(), QStringList({"e22", "e23", "e24", "e25", "e26", "e27", "e28", "e29"}));
    QTRY_COMPARE(log.model.rowCount(), 6);
    QStringList rows = log.rows();
    for (QString &r : rows)
        r = r.section(QLatin1Char(' '), 1);
    QCOMPARE(rows, shown.mid(shown.size() - 6));
}

QTEST_MAIN(TestLogModel)
#include "tst_logmodel.moc"
