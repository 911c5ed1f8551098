#include "dataread.h"
#include "dataset.h"
#include "dialogs.h"
#include "logmodel.h"
#include "mainwindow.h"
#include "modaldriver.h"
#include "qdeclarativezoompan.h"
#include "qteskcmd.h"
#include "simcontrollers.h"
#include "stalestrip.h"
#include "tempworkdir.h"
#include "testnet.h"
#include "testpaths.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QQuickItem>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(std::function<void(MainWindow *)>)
Q_DECLARE_METATYPE(SimFault)

namespace {

const QString kK1 = TestNet::host(1);
const QString kK2 = TestNet::host(2);
const QString kK3 = TestNet::host(3);
const QString kDone = QStringLiteral("Aktualizacja zakończona, czas odczytu: 0 s");

QStringList logTexts(MainWindow *w, int from = 0)
{
    QStringList out;
    for (int i = from; i < w->logModel()->entries().size(); ++i)
        out << w->logModel()->entries().at(i).text;
    return out;
}

QTreeWidgetItem *row(MainWindow *w, const QString &text)
{
    for (QTreeWidgetItem *item : w->treeItems()) {
        if (item->text(0) == text)
            return item;
    }
    return nullptr;
}

bool hasIcon(QTreeWidgetItem *item, const char *name)
{
    return item->icon(0).pixmap(32).toImage() == QIcon(QString::fromLatin1(name)).pixmap(32).toImage();
}

void click(MainWindow *w, const QString &name)
{
    QMetaObject::invokeMethod(w->schemeView()->rootObject(), "itemClicked", Q_ARG(QString, name));
}

QLabel *refreshStopped(MainWindow *w)
{
    for (QLabel *l : w->statusBar()->findChildren<QLabel *>()) {
        if (l->text().contains(QStringLiteral("zatrzymane")))
            return l;
    }
    return nullptr;
}

void pressSave(QWidget *dialog)
{
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("saveBtn")), Qt::LeftButton);
}

} // namespace

class TestSchemeRuntime : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void passesFillTheSceneAndNameSilentControllers();
    void groupsAndTheShownSchemeChangeNothing();
    void refreshGoesOn_data();
    void refreshGoesOn();
    void missingControllerHaltsVisibly();
    void schemeWithoutValuesEndsTheCycle();
    void eventWritesAndChecksTheReply();
    void eventControllerFails_data();
    void eventControllerFails();
    void leavingTheSchemeDropsThePendingEvent();
    void schemeChangeOnRelease();
    void menuTreeHandedBack();

private:
    void choose(const QString &text);
    int passes() const { return logTexts(m_window).count(kDone); }

    SimServer *m_k1 = nullptr;
    SimServer *m_k2 = nullptr;
    SimServer *m_k3 = nullptr;
    TempWorkDir *m_dir = nullptr;
    MainWindow *m_window = nullptr;
};

void TestSchemeRuntime::initTestCase()
{
    m_k1 = SimControllers::start(this, kK1, R"(
        <Variable name="t1" type="phy_temperature" value="215"/>
        <Variable name="pump" type="on_off" modify="1" value="1"/>
        <Variable name="tset" type="phy_temperature" modify="1" min="0" max="900" value="455"/>
        <Variable name="mode" type="int" value="1"/>)", 16483);
    m_k2 = SimControllers::start(this, kK2, R"(<Variable name="x" type="int" modify="1" value="7"/>)", 16483);
    m_k3 = SimControllers::start(this, kK3, R"(<Variable name="s" type="int"/>)", 16483);
    m_k3->setFault(SimFault::Silent);
}

void TestSchemeRuntime::init()
{
    m_dir = new TempWorkDir;
    const QString project = m_dir->filePath(QStringLiteral("obiekt"));
    TempWorkDir::copyTree(TestPaths::dataDir() + QStringLiteral("/projects/runtime"), project);
    m_dir->write("obiekt/deviceList.xml", m_dir->read("obiekt/deviceList.xml").replace("127.0.6.", TestNet::subnet().toLatin1()));
    m_dir->write("config.xml", QStringLiteral("<Config><AppSettings workspaceDir=\"%1\" Language=\"pl\"/>"
                                              "<LastProject location=\"%2/\" name=\"Obiekt testowy\"/></Config>")
                                   .arg(m_dir->path(), project).toUtf8());
    m_window = new MainWindow;
    m_window->resize(1000, 700);
    m_window->show();
    m_window->writer()->link()->setTimeoutMs(400);
    m_window->reader()->link()->setTimeoutMs(400);
}

void TestSchemeRuntime::cleanup()
{
    ModalDriver::closeAllModals();
    Dialogs::reset();
    delete m_window;
    delete m_dir;
    for (SimServer *s : {m_k1, m_k2})
        s->setFault(SimFault::None);
    m_k1->controller().variable("t1")->number = 215;
    m_k1->controller().variable("tset")->number = 455;
    m_k2->controller().variable("x")->number = 7;
}

