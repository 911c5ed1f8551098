#include "alarmcenter.h"
#include "alarmpanel.h"
#include "devicelistfile.h"
#include "historybackend.h"
#include "historystore.h"
#include "mainwindow.h"
#include "monitoringfile.h"
#include "simcontrollers.h"
#include "simserver.h"
#include "sitemonitor.h"
#include "systemuser.h"
#include "testnet.h"
#include "testpaths.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace {

const int kWaitMs = 15000;

// The project every engine and station opens: controller K1 with one
// point and its high alarm, a pass every second.
MonitoringRecord siteRecord(const StoreRecord &store)
{
    MonitoringRecord m;
    m.interval = 1;
    m.store = store;
    MonitoringPoint p;
    p.id = QStringLiteral("k1_t");
    p.device = QStringLiteral("K1");
    p.devVar = QStringLiteral("t");
    p.type = QStringLiteral("int");
    p.record = QStringLiteral("interval");
    AlarmDefinition high;
    high.limit = 50;
    high.priority = 1;
    high.text = QStringLiteral("Za gorąco");
    p.alarms = {high};
    m.points = {p};
    return m;
}

// tesk-recorder as a service runs it, its standard error kept.
class Recorder
{
public:
    explicit Recorder(const QString &folder)
    {
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        QObject::connect(&m_process, &QProcess::readyReadStandardError,
                         [this] { m_log += QString::fromUtf8(m_process.readAllStandardError()); });
        m_process.start(QStringLiteral(TESK_RECORDER), {folder});
    }
    ~Recorder()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    bool logs(const QString &text, int from = 0) const { return m_log.indexOf(text, from) >= 0; }
    bool waitFor(const QString &text, int from = 0)
    {
        return QTest::qWaitFor([&] { return logs(text, from); }, kWaitMs);
    }
    int logLength() const { return m_log.size(); }
    QString log() const { return m_log; }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
    QString m_log;
};

// The site's project in the folder "obiekt" of the backend's, K1 served
// by k1; empty when it could not be written.
QString writeSite(const HistoryBackend &backend, const SimServer *k1)
{
    const QString folder = backend.dir().filePath(QStringLiteral("obiekt")) + QLatin1Char('/');
    const bool written = QDir().mkpath(folder)
        && DeviceListFile::write(folder + DeviceListFile::fileName(), {SimControllers::device("K1", k1)}).isEmpty()
        && MonitoringFile::write(folder + MonitoringFile::fileName(),
                                 siteRecord(backend.isPostgres() ? backend.record() : StoreRecord()))
               .isEmpty();
    return written ? folder : QString();
}

// The config.xml the next station starts with, opening the site.
void configure(const HistoryBackend &backend, const QString &folder, const char *settings)
{
    backend.dir().write(QStringLiteral("config.xml"),
                        QStringLiteral("<Config><AppSettings workspaceDir=\"%1\" Language=\"pl\"/>"
                                       "<LastProject location=\"%2\" name=\"obiekt\"/><Settings>%3</Settings></Config>")
                            .arg(backend.dir().path(), folder, QLatin1String(settings))
                            .toUtf8());
}

bool follows(const MainWindow *w)
{
    return w->alarms()->isRemote() && !w->monitor()->isRunning()
        && w->findChild<QLabel *>(QStringLiteral("storeRole"))->text().startsWith(QStringLiteral("Zapisuje: "));
}

bool records(const MainWindow *w)
{
    return !w->alarms()->isRemote() && w->monitor()->isRunning();
}

void acknowledgeAll(MainWindow *w)
{
    auto *tabs = w->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    tabs->setCurrentWidget(w->alarmPanel());
    QTest::mouseClick(w->alarmPanel()->findChild<QPushButton *>(QStringLiteral("acknowledgeAllButton")),
                      Qt::LeftButton);
}

} // namespace

class TestSharedStore : public QObject
{
    Q_OBJECT

private slots:
    void oneEngineForAnyNumberOfStations_data();
    void oneEngineForAnyNumberOfStations();
    void aStationThatMayNotRecordSaysNobodyRecords();

private:
    QVector<AlarmEvent> journal(const HistoryBackend &backend, const QString &folder);
};

void TestSharedStore::oneEngineForAnyNumberOfStations_data()
{
    QTest::addColumn<bool>("postgres");
    QTest::addColumn<int>("stations");
    QTest::newRow("sqlite: a recorder and a station on one host") << false << 1;
    QTest::newRow("postgresql: a recorder and two stations") << true << 2;
}

QVector<AlarmEvent> TestSharedStore::journal(const HistoryBackend &backend, const QString &folder)
{
    const MonitoringRecord m = siteRecord(backend.isPostgres() ? backend.record() : StoreRecord());
    HistoryStore store;
    QString error;
    QVector<AlarmEvent> events;
    if (!store.open(m.store, folder, m.retentionDays, m.rollupDays, &error)
        || !store.journal(AlarmJournalQuery(), &events, &error))
        qWarning() << error;
    return events;
}

