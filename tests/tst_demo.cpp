#include "commandlanguage.h"
#include "dataread.h"
#include "dialogs.h"
#include "logmodel.h"
#include "mainwindow.h"
#include "modaldriver.h"
#include "qdeclarativezoompan.h"
#include "qteskcmd.h"
#include "simulator.h"
#include "stalestrip.h"
#include "tempworkdir.h"
#include "testnet.h"
#include "testpaths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QQuickItem>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The demo's controllers answer here, away from a demo that may be running.
const QByteArray kDemoNet = "127.0.0.";

QString demoDir()
{
    return TestPaths::sourceDir() + QStringLiteral("/examples/demo");
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// Sets a field of the value dialog as the operator would leave it.
void setField(QWidget *dialog, const QString &name, const QString &value)
{
    QWidget *field = dialog->findChild<QWidget *>(name);
    if (auto *spin = qobject_cast<QSpinBox *>(field))
        spin->setValue(value.toInt());
    else if (auto *spin = qobject_cast<QDoubleSpinBox *>(field))
        spin->setValue(value.toDouble());
    else if (auto *box = qobject_cast<QCheckBox *>(field))
        box->setChecked(value == QLatin1String("1"));
    else if (auto *box = qobject_cast<QComboBox *>(field))
        box->setCurrentText(value);
    else
        qobject_cast<QListWidget *>(field)->setCurrentRow(value.toInt());
}

} // namespace

class TestDemo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void schemesPassTheChecker();
    void everySchemeShowsWhatTheControllersHold();
    void eventsOfEveryType_data();
    void eventsOfEveryType();
    void silentControllerIsShownStale();
    void overviewLeadsToTheSchemes();

private:
    void show(const QString &text);
    int passes() const;
    QObject *root() const { return m_window->schemeView()->rootObject(); }
    SimController &controller(const QString &name) { return m_sim.server(name)->controller(); }

    Simulator m_sim;
    TempWorkDir *m_dir = nullptr;
    MainWindow *m_window = nullptr;
};

void TestDemo::initTestCase()
{
    QString error;
    const QByteArray net = TestNet::subnet().toLatin1();
    QVERIFY2(m_sim.loadXml(readAll(demoDir() + QStringLiteral("/controllers.xml")).replace(kDemoNet, net), &error),
             qPrintable(error));
    QVERIFY2(m_sim.start(&error, 3600 * 1000), qPrintable(error)); // values hold still
    m_dir = new TempWorkDir;
    const QString project = m_dir->filePath(QStringLiteral("demo"));
    TempWorkDir::copyTree(demoDir() + QStringLiteral("/project"), project);
    m_dir->write("demo/deviceList.xml", m_dir->read("demo/deviceList.xml").replace(kDemoNet, net));
    m_dir->write("config.xml", QStringLiteral("<Config><AppSettings workspaceDir=\"%1\" Language=\"pl\"/>"
                                              "<LastProject location=\"%2/\" name=\"demo\"/></Config>")
                                   .arg(m_dir->path(), project).toUtf8());
    m_window = new MainWindow;
    m_window->resize(1294, 783);
    m_window->show();
    QCOMPARE(m_window->project().menu.size(), 8);
}

void TestDemo::cleanupTestCase()
{
    delete m_window;
    delete m_dir;
}

void TestDemo::cleanup()
{
    ModalDriver::closeAllModals();
    Dialogs::reset();
}

int TestDemo::passes() const
{
    int n = 0;
    for (const LogEntry &e : m_window->logModel()->entries())
        n += e.text.startsWith(QStringLiteral("Aktualizacja zakończona"));
    return n;
}

void TestDemo::show(const QString &text)
{
    const int before = passes();
    for (QTreeWidgetItem *item : m_window->treeItems()) {
        if (item->text(0) == text)
            m_window->findChild<QTreeWidget *>(QStringLiteral("menuTree"))->setCurrentItem(item);
    }
    QCOMPARE(m_window->shownItem()->text(0), text);
    QTRY_VERIFY_WITH_TIMEOUT(passes() > before, 10000);
}