void TestSchemeRuntime::choose(const QString &text)
{
    m_window->findChild<QTreeWidget *>(QStringLiteral("menuTree"))->setCurrentItem(row(m_window, text));
}

void TestSchemeRuntime::passesFillTheSceneAndNameSilentControllers()
{
    choose(QStringLiteral("Kocioł"));
    QTreeWidgetItem *item = row(m_window, QStringLiteral("Kocioł"));
    QVERIFY(hasIcon(item, ":/update"));
    auto *tabs = m_window->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Schemat"));
    QObject *root = m_window->schemeView()->rootObject();
    QTRY_COMPARE(passes(), 1);
    QCOMPARE(root->property("tKotla").toDouble(), 21.5);
    QCOMPARE(root->property("nastawa").toInt(), 7);
    QCOMPARE(root->property("brak").toString(), QString()); // absent from the reply
    QCOMPARE(root->property("staleVars").toStringList(), QStringList("brak"));
    QVERIFY(hasIcon(item, ":/scheme"));
    QVERIFY(logTexts(m_window).contains("Brak parametru w sterowniku: " + kK1 + " [nope]"));
    // K3, asked only for an event, keeps silent: named over the scheme.
    QVERIFY(m_window->staleStrip()->isVisible());
    QCOMPARE(m_window->staleStrip()->text(),
             "Sterownik nie odpowiada: K3 " + kK3 + " (Milczący), brak odpowiedzi od otwarcia schematu");

    // A controller that stops answering: its values stay, visibly stale; the
    // others go on refreshing at the scheme's interval.
    m_k2->setFault(SimFault::Silent);
    m_k1->controller().variable("t1")->number = 230;
    QTRY_VERIFY_WITH_TIMEOUT(root->property("nastawaStale").toBool(), 5000);
    QCOMPARE(root->property("tKotla").toDouble(), 23.0);
    QCOMPARE(root->property("nastawa").toInt(), 7);
    QVERIFY(m_window->staleStrip()->text().contains(
        QRegularExpression("K2 " + QRegularExpression::escape(kK2) + " \\(Rozdzielacz\\), ostatnia poprawna odpowiedź: \\d\\d:\\d\\d:\\d\\d")));
    m_k2->setFault(SimFault::None);
    m_k2->controller().variable("x")->number = 11;
    QTRY_COMPARE_WITH_TIMEOUT(root->property("nastawa").toInt(), 11, 5000);
    QVERIFY(!root->property("nastawaStale").toBool());
    QVERIFY(!m_window->staleStrip()->text().contains("K2"));
}

void TestSchemeRuntime::groupsAndTheShownSchemeChangeNothing()
{
    choose(QStringLiteral("Kocioł"));
    QTRY_VERIFY(m_window->refreshTimer()->isActive());
    QObject *root = m_window->schemeView()->rootObject();
    auto *tabs = m_window->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    tabs->setCurrentIndex(1);
    choose(QStringLiteral("Kotłownia"));
    choose(QStringLiteral("Kocioł"));
    QCOMPARE(m_window->schemeView()->rootObject(), root); // not loaded again
    QCOMPARE(tabs->currentIndex(), 1);                   // tabs not rebuilt
    QVERIFY(m_window->refreshTimer()->isActive());
}

void TestSchemeRuntime::refreshGoesOn_data()
{
    using Act = std::function<void(MainWindow *)>;
    QTest::addColumn<Act>("act");
    auto modal = [](const char *action) {
        return Act([action](MainWindow *w) {
            ModalDriver driver([](QWidget *m) { QTimer::singleShot(1500, m, [m] { qobject_cast<QDialog *>(m)->reject(); }); });
            w->findChild<QAction *>(QString::fromLatin1(action))->trigger();
        });
    };
    QTest::newRow("value dialog cancelled") << Act([](MainWindow *w) {
        ModalDriver driver([](QWidget *m) { QTimer::singleShot(1500, m, [m] { qobject_cast<QDialog *>(m)->reject(); }); });
        click(w, QStringLiteral("nastawy"));
        QTRY_VERIFY(driver.ran());
        QTRY_VERIFY(!QApplication::activeModalWidget());
    });
    QTest::newRow("element without an event") << Act([](MainWindow *w) { click(w, QStringLiteral("nic")); });
    QTest::newRow("scheme change to nowhere") << Act([](MainWindow *w) {
        click(w, QStringLiteral("nigdzie"));
        emit w->schemeView()->mouseReleased();
    });
    QTest::newRow("controller list cancelled") << modal("actionDevices");
    QTest::newRow("menu tree editor cancelled") << modal("actionMenuTree");
}

