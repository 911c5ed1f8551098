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
    QString rows() const // "hh:mm:ss text" of each row, joined by "|"
    {
        QStringList out;
        for (int r = 0; r < model.rowCount(); ++r)
            out << model.data(model.index(r)).toString();
        return out.join(QLatin1Char('|'));
    }
    QImage icon(int row) const
    {
        return qvariant_cast<QIcon>(model.data(model.index(row), Qt::DecorationRole)).pixmap(24).toImage();
    }

    QDateTime now = kEight;
    LogModel model;
    QAbstractItemModelTester tester;
};

} // namespace

class TestLogModel : public QObject
{
    Q_OBJECT

private slots:
    // The entries of one turn of the event loop reach the views together, their
    // texts kept exactly.
    void rowsReachViewsOncePerTurn()
    {
        Log log;
        QSignalSpy inserted(&log.model, &QAbstractItemModel::rowsInserted);
        const QString polish = QStringLiteral("Zażółć gęślą jaźń ") + QString(300, QChar(0x142));
        log.write(QStringLiteral("Aktualizacja danych"), LogEntry::Info);
        log.write(QString(), LogEntry::Send, 5);
        log.write(polish, LogEntry::Read, 1);
        QCOMPARE(log.model.rowCount(), 0);
        QTRY_COMPARE(inserted.count(), 1);
        QCOMPARE(log.rows(), QStringLiteral("08:00:00 Aktualizacja danych|08:00:05 |08:00:06 ") + polish);
        QCOMPARE(log.model.entry(2).time, kEight.addSecs(6));
    }

    void filterHidesButKeepsEntries()
    {
        Log log;
        for (int kind : {0, 4, 2, 3, 1, 7, -1}) // info, read, error, send, warning, unknown
            log.write(QStringLiteral("k%1").arg(kind), kind, 1);
        LogFilter noData;
        noData.data = false;
        log.model.applyFilter(noData);
        QCOMPARE(log.rows(), QStringLiteral("08:00:01 k0|08:00:03 k2|08:00:05 k1"));
        LogFilter onlyData;
        onlyData.errors = onlyData.info = onlyData.warnings = false;
        log.model.applyFilter(onlyData);
        QCOMPARE(log.rows(), QStringLiteral("08:00:02 k4|08:00:04 k3"));
        QCOMPARE(log.icon(1), QIcon(QStringLiteral(":/send")).pixmap(24).toImage()); // its own icon after a rebuild
        log.model.applyFilter(LogFilter());
        QCOMPARE(log.model.rowCount(), 5); // never the unknown kinds
        QCOMPARE(log.model.size(), 7);
    }

    // An entry 3600 s or more from the last emptying, either way, empties the log.
    void hourlyEmptying()
    {
        for (int seconds : {3599, 3600, -3599, -3600}) {
            Log log;
            log.write(QStringLiteral("a"), LogEntry::Info);
            log.model.publish();
            log.write(QStringLiteral("b"), LogEntry::Error, seconds);
            log.model.publish();
            const bool emptied = qAbs(seconds) >= 3600;
            QCOMPARE(log.rows(), (emptied ? QString() : QStringLiteral("08:00:00 a|")) + log.now.toString(QStringLiteral("hh:mm:ss b")));
            QCOMPARE(log.model.size(), emptied ? 1 : 2);
            QCOMPARE(log.model.logStart(), emptied ? log.now : kEight);
        }
    }

    // Beyond the limit the oldest entries go first, shown or not, published or not.
    void oldestDroppedBeyondTheLimit()
    {
        Log log(8);
        LogFilter noInfo;
        noInfo.info = false;
        log.model.applyFilter(noInfo);
        for (int i = 0; i < 30; ++i) {
            log.write(QStringLiteral("e%1").arg(i), i % 3 == 0 ? LogEntry::Info : LogEntry::Error);
            if (i % 4 == 0)
                QCoreApplication::processEvents();
        }
        QStringList kept;
        for (const LogEntry &e : log.model.entries())
            kept << e.text;
        QCOMPARE(kept.join(QLatin1Char(',')), QStringLiteral("e22,e23,e24,e25,e26,e27,e28,e29"));
        QTRY_COMPARE(log.model.rowCount(), 6);
        QCOMPARE(log.rows(), QStringLiteral("08:00:00 e22|08:00:00 e23|08:00:00 e25|08:00:00 e26|08:00:00 e28|08:00:00 e29"));
    }
};

QTEST_MAIN(TestLogModel)
#include "tst_logmodel.moc"