void TestDemo::schemesPassTheChecker()
{
    QProcess check;
    const QStringList files = QDir(demoDir() + QStringLiteral("/project/qml")).entryList({QStringLiteral("*.qml")});
    QCOMPARE(files.size(), 5);
    check.setWorkingDirectory(demoDir() + QStringLiteral("/project/qml"));
    check.start(TestPaths::buildDir() + QStringLiteral("/tools/qmlcheck/tesk-qml-check"), files);
    QVERIFY(check.waitForFinished(60000));
    QCOMPARE(check.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(check.readAllStandardOutput()).count(QStringLiteral(": ok\n")), 5);
}

void TestDemo::everySchemeShowsWhatTheControllersHold()
{
    QHash<QString, QString> controllerOf; // device ID -> simulated controller's name
    for (SimServer *s : m_sim.servers()) {
        for (const DeviceRecord &d : m_window->project().devices) {
            if (d.networkAdress == s->address().toString())
                controllerOf.insert(d.id, s->controller().name);
        }
    }
    for (const MenuItemRecord &scheme : m_window->project().menu) {
        if (scheme.isGroup())
            continue;
        show(scheme.text);
        QVERIFY2(m_window->schemeView()->errors().isEmpty(), qPrintable(scheme.qmlFile));
        QCOMPARE(root()->property("staleVars").toStringList(), QStringList());
        for (const TeskSchemeVariable &v : scheme.readVariables) {
            const QString key = v.type == QLatin1String("temp") ? v.devVar + QStringLiteral(".value") : v.devVar;
            QString expected;
            QVERIFY(CommandLanguage::decode(v.type, key, controller(controllerOf.value(v.device)).valueText(v.devVar), &expected));
            const QVariant shown = root()->property(v.qmlVar.toLatin1().constData());
            QVariant wanted(expected);
            QVERIFY(wanted.convert(shown.userType()));
            QVERIFY2(shown == wanted, qPrintable(scheme.id + '/' + v.qmlVar + ": " + shown.toString() + " != " + expected));
        }
    }
}

void TestDemo::eventsOfEveryType_data()
{
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("event");
    QTest::addColumn<QStringList>("fields"); // field, value as the operator leaves it
    QTest::addColumn<QStringList>("expected"); // controller, variable, value it holds then
    QTest::addColumn<bool>("readOnly");      // the controller refuses the write
    QTest::newRow("int") << "Kotłownia" << "histereza" << QStringList({"kot.histerezaKOT", "7"})
                         << QStringList({"Kotłownia", "kot.histereza", "7"}) << false;
    QTest::newRow("temp") << "Kotłownia" << "t_zadana" << QStringList({"kot.t_zadanaKOT", "72.5"})
                          << QStringList({"Kotłownia", "kot.t_zadana", "725"}) << false;
    QTest::newRow("logic") << "Kotłownia" << "palnik2" << QStringList({"kot2.palnikKOT", "1"})
                           << QStringList({"Kotłownia", "kot2.palnik", "1"}) << false;
    QTest::newRow("three at once") << "Obiegi grzewcze" << "obieg2"
                                   << QStringList({"co2.pompaCO2", "0", "co2.zaworCO2", "80", "co2.t_zadanaCO2", "19.5"})
                                   << QStringList({"Obieg 2 (podłogówka)", "co2.t_zadana", "195"}) << false;
    QTest::newRow("combo") << "Ciepła woda" << "tryb" << QStringList({"cwu.trybCWU", "Eko"})
                           << QStringList({"Ciepła woda", "cwu.tryb", "0"}) << false;
    QTest::newRow("list") << "Centrala wentylacyjna" << "bieg" << QStringList({"ahu.biegAHU", "2"})
                          << QStringList({"Centrala wentylacyjna", "ahu.bieg", "3"}) << false;
    QTest::newRow("real") << "Centrala wentylacyjna" << "odzysk" << QStringList({"ahu.odzyskAHU", "55"})
                          << QStringList({"Centrala wentylacyjna", "ahu.odzysk", "55"}) << false;
    QTest::newRow("refused") << "Obiegi grzewcze" << "zawor1" << QStringList({"co1.zaworCO1", "80"})
                             << QStringList({"Obieg 1 (grzejniki)", "co1.zawor", "45"}) << true;
}