// Whatever the operator did, the cycle goes on; nothing is read while a
// modal dialog is open.
void TestSchemeRuntime::refreshGoesOn()
{
    QFETCH(std::function<void(MainWindow *)>, act);
    choose(QStringLiteral("Kocioł"));
    QTRY_COMPARE(passes(), 1);
    const int asked = m_k2->requestCount();
    int askedBehindDialog = -1;
    QTimer probe;
    connect(&probe, &QTimer::timeout, this, [&] {
        if (QApplication::activeModalWidget() && askedBehindDialog < 0)
            askedBehindDialog = m_k2->commands().mid(asked).count(QStringLiteral("get_all;"));
    });
    probe.start(1400);
    act(m_window);
    QVERIFY(askedBehindDialog <= 0);
    const int before = passes();
    QTRY_VERIFY_WITH_TIMEOUT(passes() >= before + 2, 6000);
    QVERIFY(!refreshStopped(m_window)->isVisible());
}

void TestSchemeRuntime::missingControllerHaltsVisibly()
{
    choose(QStringLiteral("Bez sterownika"));
    const QString notFound = QStringLiteral("Nie znaleziono sterownika z ID: K9");
    QTRY_VERIFY(logTexts(m_window).contains(notFound));
    QTreeWidgetItem *item = row(m_window, QStringLiteral("Bez sterownika"));
    QVERIFY(hasIcon(item, ":/scheme"));
    QVERIFY(refreshStopped(m_window)->isVisible());
    QVERIFY(!item->toolTip(0).isEmpty());
    QTest::qWait(1500); // the interval passes; the state stays until the operator acts
    QCOMPARE(logTexts(m_window).count(notFound), 1);
    QVERIFY(refreshStopped(m_window)->isVisible());
    emit m_window->schemeView()->refreshRequested();
    QCOMPARE(logTexts(m_window).count(notFound), 2);
}

void TestSchemeRuntime::schemeWithoutValuesEndsTheCycle()
{
    choose(QStringLiteral("Kocioł"));
    QTRY_COMPARE(passes(), 1);
    choose(QStringLiteral("Zepsuty"));
    QVERIFY(!m_window->schemeView()->rootObject());
    const QStringList texts = logTexts(m_window);
    QVERIFY(texts.indexOf(QRegularExpression(QStringLiteral("^Błąd ładowania schematu: .*/qml/Broken.qml$"))) >= 0);
    const int asked = m_k1->requestCount();
    QTest::qWait(1500);
    QCOMPARE(m_k1->requestCount(), asked);
    QVERIFY(!m_window->staleStrip()->isVisible());
}

void TestSchemeRuntime::eventWritesAndChecksTheReply()
{
    choose(QStringLiteral("Kocioł"));
    QTRY_COMPARE(passes(), 1);
    QStringList labels;
    ModalDriver driver([&labels](QWidget *modal) {
        auto *form = modal->findChild<QFormLayout *>(QStringLiteral("formLayout"));
        for (int r = 0; r < form->rowCount(); ++r)
            labels << qobject_cast<QLabel *>(form->itemAt(r, QFormLayout::LabelRole)->widget())->text();
        QCOMPARE(modal->findChild<QDoubleSpinBox *>(QStringLiteral("tsetK1"))->text(), QStringLiteral("45.5 \u00b0C"));
        QCOMPARE(modal->findChild<QComboBox *>(QStringLiteral("modeK1"))->currentText(), QStringLiteral("Ręczny"));
        QCOMPARE(modal->findChild<QListWidget *>(QStringLiteral("pumpK1"))->currentItem()->text(), QStringLiteral("Praca"));
        modal->findChild<QSpinBox *>(QStringLiteral("xK2"))->setValue(12);
        modal->findChild<QDoubleSpinBox *>(QStringLiteral("tsetK1"))->setValue(95);
        modal->findChild<QComboBox *>(QStringLiteral("modeK1"))->setCurrentIndex(1);
        pressSave(modal);
    });
    Dialogs::presetAnswer(QMessageBox::Ok);
    const int k1Asked = m_k1->requestCount();
    click(m_window, QStringLiteral("nastawy"));
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QTRY_COMPARE(Dialogs::shown().size(), 1);
    QCOMPARE(labels, QStringList({"Nastawa: ", "Temperatura zadana: ", "Tryb: ", "Pompa: "}));
    QCOMPARE(m_k1->commands().mid(k1Asked, 2), QStringList({"get(tset;mode;pump;);", "set(tset=950;mode=0;pump=1;);"}));
    QVERIFY(m_k2->commands().contains(QStringLiteral("set(x=12;);")));
    const QString changed = "Sterownik zmienił zapisywaną wartość: " + kK1 + " [tset: wysłano 950, sterownik przyjął 900]";
    const QString refused = "Sterownik odrzucił zapis: " + kK1 + " [mode=0], wartość w sterowniku bez zmian";
    QCOMPARE(Dialogs::shown().first().text, "Nie wszystkie wartości zostały zapisane:\n" + changed + "\n" + refused);
    QVERIFY(logTexts(m_window).contains(changed));
    QVERIFY(!QApplication::overrideCursor());
    // The write is followed by a refresh.
    QTRY_COMPARE(m_window->schemeView()->rootObject()->property("nastawa").toInt(), 12);
}

