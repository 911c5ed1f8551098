#include "commandlanguage.h"
#include "devicemanagement.h"
#include "historystore.h"
#include "schemewindow.h"
#include "simulator.h"
#include "sitemonitor.h"

using namespace SchemeWindow;

namespace {

// The demo's controllers answer here, away from a demo that may be running.
const QByteArray kDemoNet = "127.0.0.";
const QString kDemo = TestPaths::sourceDir() + QStringLiteral("/examples/demo");

} // namespace

class TestDemo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString error;
        QFile controllers(kDemo + QStringLiteral("/controllers.xml"));
        QVERIFY(controllers.open(QIODevice::ReadOnly));
        QVERIFY2(m_sim.loadXml(controllers.readAll().replace(kDemoNet, TestNet::subnet().toLatin1()), &error), qPrintable(error));
        QVERIFY2(m_sim.start(&error, 3600 * 1000), qPrintable(error)); // values hold still
        m_dir.reset(new TempWorkDir);
        m_window.reset(openProject(*m_dir, kDemo + QStringLiteral("/project"), QStringLiteral("demo"), kDemoNet));
        m_window->reader()->setLinkTimeoutMs(300);
        QCOMPARE(m_window->project().menu.size(), 8);
    }

    void cleanup() { ModalDriver::closeAllModals(); Dialogs::reset(); }

    void schemesPassTheChecker()
    {
        QProcess check;
        const QStringList files = QDir(kDemo + QStringLiteral("/project/qml")).entryList({QStringLiteral("*.qml")});
        QCOMPARE(files.size(), 5);
        check.setWorkingDirectory(kDemo + QStringLiteral("/project/qml"));
        check.start(TestPaths::buildDir() + QStringLiteral("/tools/qmlcheck/tesk-qml-check"), files);
        QVERIFY(check.waitForFinished(60000));
        QCOMPARE(check.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(check.readAllStandardOutput()).count(QStringLiteral(": ok\n")), 5);
    }

    // Every monitored point has its value in the project's history from the
    // first pass on, whatever scheme is shown.
    void recordsFromTheFirstPass()
    {
        const Project &project = m_window->project();
        QVERIFY(project.monitored);
        HistoryStore store;
        QString error;
        QVERIFY2(store.open(project.monitoring.store, project.location, 400, 3650, &error), qPrintable(error));
        QTRY_VERIFY_WITH_TIMEOUT(store.points(&error).size() == project.monitoring.points.size(), 10000);
        const QVector<HistorySample> flow = store.samples(QStringLiteral("kot1_zas"), 0, QDateTime::currentMSecsSinceEpoch() + 1, &error);
        QVERIFY(!flow.isEmpty());
        QCOMPARE(flow.first().quality, HistorySample::Quality::Good);
        QCOMPARE(flow.first().value, controller(QStringLiteral("Kotłownia")).variable(QStringLiteral("kot1.t_zas"))->number / 10);
    }

    void overviewLeadsToSchemesShowingWhatTheControllersHold()
    {
        QVERIFY(show(m_window.data(), QStringLiteral("Przegląd obiektu")));
        const QStringList steps = {"kotlownia", "Kotłownia", "przeglad", "Przegląd obiektu", "obiegi", "Obiegi grzewcze",
                                   "przeglad", "Przegląd obiektu", "cwu", "Ciepła woda", "przeglad", "Przegląd obiektu",
                                   "centrala", "Centrala wentylacyjna"}; // element clicked, scheme shown then
        verifyValues();
        for (int i = 0; i < steps.size(); i += 2) {
            const int before = passes(m_window.data());
            clickScene(m_window.data(), steps.at(i));
            emit m_window->schemeView()->mouseReleased(); // the change is made as the mouse comes up
            QCOMPARE(m_window->shownItem()->text(0), steps.at(i + 1));
            QTRY_VERIFY_WITH_TIMEOUT(passes(m_window.data()) > before, 10000);
            verifyValues();
        }
    }

    void eventsOfEveryType_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QString>("event");
        QTest::addColumn<QStringList>("fields");   // field, value as the operator leaves it
        QTest::addColumn<QStringList>("expected"); // controller, variable, value it holds then, ...
        QTest::addColumn<bool>("readOnly");        // the controller refuses the write
        auto row = [](const char *name, const char *scheme, const char *event, const QStringList &fields,
                      const QStringList &expected, bool readOnly = false) {
            QTest::newRow(name) << QString::fromUtf8(scheme) << QString::fromUtf8(event) << fields << expected << readOnly;
        };
        row("int", "Kotłownia", "histereza", {"kot.histerezaKOT", "7"}, {"Kotłownia", "kot.histereza", "7"});
        row("logic, percent, temp", "Obiegi grzewcze", "obieg2", {"co2.pompaCO2", "0", "co2.zaworCO2", "80", "co2.t_zadanaCO2", "19.5"},
            {"Obieg 2 (podłogówka)", "co2.pompa", "0", "Obieg 2 (podłogówka)", "co2.zawor", "80", "Obieg 2 (podłogówka)", "co2.t_zadana", "195"});
        row("combo", "Ciepła woda", "tryb", {"cwu.trybCWU", "Eko"}, {"Ciepła woda", "cwu.tryb", "0"});
        row("list", "Centrala wentylacyjna", "bieg", {"ahu.biegAHU", "2"}, {"Centrala wentylacyjna", "ahu.bieg", "3"});
        row("real", "Centrala wentylacyjna", "odzysk", {"ahu.odzyskAHU", "55"}, {"Centrala wentylacyjna", "ahu.odzysk", "55"});
        row("refused", "Obiegi grzewcze", "zawor1", {"co1.zaworCO1", "80"}, {"Obieg 1 (grzejniki)", "co1.zawor", "45"}, true);
    }

    void eventsOfEveryType()
    {
        QFETCH(QString, scheme);
        QFETCH(QString, event);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, expected);
        QFETCH(bool, readOnly);
        QVERIFY(show(m_window.data(), scheme));
        SimVariable *variable = controller(expected.at(0)).variable(expected.at(1));
        variable->modify = !readOnly;
        const int before = passes(m_window.data());
        ModalDriver driver([&](QWidget *dialog) {
            for (int i = 0; i < fields.size(); i += 2)
                setField(dialog, fields.at(i), fields.at(i + 1));
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("saveBtn")), Qt::LeftButton);
        });
        Dialogs::presetAnswer(QMessageBox::Ok);
        clickScene(m_window.data(), event);
        QTRY_VERIFY_WITH_TIMEOUT(driver.ran(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(passes(m_window.data()) > before, 10000); // the write is followed by a refresh
        variable->modify = true;
        for (int i = 0; i < expected.size(); i += 3)
            QCOMPARE(controller(expected.at(i)).valueText(expected.at(i + 1)), expected.at(i + 2));
        QCOMPARE(Dialogs::shown().size(), readOnly ? 1 : 0);
        if (readOnly)
            QVERIFY(Dialogs::shown().first().text.contains("[co1.zawor=80], wartość w sterowniku bez zmian"));
    }

    // One controller stops answering: its values are named stale over the
    // scheme and greyed in it, while the other controller's values refresh.
    void silentControllerIsShownStale()
    {
        controller(QStringLiteral("Obieg 2 (podłogówka)")).variable(QStringLiteral("co2.pompa"))->number = 1;
        QVERIFY(show(m_window.data(), QStringLiteral("Obiegi grzewcze")));
        const double last = root()->property("tPokoj2").toDouble();
        m_sim.server(QStringLiteral("Obieg 2 (podłogówka)"))->setFault(SimFault::Silent);
        controller(QStringLiteral("Obieg 1 (grzejniki)")).variable(QStringLiteral("co1.t_pok"))->number = 199;
        QTRY_VERIFY_WITH_TIMEOUT(m_window->staleStrip()->isVisible(), 10000);
        QVERIFY(m_window->staleStrip()->text().startsWith("Sterownik nie odpowiada: CO2 " + TestNet::host(4)
                                                          + " (Obieg 2 - podłogówka), ostatnia poprawna odpowiedź: "));
        QCOMPARE(root()->property("staleVars").toStringList(), QStringList({"pompa2", "zawor2", "tZas2", "tPokoj2", "tZad2"}));
        QTRY_COMPARE(root()->property("tPokoj1").toDouble(), 19.9);
        QCOMPARE(root()->property("tPokoj2").toDouble(), last); // shown as it was, stale
        QVERIFY(root()->property("pompa2").toBool());
        m_sim.server(QStringLiteral("Obieg 2 (podłogówka)"))->setFault(SimFault::None);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->staleStrip()->isVisible(), 10000);
        QCOMPARE(root()->property("staleVars").toStringList(), QStringList());
    }

    // While one controller keeps silent the others refresh pass after pass; the
    // silence and the recovery are logged once each, by the reader and by the
    // monitor, and the controller list names the silent one.
    void aSilentControllerHoldsUpNoOther()
    {
        QVERIFY(show(m_window.data(), QStringLiteral("Przegląd obiektu")));
        SimServer *circuit = m_sim.server(QStringLiteral("Obieg 1 (grzejniki)"));
        const QString address = circuit->address().toString();
        circuit->setFault(SimFault::Silent);
        SimVariable *mode = controller(QStringLiteral("Ciepła woda")).variable(QStringLiteral("cwu.tryb"));
        const int before = passes(m_window.data());
        for (int n : {2, 0, 1}) {
            mode->number = n;
            QTRY_VERIFY_WITH_TIMEOUT(root()->property("trybCwu").toInt() == n, 10000);
        }
        QVERIFY(passes(m_window.data()) >= before + 3);
        QCOMPARE(logTexts(m_window.data()).count("Sterownik " + address + " nie odpowiada"), 1);
        const QString monitored = QStringLiteral("Monitorowanie: sterownik CO1");
        for (int pass = 0; pass < 2; ++pass)
            m_window->monitor()->start(); // a pass now; the second ends the first, CO1 pending
        QTRY_COMPARE_WITH_TIMEOUT(logTexts(m_window.data()).count(monitored + " nie odpowiada"), 1, 15000);

        QStringList states;
        ModalDriver driver([&states](QWidget *dialog) {
            const auto *tree = dialog->findChild<QTreeWidget *>(QStringLiteral("treeWidget"));
            for (int i = 0; i < tree->topLevelItemCount(); ++i)
                states << tree->topLevelItem(i)->text(0) + QLatin1Char(' ') + tree->topLevelItem(i)->text(4);
            static_cast<QDialog *>(dialog)->reject();
        });
        m_window->menuShowDeviceManagemenetDialog();
        QVERIFY(driver.ran());
        QCOMPARE(states, QStringList({"KOT odpowiada", "CO1 nie odpowiada", "CO2 odpowiada", "CWU odpowiada", "AHU odpowiada"}));

        circuit->setFault(SimFault::None);
        m_window->refreshData();
        QTRY_COMPARE_WITH_TIMEOUT(logTexts(m_window.data()).count("Sterownik " + address + " znów odpowiada"), 1, 10000);
        m_window->monitor()->start();
        QTRY_COMPARE_WITH_TIMEOUT(logTexts(m_window.data()).count(monitored + " znów odpowiada"), 1, 15000);
        QCOMPARE(logTexts(m_window.data()).count(monitored + " nie odpowiada"), 1);
    }

    // A controller taken off the list takes its points with it: the log says
    // so once, and does not call it silent pass after pass.
    void pointsOfAnUnlistedControllerAreNamedOnce()
    {
        const DeviceList listed = m_window->project().devices;
        QCOMPARE(listed.last().id, QStringLiteral("AHU"));
        ModalDriver driver([&listed](QWidget *dialog) {
            auto *devices = static_cast<deviceManagement *>(dialog);
            devices->setDevices(listed.mid(0, listed.size() - 1)); // the air handling unit goes
            devices->accept();
        });
        const int from = logTexts(m_window.data()).size();
        m_window->menuShowDeviceManagemenetDialog();
        QVERIFY(driver.ran());
        // Passes before the change may have said anything of a slow AHU.
        const int changed = logTexts(m_window.data()).size();
        QSignalSpy monitored(m_window->monitor(), &SiteMonitor::passDone);
        QTRY_VERIFY_WITH_TIMEOUT(monitored.size() > 0, 10000);
        QCOMPARE(logTexts(m_window.data(), from)
                     .count("Monitorowanie: sterownika AHU nie ma na liście sterowników, jego punkty nie są odczytywane"),
                 1);
        // The shown scheme says its own.
        QVERIFY(logTexts(m_window.data(), changed).filter(QRegularExpression("^Monitorowanie.*AHU")).isEmpty());
    }