void TestDemo::eventsOfEveryType()
{
    QFETCH(QString, scheme);
    QFETCH(QString, event);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, expected);
    QFETCH(bool, readOnly);
    show(scheme);
    SimVariable *variable = controller(expected.at(0)).variable(expected.at(1));
    variable->modify = !readOnly;
    const int before = passes();
    ModalDriver driver([&](QWidget *dialog) {
        for (int i = 0; i < fields.size(); i += 2)
            setField(dialog, fields.at(i), fields.at(i + 1));
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("saveBtn")), Qt::LeftButton);
    });
    Dialogs::presetAnswer(QMessageBox::Ok);
    QMetaObject::invokeMethod(root(), "itemClicked", Q_ARG(QString, event));
    QTRY_VERIFY_WITH_TIMEOUT(driver.ran(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(passes() > before, 10000); // the write is followed by a refresh
    variable->modify = true;
    QCOMPARE(controller(expected.at(0)).valueText(expected.at(1)), expected.at(2));
    QCOMPARE(Dialogs::shown().size(), readOnly ? 1 : 0);
    if (readOnly)
        QVERIFY(Dialogs::shown().first().text.contains("[co1.zawor=80], wartość w sterowniku bez zmian"));
}

// One controller stops answering: its values are named stale over the
// scheme and greyed in it, while the other controller's values refresh.
void TestDemo::silentControllerIsShownStale()
{
    show(QStringLiteral("Obiegi grzewcze"));
    const double last = root()->property("tPokoj2").toDouble();
    m_sim.server(QStringLiteral("Obieg 2 (podłogówka)"))->setFault(SimFault::Silent);
    m_window->reader()->link()->setTimeoutMs(300);
    controller(QStringLiteral("Obieg 1 (grzejniki)")).variable(QStringLiteral("co1.t_pok"))->number = 199;
    QTRY_VERIFY_WITH_TIMEOUT(m_window->staleStrip()->isVisible(), 10000);
    QVERIFY(m_window->staleStrip()->text().startsWith("Sterownik nie odpowiada: CO2 " + TestNet::host(4)
                                                      + " (Obieg 2 - podłogówka), ostatnia poprawna odpowiedź: "));
    QCOMPARE(root()->property("staleVars").toStringList(),
             QStringList({"pompa2", "zawor2", "tZas2", "tPokoj2", "tZad2"}));
    QTRY_COMPARE(root()->property("tPokoj1").toDouble(), 19.9);
    QCOMPARE(root()->property("tPokoj2").toDouble(), last); // shown stale
    m_sim.server(QStringLiteral("Obieg 2 (podłogówka)"))->setFault(SimFault::None);
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->staleStrip()->isVisible(), 10000);
    QCOMPARE(root()->property("staleVars").toStringList(), QStringList());
    m_window->reader()->link()->setTimeoutMs(20000);
}

void TestDemo::overviewLeadsToTheSchemes()
{
    const QStringList targets = {"kotlownia", "obiegi", "cwu", "centrala"};
    const QStringList titles = {"Kotłownia", "Obiegi grzewcze", "Ciepła woda", "Centrala wentylacyjna"};
    for (int i = 0; i < targets.size(); ++i) {
        show(QStringLiteral("Przegląd obiektu"));
        QMetaObject::invokeMethod(root(), "itemClicked", Q_ARG(QString, targets.at(i)));
        emit m_window->schemeView()->mouseReleased();
        QCOMPARE(m_window->shownItem()->text(0), titles.at(i));
        QMetaObject::invokeMethod(root(), "itemClicked", Q_ARG(QString, QStringLiteral("przeglad")));
        emit m_window->schemeView()->mouseReleased();
        QCOMPARE(m_window->shownItem()->text(0), QStringLiteral("Przegląd obiektu"));
    }
}

QTEST_MAIN(TestDemo)
#include "tst_demo.moc"