// The recorder raises an alarm that every station shows; one station
// acknowledges it, every station sees it so, and the journal holds it
// once. The recorder killed, the station that may record takes over, the alarm kept as it
// stood; the recorder back waits until that station lets the store go.
void TestSharedStore::oneEngineForAnyNumberOfStations()
{
    QFETCH(bool, postgres);
    QFETCH(int, stations);
    if (postgres && !HistoryBackend::postgresGiven())
        QSKIP("no PostgreSQL server given (TESK_TEST_PG_*); scripts/test starts one");
    HistoryBackend backend(postgres);
    SimServer *k1 = SimControllers::start(this, TestNet::host(1), R"(<Variable name="t" type="int" value="20"/>)");
    const QString folder = writeSite(backend, k1);
    QVERIFY(!folder.isEmpty());

    auto recorder = std::make_unique<Recorder>(folder);
    QVERIFY2(recorder->waitFor(QStringLiteral("recording the store")), qPrintable(recorder->log()));
    std::vector<std::unique_ptr<MainWindow>> windows;
    for (int i = 0; i < stations; ++i) {
        // The first station may record; any other may not.
        configure(backend, folder, i == 0 ? "" : "<StoreSettings record=\"0\"/>");
        windows.push_back(std::make_unique<MainWindow>());
        windows.back()->show();
    }
    for (const auto &w : windows)
        QTRY_VERIFY_WITH_TIMEOUT(follows(w.get()), kWaitMs);

    if (postgres) { // the server drops every connection: stations say so, and reconnect
        QString error;
        QVERIFY2(backend.dropConnections(&error), qPrintable(error));
        std::vector<bool> told(windows.size(), false);
        const auto allTold = [&] {
            for (size_t i = 0; i < windows.size(); ++i) {
                const auto *stopped = windows[i]->findChild<QLabel *>(QStringLiteral("historyStopped"));
                told[i] = told[i]
                    || (stopped->isVisible()
                        && stopped->text().startsWith(QStringLiteral("Baza historii niedostępna od ")));
            }
            return std::all_of(told.cbegin(), told.cend(), [](bool t) { return t; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(allTold(), kWaitMs);
        for (const auto &w : windows)
            QTRY_VERIFY_WITH_TIMEOUT(!w->findChild<QLabel *>(QStringLiteral("historyStopped"))->isVisible(), kWaitMs);
    }
    k1->controller().variable(QStringLiteral("t"))->number = 80;
    for (const auto &w : windows) {
        QTRY_COMPARE_WITH_TIMEOUT(w->alarms()->unacknowledgedCount(), 1, kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(w->alarms()->engine().alarm(0).value, 80.0, kWaitMs); // as recorded
    }
    acknowledgeAll(windows.front().get());
    for (const auto &w : windows) {
        QTRY_COMPARE_WITH_TIMEOUT(w->alarms()->unacknowledgedCount(), 0, kWaitMs);
        QCOMPARE(w->alarms()->activeCount(), 1);
    }
    if (stations > 1) // a second acknowledgement of the same alarm changes nothing
        windows.back()->alarms()->acknowledge({0}, QString());
    QVERIFY(recorder->waitFor(QStringLiteral("alarm acknowledged k1_t high by ") + SystemUser::name()));

    recorder.reset(); // killed: its lease lapses after three passes
    const auto taker = windows.begin();
    QTRY_VERIFY_WITH_TIMEOUT(records(taker->get()), kWaitMs);
    QVERIFY((*taker)
                ->findChild<QLabel *>(QStringLiteral("storeRole"))
                ->text()
                .startsWith(QStringLiteral("Ta stacja zapisuje")));
    for (const auto &w : windows) {
        if (w != *taker)
            QTRY_VERIFY_WITH_TIMEOUT(follows(w.get()), kWaitMs);
        QCOMPARE(w->alarms()->unacknowledgedCount(), 0); // kept as it stood, not raised anew
        QCOMPARE(w->alarms()->activeCount(), 1);
    }

    recorder = std::make_unique<Recorder>(folder);
    QVERIFY(recorder->waitFor(QStringLiteral("waiting until its lease is free")));
    QTest::qWait(4000); // more than three passes: the station's lease is renewed
    QVERIFY(!recorder->logs(QStringLiteral("recording the store")));
    QVERIFY(records(taker->get()));
    windows.erase(taker); // closing: the station lets the store go
    QVERIFY2(recorder->waitFor(QStringLiteral("recording the store")), qPrintable(recorder->log()));
    for (const auto &w : windows)
        QTRY_VERIFY_WITH_TIMEOUT(follows(w.get()), kWaitMs);

    recorder->process().terminate();
    QVERIFY(recorder->process().waitForFinished(kWaitMs));
    QCOMPARE(recorder->process().exitCode(), 0);
    QVERIFY(recorder->logs(QStringLiteral("stopped")));

    int raised = 0;
    int acknowledged = 0;
    for (const AlarmEvent &e : journal(backend, folder)) {
        raised += e.event == AlarmEvent::Event::Raised;
        acknowledged += e.event == AlarmEvent::Event::Acknowledged;
    }
    QCOMPARE(raised, 1);
    QCOMPARE(acknowledged, 1);
}

// With nobody recording, a station that may not record says so instead of
// naming a holder, and follows the recorder once one starts.
void TestSharedStore::aStationThatMayNotRecordSaysNobodyRecords()
{
    HistoryBackend backend(false);
    SimServer *k1 = SimControllers::start(this, TestNet::host(2), R"(<Variable name="t" type="int" value="20"/>)");
    const QString folder = writeSite(backend, k1);
    QVERIFY(!folder.isEmpty());
    configure(backend, folder, "<StoreSettings record=\"0\"/>");
    MainWindow w;
    w.show();
    const auto *role = w.findChild<QLabel *>(QStringLiteral("storeRole"));
    QTRY_COMPARE_WITH_TIMEOUT(role->text(),
                              QStringLiteral("Nikt nie zapisuje historii i alarmów, a ta stacja nie może zapisywać"),
                              kWaitMs);
    QVERIFY(role->isVisible());
    QVERIFY(!w.monitor()->isRunning());
    Recorder recorder(folder);
    QTRY_VERIFY_WITH_TIMEOUT(follows(&w), kWaitMs);
}

QTEST_MAIN(TestSharedStore)
#include "tst_sharedstore.moc"