private:
    void verifyValues();
    QObject *root() const { return sceneRoot(m_window.data()); }
    SimController &controller(const QString &name) { return m_sim.server(name)->controller(); }

    Simulator m_sim;
    QScopedPointer<TempWorkDir> m_dir;
    QScopedPointer<MainWindow> m_window;
};

// Every value the shown scheme binds is the one its controller holds, live.
void TestDemo::verifyValues()
{
    QVERIFY(m_window->schemeView()->errors().isEmpty());
    QCOMPARE(root()->property("staleVars").toStringList(), QStringList());
    QList<TeskSchemeVariable> variables;
    for (const MenuItemRecord &scheme : m_window->project().menu)
        variables = scheme.text == m_window->shownItem()->text(0) ? scheme.readVariables : variables;
    QVERIFY(!variables.isEmpty());
    for (const TeskSchemeVariable &v : qAsConst(variables)) {
        SimServer *server = nullptr;
        for (SimServer *s : m_sim.servers())
            server = s->address().toString() == addressOf(m_window->project().devices, v.device) ? s : server;
        const QString key = v.type == QLatin1String("temp") ? v.devVar + QStringLiteral(".value") : v.devVar;
        QString expected;
        QVERIFY(CommandLanguage::decode(v.type, key, server->controller().valueText(v.devVar), &expected));
        const QVariant shown = root()->property(v.qmlVar.toLatin1().constData());
        QVariant wanted(expected);
        QVERIFY(wanted.convert(shown.userType()));
        QVERIFY2(shown == wanted, qPrintable(v.qmlVar + ": " + shown.toString() + " != " + expected));
    }
}

QTEST_MAIN(TestDemo)
#include "tst_demo.moc"
