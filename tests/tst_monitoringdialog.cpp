#include "alarmcenter.h"
#include "alarmjournalread.h"
#include "editordriving.h"
#include "historycsv.h"
#include "historyexportdialog.h"
#include "historystore.h"
#include "historytool.h"
#include "mainwindow.h"
#include "monitoringedit.h"
#include "monitoringfile.h"
#include "monitoringpointedit.h"
#include "projectfile.h"
#include "simcontrollers.h"
#include "systemuser.h"
#include "tempworkdir.h"
#include "testnet.h"
#include "testpaths.h"
#include "variablecatalogrequest.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>
#include <QtWidgets>

using namespace EditorDriving;

namespace {

// A project folder with one controller, K1 at address, and the monitoring
// given (none by default), opened by the main window at its start.
MainWindow *openProject(const TempWorkDir &dir, const QString &address, const QByteArray &monitoring = QByteArray())
{
    const QString folder = dir.filePath(QStringLiteral("obiekt")) + QLatin1Char('/');
    QDir().mkpath(folder);
    ProjectFile::create(folder + ProjectFile::fileName(), QStringLiteral("Obiekt"), QStringLiteral("test"), QStringLiteral("1"));
    dir.write(QStringLiteral("obiekt/deviceList.xml"),
              QStringLiteral("<Devices><Device id=\"K1\" networkAdress=\"%1\" description=\"Kocioł\" port=\"16483\"/></Devices>")
                  .arg(address).toUtf8());
    if (!monitoring.isEmpty())
        dir.write(QStringLiteral("obiekt/monitoring.xml"), monitoring);
    dir.write(QStringLiteral("config.xml"), QStringLiteral("<Config><AppSettings workspaceDir=\"%1\" Language=\"pl\"/>"
                                                           "<LastProject location=\"%2\" name=\"obiekt\"/></Config>")
                                                .arg(dir.path(), folder).toUtf8());
    auto *w = new MainWindow;
    w->show();
    return w;
}

void trigger(MainWindow *w, const char *action)
{
    QWidget *button = w->findChild<QToolBar *>()->widgetForAction(w->findChild<QAction *>(QLatin1String(action)));
    QTest::mouseClick(button, Qt::LeftButton);
}

void typeInto(QWidget *field, const QString &text)
{
    field->setFocus();
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(field))
        spin->selectAll(); // the number, not its suffix
    else
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

// Runs an export from the window to path; the status it ends with.
QString exportTo(HistoryExportDialog *d, const QString &path)
{
    Dialogs::presetPath(path);
    press(d, "exportBtn");
    if (!QTest::qWaitFor([d] { return !d->isWorking(); }, 20000))
        return QStringLiteral("still working");
    return child<QLabel>(d, "statusLabel")->text();
}

} // namespace

class TestMonitoringDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_sim = SimControllers::start(this, TestNet::host(7), R"(
            <Variable name="kot.t1" type="phy_temperature" value="215"/>
            <Variable name="kot.pompa" type="on_off" value="0"/>)", VariableCatalogRequest::kPort);
    }

    void cleanup() { ModalDriver::closeAllModals(); Dialogs::reset(); }

    // An OK with nothing changed keeps the project unmonitored: no file, no
    // database. Bad input is refused with the field named and the dialog
    // stays open; Cancel drops what was typed.
    void unchangedOkAndRefusals()
    {
        TempWorkDir dir;
        std::unique_ptr<MainWindow> w(openProject(dir, TestNet::host(7)));
        QVERIFY(!w->findChild<QAction *>(QStringLiteral("actionHistory"))->isEnabled());
        QVERIFY(onModal([&] { trigger(w.get(), "actionMonitoring"); }, [](QWidget *d) { press(d, "saveBtn"); }));
        QVERIFY(!w->isModified());
        QVERIFY(!w->project().monitored);
        QCOMPARE(QDir(dir.filePath(QStringLiteral("obiekt"))).entryList(QDir::Files), QStringList({"deviceList.xml", "project.xml"}));

        QStringList refusals;
        bool stayed = true;
        QVERIFY(onModal([&] { trigger(w.get(), "actionMonitoring"); }, [&](QWidget *d) {
            QVERIFY(onModal([&] { click(d, "addBtn"); }, [&](QWidget *p) {
                refusals << refusal(p, "saveBtn");
                typeInto(child<QLineEdit>(p, "idEdit"), QStringLiteral("k1/t"));
                refusals << refusal(p, "saveBtn");
                typeInto(child<QLineEdit>(p, "idEdit"), QStringLiteral("k1_t"));
                refusals << refusal(p, "saveBtn");
                stayed = stayed && p->isVisible();
                press(p, "cancelBtn");
            }));
            QComboBox *driver = combo(d, "driverCombo");
            driver->setFocus();
            QTest::keyClick(driver, Qt::Key_Down);
            refusals << refusal(d, "saveBtn");
            typeInto(child<QLineEdit>(d, "hostEdit"), QStringLiteral("baza"));
            typeInto(child<QLineEdit>(d, "portEdit"), QStringLiteral("70000"));
            refusals << refusal(d, "saveBtn");
            stayed = stayed && d->isVisible();
            press(d, "cancelBtn");
        }));
        QVERIFY(stayed);
        QCOMPARE(refusals, QStringList({"ID: podaj ID punktu.", refusals.at(1), "Sterownik: wybierz sterownik.",
                                        "Serwer: podaj adres serwera PostgreSQL.", "Port: „70000” nie jest liczbą od 1 do 65535."}));
        QVERIFY2(refusals.at(1).startsWith(QStringLiteral("ID „k1/t”: ")), qPrintable(refusals.at(1)));
        QVERIFY(!w->isModified());
        QCOMPARE(w->project().monitoring, MonitoringRecord());
    }

    // A point's alarms are edited with it: an unchanged OK keeps the
    // project unmodified, each bad alarm is refused with its reason, and a
    // good one (a decimal comma taken) is saved with the communication
    // alarm's delay.
    void alarmsEditedWithTheirPoint()
    {
        TempWorkDir dir;
        std::unique_ptr<MainWindow> w(openProject(dir, TestNet::host(7), R"(<Monitoring interval="5">
 <Point id="k1_t" device="K1" devVar="kot.t1" type="temp">
  <Alarm kind="high" limit="85" deadband="2" priority="1" text="Przegrzanie"/>
 </Point>
</Monitoring>
)"));
        auto editPoint = [&](const ModalDriver::Action &act) {
            return onModal([&] { trigger(w.get(), "actionMonitoring"); }, [&](QWidget *d) {
                child<QTableWidget>(d, "pointsTable")->selectRow(0);
                QVERIFY(onModal([&] { click(d, "editBtn"); }, act));
                typeInto(child<QSpinBox>(d, "commAlarmSpin"), QStringLiteral("45"));
                press(d, "saveBtn");
            });
        };
        QVERIFY(onModal([&] { trigger(w.get(), "actionMonitoring"); }, [&](QWidget *d) {
            child<QTableWidget>(d, "pointsTable")->selectRow(0);
            QVERIFY(onModal([&] { click(d, "editBtn"); }, [&](QWidget *p) {
                QCOMPARE(child<QTableWidget>(p, "alarmTable")->item(0, 1)->text(), QStringLiteral("85"));
                press(p, "saveBtn");
            }));
            press(d, "saveBtn");
        }));
        QVERIFY(!w->isModified());

        QStringList refusals;
        QVERIFY(editPoint([&](QWidget *p) {
            QVERIFY(onModal([&] { click(p, "alarmAddBtn"); }, [&](QWidget *a) {
                typeInto(child<QLineEdit>(a, "textEdit"), QStringLiteral("Zimno"));
                refusals << refusal(a, "saveBtn");
                combo(a, "kindCombo")->setCurrentIndex(2);
                typeInto(child<QLineEdit>(a, "limitEdit"), QStringLiteral("abc"));
                refusals << refusal(a, "saveBtn");
                typeInto(child<QLineEdit>(a, "limitEdit"), QStringLiteral("90"));
                refusals << refusal(a, "saveBtn");
                combo(a, "kindCombo")->setCurrentIndex(4);
                refusals << refusal(a, "saveBtn");
                combo(a, "kindCombo")->setCurrentIndex(2);
                typeInto(child<QLineEdit>(a, "limitEdit"), QStringLiteral("30,5"));
                typeInto(child<QLineEdit>(a, "hysteresisEdit"), QStringLiteral("-1"));
                refusals << refusal(a, "saveBtn");
                typeInto(child<QLineEdit>(a, "hysteresisEdit"), QStringLiteral("1"));
                refusals << refusal(a, "saveBtn");
            }));
            QCOMPARE(child<QTableWidget>(p, "alarmTable")->rowCount(), 2);
            press(p, "saveBtn");
        }));
        QCOMPARE(refusals, QStringList({"Rodzaj: punkt ma już alarm „Wysoka wartość (H)”.",
                                        "Granica: „abc” nie jest liczbą.",
                                        "Granica Niska wartość (L) (90) nie może być powyżej granicy Wysoka wartość (H) (85).",
                                        "Alarm „Stan”: tylko dla zmiennych logicznych i całkowitych.",
                                        "Alarm „Niska wartość (L)”: histereza nie może być mniejsza niż 0.", QString()}));
        trigger(w.get(), "actionSaveProject");
        const QByteArray saved = dir.read(QStringLiteral("obiekt/monitoring.xml"));
        QVERIFY2(saved.contains(R"(<Monitoring interval="5" retentionDays="400" rollupDays="3650" commAlarmDelay="45">)")
                     && saved.contains(R"(<Alarm kind="low" limit="30.5" deadband="1" onDelay="0" offDelay="0" priority="3" text="Zimno"/>)"),
                 saved.constData());
    }

    // End to end against the simulator: a value over its limit raises the
    // alarm within a pass and its on-delay, the operator acknowledges it on
    // the tab, and both go to the journal with the user's name; a silent
    // controller raises its communication alarm.
    void alarmRaisedAcknowledgedAndJournalled()
    {
        TempWorkDir dir;
        const QString folder = dir.filePath(QStringLiteral("obiekt")) + QLatin1Char('/');
        std::unique_ptr<MainWindow> w(openProject(dir, TestNet::host(7), R"(<Monitoring interval="1" commAlarmDelay="2">
 <Point id="k1_t" device="K1" devVar="kot.t1" type="temp">
  <Alarm kind="high" limit="25" deadband="1" onDelay="1" priority="1" text="Przegrzanie"/>
 </Point>
</Monitoring>
)"));
        auto *tab = w->findChild<QWidget *>(QStringLiteral("alarmTab"));
        auto *table = child<QTableView>(tab, "alarmTable");
        QTest::qWait(1500);
        QCOMPARE(table->model()->rowCount(), 0);
        m_sim->controller().variable(QStringLiteral("kot.t1"))->number = 300;
        QTRY_COMPARE_WITH_TIMEOUT(table->model()->rowCount(), 1, 5000);
        QCOMPARE(table->model()->index(0, 4).data().toString(), QStringLiteral("Przegrzanie"));
        QTest::mouseClick(child<QPushButton>(tab, "acknowledgeAllButton"), Qt::LeftButton);

        m_sim->setFault(SimFault::Refuse);
        QTRY_COMPARE_WITH_TIMEOUT(table->model()->rowCount(), 2, 8000);
        m_sim->setFault(SimFault::None);
        m_sim->controller().variable(QStringLiteral("kot.t1"))->number = 215;
        const MonitoringRecord record = MonitoringFile::read(folder + MonitoringFile::fileName());
        auto journal = [&] { return AlarmJournalRead::events(record, folder, AlarmJournalQuery()).events; };
        QTRY_VERIFY_WITH_TIMEOUT(journal().size() >= 3, 5000);
        const QVector<AlarmEvent> events = journal();
        QCOMPARE(events.at(0).event, AlarmEvent::Event::Raised);
        QCOMPARE(events.at(0).value, 30.0);
        QCOMPARE(events.at(1).event, AlarmEvent::Event::Acknowledged);
        QCOMPARE(events.at(1).user, SystemUser::name());
        QCOMPARE(events.at(2).point + events.at(2).kind + AlarmEvent::eventName(events.at(2).event), QStringLiteral("K1commraised"));
    }

    // A point picked from the controller's catalogue is saved, recorded from
    // the next pass, and asked about by name before it goes. The window's
    // export of what was recorded is the command line's, byte for byte, and
    // runs while the store keeps it waiting.
    void pointRecordedAndExported()
    {
        TempWorkDir dir;
        const QString folder = dir.filePath(QStringLiteral("obiekt")) + QLatin1Char('/');
        std::unique_ptr<MainWindow> w(openProject(dir, TestNet::host(7)));
        QVERIFY(onModal([&] { trigger(w.get(), "actionMonitoring"); }, [&](QWidget *d) {
            QVERIFY(onModal([&] { click(d, "addBtn"); }, [&](QWidget *p) {
                typeInto(child<QLineEdit>(p, "idEdit"), QStringLiteral("k1_t"));
                combo(p, "deviceCombo")->setFocus();
                QTest::keyClick(combo(p, "deviceCombo"), Qt::Key_Down);
                QTRY_COMPARE(comboItems(combo(p, "devVarCombo")), QStringList({"kot.t1", "kot.pompa"}));
                typeInto(combo(p, "devVarCombo"), QStringLiteral("kot.t1"));
                combo(p, "typeCombo")->setCurrentIndex(3);
                typeInto(child<QLineEdit>(p, "deadbandEdit"), QStringLiteral("0,5"));
                press(p, "saveBtn");
            }));
            typeInto(child<QSpinBox>(d, "intervalSpin"), QStringLiteral("1"));
            press(d, "saveBtn");
        }));
        QVERIFY(w->isModified());
        QVERIFY(w->findChild<QAction *>(QStringLiteral("actionHistory"))->isEnabled());
        trigger(w.get(), "actionSaveProject");
        QVERIFY(dir.read(QStringLiteral("obiekt/monitoring.xml"))
                    .contains(R"(<Monitoring interval="1" retentionDays="400" rollupDays="3650">)"
                              "\n <Store driver=\"sqlite\" path=\"history.sqlite\"/>\n"
                              R"( <Point id="k1_t" device="K1" devVar="kot.t1" type="temp" description="" unit="" record="change" deadband="0.5" maxGap="0"/>)"));

        const MonitoringRecord record = MonitoringFile::read(folder + MonitoringFile::fileName());
        auto recorded = [&] {
            HistoryStore store;
            QString error;
            store.openForReading(record.store, folder, record.retentionDays, record.rollupDays, &error);
            return store.samples(QStringLiteral("k1_t"), 0, QDateTime::currentMSecsSinceEpoch() + 1, &error);
        };
        QTRY_COMPARE_WITH_TIMEOUT(recorded().size(), 1, 10000);
        QCOMPARE(recorded().first().value, 21.5);
        m_sim->controller().variable(QStringLiteral("kot.t1"))->number = 231;
        QTRY_COMPARE_WITH_TIMEOUT(recorded().size(), 2, 10000);

        QString asked;
        QVERIFY(onModal([&] { trigger(w.get(), "actionMonitoring"); }, [&](QWidget *d) {
            child<QTableWidget>(d, "pointsTable")->selectRow(0);
            Dialogs::presetAnswer(QMessageBox::No);
            click(d, "removeBtn");
            asked = Dialogs::shown().last().text;
            QCOMPARE(child<QTableWidget>(d, "pointsTable")->rowCount(), 1);
            press(d, "cancelBtn");
        }));
        QVERIFY2(asked.contains(QStringLiteral("„k1_t” (K1, kot.t1)")), qPrintable(asked));
        trigger(w.get(), "actionHistory");
        QCOMPARE(child<QListWidget>(w->historyExport(), "pointList")->item(0)->checkState(), Qt::Checked);
        w.reset(); // the recorder lets go of the store

        HistoryExportDialog d;
        d.setProject(record, folder);
        d.show();
        const HistoryExportRange range = d.range();
        const QStringList span = {"k1_t", "--from", HistoryCsv::timeText(range.fromMs), "--to", HistoryCsv::timeText(range.toMs)};
        {
            // A connection that locks the store holds the export back, not the window.
            QSqlDatabase lock = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lock"));
            lock.setDatabaseName(folder + QStringLiteral("history.sqlite"));
            QVERIFY(lock.open());
            QSqlQuery(lock).exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
            QVERIFY(QSqlQuery(lock).exec(QStringLiteral("BEGIN EXCLUSIVE")));
            Dialogs::presetPath(dir.filePath(QStringLiteral("surowe.csv")));
            press(&d, "exportBtn");
            QTest::qWait(300);
            QVERIFY(d.isWorking() && child<QProgressBar>(&d, "busyBar")->isVisible());
            QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("surowe.csv"))));
            QSqlQuery(lock).exec(QStringLiteral("COMMIT"));
            lock.close();
            lock = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("lock"));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!d.isWorking(), 20000);
        QVERIFY(child<QLabel>(&d, "statusLabel")->text().startsWith(QStringLiteral("Eksport historii: zapisano wierszy: 2 ")));
        QCOMPARE(dir.read(QStringLiteral("surowe.csv")), runHistoryTool(QStringList{folder, "export"} + span).out);

        child<QCheckBox>(&d, "stepCheck")->click();
        typeInto(child<QSpinBox>(&d, "stepSpin"), QStringLiteral("60"));
        QVERIFY(exportTo(&d, dir.filePath(QStringLiteral("kroki.csv"))).startsWith(QStringLiteral("Eksport historii: zapisano")));
        QCOMPARE(dir.read(QStringLiteral("kroki.csv")), runHistoryTool(QStringList{folder, "export"} + span + QStringList{"--step", "60"}).out);
        QVERIFY(d.range().toMs >= range.toMs + 300); // an end left as offered is the present at each export

        QCOMPARE(exportTo(&d, dir.filePath(QStringLiteral("brak/plik.csv"))).section(QLatin1Char(':'), 0, 1),
                 QStringLiteral("Eksport historii nieudany: nie można zapisać pliku %1").arg(dir.filePath(QStringLiteral("brak/plik.csv"))));
        QFile::remove(folder + QStringLiteral("history.sqlite"));
        QVERIFY(exportTo(&d, dir.filePath(QStringLiteral("x.csv"))).startsWith(QStringLiteral("Eksport historii nieudany: historia niedostępna: brak pliku historii")));
        QVERIFY(!QFile::exists(folder + QStringLiteral("history.sqlite")) && !QFile::exists(dir.filePath(QStringLiteral("x.csv"))));
    }

private:
    SimServer *m_sim = nullptr;
};

QTEST_MAIN(TestMonitoringDialog)
#include "tst_monitoringdialog.moc"
