#include "commandlanguage.h"
#include "dataread.h"
#include "dataset.h"
#include "dialogs.h"
#include "logmodel.h"
#include "mainwindow.h"
#include "modaldriver.h"
#include "qdeclarativezoompan.h"
#include "qteskcmd.h"
#include "simulator.h"
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

#include <functional>

Q_DECLARE_METATYPE(std::function<void(QWidget *)>)

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

void save(QWidget *dialog)
{
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("saveBtn")), Qt::LeftButton);
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
    void overviewLeadsToTheSchemes();
    void aSilentControllerHoldsUpNoOther();

private:
    void show(const QString &text);
    int passes() const;
    SimController &controller(const QString &name);
    QString simValue(const QString &controllerName, const QString &variable);

    Simulator m_sim;
    TempWorkDir *m_dir = nullptr;
    MainWindow *m_window = nullptr;
};

void TestDemo::initTestCase()
{
    QString error;
    QVERIFY2(m_sim.loadXml(readAll(demoDir() + QStringLiteral("/controllers.xml")).replace(kDemoNet, TestNet::subnet().toLatin1()), &error),
             qPrintable(error));
    QVERIFY2(m_sim.start(&error, 3600 * 1000), qPrintable(error)); // values hold still
    m_dir = new TempWorkDir;
    const QString project = m_dir->filePath(QStringLiteral("demo"));
    TempWorkDir::copyTree(demoDir() + QStringLiteral("/project"), project);
    m_dir->write(QStringLiteral("demo/deviceList.xml"),
                 readAll(project + QStringLiteral("/deviceList.xml")).replace(kDemoNet, TestNet::subnet().toLatin1()));
    m_dir->write(QStringLiteral("config.xml"),
                 QStringLiteral("<Config><AppSettings workspaceDir=\"%1\" Language=\"pl\"/>"
                                "<LastProject location=\"%2/\" name=\"demo\"/></Config>")
                     .arg(m_dir->path(), project)
                     .toUtf8());
    m_window = new MainWindow;
    m_window->resize(1294, 783);
    m_window->show();
    QVERIFY(m_window->isProjectOpen());
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

SimController &TestDemo::controller(const QString &name)
{
    return m_sim.server(name)->controller();
}

QString TestDemo::simValue(const QString &controllerName, const QString &variable)
{
    return controller(controllerName).valueText(variable);
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
        QObject *root = m_window->schemeView()->rootObject();
        QVERIFY(root);
        QVERIFY(!scheme.readVariables.isEmpty());
        for (const TeskSchemeVariable &v : scheme.readVariables) {
            const QString key = v.type == QLatin1String("temp") ? v.devVar + QStringLiteral(".value") : v.devVar;
            QString expected;
            QVERIFY(CommandLanguage::decode(v.type, key, simValue(controllerOf.value(v.device), v.devVar), &expected));
            const QVariant shown = root->property(v.qmlVar.toLatin1().constData());
            QVariant wanted(expected);
            QVERIFY(wanted.convert(shown.userType()));
            QVERIFY2(shown == wanted, qPrintable(scheme.id + QLatin1Char('/') + v.qmlVar + QStringLiteral(": ")
                                                + shown.toString() + QStringLiteral(" != ") + expected));
        }
    }
}

void TestDemo::eventsOfEveryType_data()
{
    using Fill = std::function<void(QWidget *)>;
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("event");
    QTest::addColumn<Fill>("fill");
    QTest::addColumn<QStringList>("expected"); // controller / variable / value
    QTest::newRow("int") << "Kotłownia" << "histereza"
                         << Fill([](QWidget *d) { d->findChild<QSpinBox *>("kot.histerezaKOT")->setValue(7); })
                         << QStringList({"Kotłownia", "kot.histereza", "7"});
    QTest::newRow("temp") << "Kotłownia" << "t_zadana"
                          << Fill([](QWidget *d) { d->findChild<QDoubleSpinBox *>("kot.t_zadanaKOT")->setValue(72.5); })
                          << QStringList({"Kotłownia", "kot.t_zadana", "725"});
    QTest::newRow("logic") << "Kotłownia" << "palnik2"
                           << Fill([](QWidget *d) { d->findChild<QCheckBox *>("kot2.palnikKOT")->setChecked(true); })
                           << QStringList({"Kotłownia", "kot2.palnik", "1"});
    QTest::newRow("percent") << "Obiegi grzewcze" << "zawor1"
                             << Fill([](QWidget *d) { d->findChild<QSpinBox *>("co1.zaworCO1")->setValue(80); })
                             << QStringList({"Obieg 1 (grzejniki)", "co1.zawor", "80"});
    QTest::newRow("three at once") << "Obiegi grzewcze" << "obieg2"
                                   << Fill([](QWidget *d) {
                                          d->findChild<QCheckBox *>("co2.pompaCO2")->setChecked(false);
                                          d->findChild<QDoubleSpinBox *>("co2.t_zadanaCO2")->setValue(19.5);
                                      })
                                   << QStringList({"Obieg 2 (podłogówka)", "co2.t_zadana", "195"});
    QTest::newRow("combo") << "Ciepła woda" << "tryb"
                           << Fill([](QWidget *d) { d->findChild<QComboBox *>("cwu.trybCWU")->setCurrentText("Eko"); })
                           << QStringList({"Ciepła woda", "cwu.tryb", "0"});
    QTest::newRow("list") << "Centrala wentylacyjna" << "bieg"
                          << Fill([](QWidget *d) { d->findChild<QListWidget *>("ahu.biegAHU")->setCurrentRow(2); })
                          << QStringList({"Centrala wentylacyjna", "ahu.bieg", "3"});
    QTest::newRow("real") << "Centrala wentylacyjna" << "odzysk"
                          << Fill([](QWidget *d) { d->findChild<QDoubleSpinBox *>("ahu.odzyskAHU")->setValue(55); })
                          << QStringList({"Centrala wentylacyjna", "ahu.odzysk", "55"});
}

