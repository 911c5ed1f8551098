#include "logmodel.h"
#include "mainwindow.h"
#include "tempworkdir.h"
#include "widgetlookup.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest>

struct PaintCounter : QObject
{
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

// Loaded switches: data off, errors on, info off, warnings on.
const QByteArray kConfig = "<Config><AppSettings workspaceDir=\"/tmp\" Language=\"pl\"/><LastProject location=\"\" name=\"\"/>"
                           "<Settings><LogSettings showData=\"0\" showErrors=\"1\" showInfo=\"0\" showWarnings=\"1\"/>"
                           "</Settings></Config>";

// The log panel of the main window, its filter stored in config.xml.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    // The loaded switches set the boxes, but the start entry, written while all
    // were on, stays until the first click. Each click rebuilds the rows and
    // rewrites the switch in config.xml.
    void filterLoadedClickedAndSaved()
    {
        TempWorkDir dir;
        dir.write(QStringLiteral("config.xml"), kConfig);
        MainWindow w;
        w.writeLog(QStringLiteral("odczyt"), LogEntry::Read);
        w.writeLog(QStringLiteral("błąd"), LogEntry::Error);
        w.writeLog(QStringLiteral("informacja"), LogEntry::Info);
        LogModel *log = w.logModel();
        const auto rows = [log] { // after the start entry, without times
            QStringList texts;
            for (int r = 1; r < log->rowCount(); ++r)
                texts << log->data(log->index(r)).toString().section(QLatin1Char(' '), 1);
            return texts.join(QLatin1Char(','));
        };
        QTRY_COMPARE(rows(), QStringLiteral("błąd"));
        QVERIFY(log->data(log->index(0)).toString().endsWith(QStringLiteral(" Uruchomiono program, logowanie rozpoczęte")));

        // Box, what config.xml says after the click, the rows after the start entry.
        const QList<std::tuple<const char *, const char *, const char *>> clicks = {
            {"infoCheckBox", "showInfo=\"1\"", "błąd,informacja"},
            {"dataCheckBox", "showData=\"1\"", "odczyt,błąd,informacja"},
            {"errorCheckBox", "showErrors=\"0\"", "odczyt,informacja"},
            {"WarningCheckBox", "showWarnings=\"0\"", "odczyt,informacja"}};
        for (const auto &c : clicks) {
            QTest::mouseClick(child<QCheckBox>(&w, std::get<0>(c)), Qt::LeftButton);
            QVERIFY2(dir.read(QStringLiteral("config.xml")).contains(std::get<1>(c)), std::get<1>(c));
            QCOMPARE(rows(), QString::fromUtf8(std::get<2>(c)));
        }
    }

    // Writing a burst paints nothing; once the event loop is reached the list
    // shows it scrolled to the bottom and the status bar flashes its last text,
    // filtered out or not, for a second.
    void burstPaintedOnceWithItsLastText()
    {
        TempWorkDir dir;
        dir.write(QStringLiteral("config.xml"), kConfig);
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *list = child<QAbstractItemView>(&w, "listWidget");
        child<QTabWidget>(&w, "tabWidget")->setCurrentIndex(0);
        QTRY_VERIFY(list->isVisible());
        PaintCounter painted;
        list->viewport()->installEventFilter(&painted);
        w.statusBar()->installEventFilter(&painted);
        QSignalSpy flashed(w.statusBar(), &QStatusBar::messageChanged);
        for (int i = 0; i < 500; ++i)
            w.writeLog(QStringLiteral("błąd %1").arg(i), LogEntry::Error);
        w.writeLog(QStringLiteral("ukryty odczyt"), LogEntry::Read);
        QCOMPARE(painted.paints, 0);
        QCOMPARE(flashed.count(), 0);
        QTRY_COMPARE(w.logModel()->rowCount(), 501);
        QVERIFY(list->verticalScrollBar()->maximum() > 0);
        QCOMPARE(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
        QCOMPARE(flashed.first().first().toString(), QStringLiteral("ukryty odczyt"));
        QTRY_COMPARE_WITH_TIMEOUT(w.statusBar()->currentMessage(), QString(), 3000);
        QCOMPARE(flashed.count(), 2); // the text, then nothing

        list->resize(list->width(), list->height() / 2); // shown anew, smaller: still at the end
        QCOMPARE(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
        // Scrolled back to read, the operator keeps the rows in sight.
        list->verticalScrollBar()->setValue(0);
        w.writeLog(QStringLiteral("nowy"), LogEntry::Error);
        QTRY_COMPARE(w.logModel()->rowCount(), 502);
        QCOMPARE(list->verticalScrollBar()->value(), 0);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