void TestSchemeRuntime::eventControllerFails_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<SimFault>("k2");
    QTest::addColumn<QString>("error");
    // K2 is the second controller the event asks.
    QTest::newRow("garbage") << "nastawy" << SimFault::Garbage << "Sterownik " + kK2 + ": niepoprawna odpowiedź";
    QTest::newRow("silent") << "cisza" << SimFault::None << "Sterownik " + kK3 + " nie odpowiada";
}

// The read-back ends: the cursor comes back, the log names the controller,
// the scheme goes on refreshing, and the next event asks from the first.
void TestSchemeRuntime::eventControllerFails()
{
    QFETCH(QString, event);
    QFETCH(SimFault, k2);
    QFETCH(QString, error);
    choose(QStringLiteral("Kocioł"));
    QTRY_COMPARE(passes(), 1);
    m_k2->setFault(k2);
    const int before = passes();
    const int logged = m_window->logModel()->entries().size();
    click(m_window, event);
    QTRY_VERIFY(!QApplication::overrideCursor());
    QVERIFY(logTexts(m_window, logged).contains(error));
    m_k2->setFault(SimFault::None);
    QTRY_VERIFY_WITH_TIMEOUT(passes() > before, 3000);
    ModalDriver driver([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
    const int k1Asked = m_k1->requestCount();
    click(m_window, QStringLiteral("nastawy"));
    QTRY_VERIFY(driver.ran());
    QCOMPARE(m_k1->commands().value(k1Asked), QStringLiteral("get(tset;mode;pump;);"));
}

void TestSchemeRuntime::leavingTheSchemeDropsThePendingEvent()
{
    choose(QStringLiteral("Kocioł"));
    QTRY_COMPARE(passes(), 1);
    m_k3->setFault(SimFault::Delay, 300);
    click(m_window, QStringLiteral("cisza"));
    choose(QStringLiteral("Wentylacja"));
    QVERIFY(!QApplication::overrideCursor());
    QTest::qWait(800);
    QVERIFY(!QApplication::activeModalWidget());
    m_k3->setFault(SimFault::Silent);
    QTRY_COMPARE(m_window->schemeView()->rootObject()->property("nastawa").toInt(), 7);
}

void TestSchemeRuntime::schemeChangeOnRelease()
{
    choose(QStringLiteral("Kocioł"));
    click(m_window, QStringLiteral("nigdzie"));
    QVERIFY(logTexts(m_window).contains(QStringLiteral("Nie znaleziono schematu o ID: zzz")));
    click(m_window, QStringLiteral("wentylacja"));
    QCOMPARE(m_window->shownItem(), row(m_window, QStringLiteral("Kocioł"))); // not before the release
    emit m_window->schemeView()->mouseReleased();
    QCOMPARE(m_window->shownItem(), row(m_window, QStringLiteral("Wentylacja")));
    QTRY_COMPARE(m_window->schemeView()->rootObject()->property("nastawa").toInt(), 7);
}

void TestSchemeRuntime::menuTreeHandedBack()
{
    choose(QStringLiteral("Kocioł"));
    QTRY_VERIFY(m_window->refreshTimer()->isActive());
    QList<MenuItemRecord> records = m_window->project().menu;
    MenuItemRecord lateChild = records.at(1);
    lateChild.parent = QStringLiteral("9");
    lateChild.id = QStringLiteral("late");
    lateChild.text = QStringLiteral("Później");
    MenuItemRecord group = records.at(0);
    group.id = QStringLiteral("9");
    group.text = QStringLiteral("Druga");
    m_window->applyMenuRecords(QList<MenuItemRecord>({lateChild}) + records + QList<MenuItemRecord>({group}));
    QVERIFY(!m_window->shownItem());
    QCOMPARE(m_window->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->count(), 1);
    QCOMPARE(row(m_window, QStringLiteral("Później"))->parent(), row(m_window, QStringLiteral("Druga")));
    // A late completion of the old scheme's pass finds nothing to touch.
    const int entries = m_window->logModel()->entries().size();
    m_window->teskcmdAllDataReady({{QStringLiteral("tKotla"), QStringLiteral("1")}});
    m_window->refreshData();
    QTest::qWait(1500);
    QCOMPARE(logTexts(m_window, entries), QStringList());
}

QTEST_MAIN(TestSchemeRuntime)
#include "tst_schemeruntime.moc"