void TestDemo::eventsOfEveryType()
{
    using Fill = std::function<void(QWidget *)>;
    QFETCH(QString, scheme);
    QFETCH(QString, event);
    QFETCH(Fill, fill);
    QFETCH(QStringList, expected);
    show(scheme);
    const int before = passes();
    ModalDriver driver([&](QWidget *dialog) {
        fill(dialog);
        save(dialog);
    });
    QMetaObject::invokeMethod(m_window->schemeView()->rootObject(), "itemClicked", Q_ARG(QString, event));
    QTRY_VERIFY_WITH_TIMEOUT(driver.ran(), 10000);
    QTRY_COMPARE(simValue(expected.at(0), expected.at(1)), expected.at(2));
    QTRY_VERIFY_WITH_TIMEOUT(passes() > before, 10000); // the write is followed by a refresh
}

void TestDemo::overviewLeadsToTheSchemes()
{
    const QStringList targets = {"kotlownia", "obiegi", "cwu", "centrala"};
    const QStringList titles = {"Kotłownia", "Obiegi grzewcze", "Ciepła woda", "Centrala wentylacyjna"};
    for (int i = 0; i < targets.size(); ++i) {
        show(QStringLiteral("Przegląd obiektu"));
        QMetaObject::invokeMethod(m_window->schemeView()->rootObject(), "itemClicked", Q_ARG(QString, targets.at(i)));
        emit m_window->schemeView()->mouseReleased();
        QCOMPARE(m_window->shownItem()->text(0), titles.at(i));
        QMetaObject::invokeMethod(m_window->schemeView()->rootObject(), "itemClicked", Q_ARG(QString, QStringLiteral("przeglad")));
        emit m_window->schemeView()->mouseReleased();
        QCOMPARE(m_window->shownItem()->text(0), QStringLiteral("Przegląd obiektu"));
    }
}

void TestDemo::aSilentControllerHoldsUpNoOther()
{
    show(QStringLiteral("Przegląd obiektu"));
    SimServer *circuit = m_sim.server(QStringLiteral("Obieg 1 (grzejniki)"));
    const QString address = circuit->address().toString();
    const auto logged = [this](const QString &text) {
        int n = 0;
        for (const LogEntry &e : m_window->logModel()->entries())
            n += e.text == text;
        return n;
    };
    circuit->setFault(SimFault::Silent);
    // The others' values keep coming, pass after pass; the silence is logged once.
    SimVariable *mode = m_sim.server(QStringLiteral("Ciepła woda"))->controller().variable(QStringLiteral("cwu.tryb"));
    const int before = passes();
    for (int n : {2, 0, 1}) {
        mode->number = n;
        QTRY_VERIFY_WITH_TIMEOUT(m_window->schemeView()->rootObject()->property("trybCwu").toInt() == n, 10000);
    }
    QVERIFY(passes() >= before + 3);
    QCOMPARE(logged(QStringLiteral("Sterownik ") + address + QStringLiteral(" nie odpowiada")), 1);

    // The controller list says which controller does not answer.
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

    // Its first good answer brings it back, said once too.
    circuit->setFault(SimFault::None);
    m_window->refreshData();
    QTRY_COMPARE_WITH_TIMEOUT(logged(QStringLiteral("Sterownik ") + address + QStringLiteral(" znów odpowiada")), 1, 10000);
}

QTEST_MAIN(TestDemo)
#include "tst_demo.moc"
