#include "dataread.h"
#include "dataset.h"
#include "dialogs.h"
#include "logmodel.h"
#include "mainwindow.h"
#include "modaldriver.h"
#include "qdeclarativezoompan.h"
#include "qteskcmd.h"
#include "setvalue.h"
#include "simcontrollers.h"
#include "tempworkdir.h"
#include "testnet.h"
#include "testpaths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QQuickItem>
#include <QStatusBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QString kK1 = TestNet::host(1);
const QString kK2 = TestNet::host(2);
const QString kK3 = TestNet::host(3);

QStringList logTexts(MainWindow &w, int from = 0)
{
    QStringList out;
    const auto &entries = w.logModel()->entries();
    for (int i = from; i < entries.size(); ++i)
        out << entries.at(i).text;
    return out;
}

QTreeWidgetItem *row(MainWindow &w, const QString &text)
{
    for (QTreeWidgetItem *item : w.treeItems()) {
        if (item->text(0) == text)
            return item;
    }
    return nullptr;
}

QImage iconOf(QTreeWidgetItem *item)
{
    return item->icon(0).pixmap(32).toImage();
}

QImage icon(const char *name)
{
    return QIcon(QString::fromLatin1(name)).pixmap(32).toImage();
}

void click(QObject *root, const QString &name)
{
    QMetaObject::invokeMethod(root, "itemClicked", Q_ARG(QString, name));
}

} // namespace

class TestSchemeRuntime : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void firstPassFillsTheScene();
    void refreshCycleRuns();
    void groupsAndTheShownSchemeChangeNothing();
    void missingControllerStopsTheRefresh();
    void brokenSceneIsLogged();
    void eventReadsAsksAndWrites();
    void cancelledDialogWritesNothing();
    void schemeChangeOnRelease();
    void silentControllerDuringAnEvent();
    void editorsHandBackRecords();

private:
    void choose(const QString &text);

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
        <Variable name="mode" type="int" modify="1" value="1"/>)", 16483);
    m_k2 = SimControllers::start(this, kK2, R"(<Variable name="x" type="int" modify="1" value="7"/>)", 16483);
    m_k3 = SimControllers::start(this, kK3, R"(<Variable name="s" type="int"/>)", 16483);
    m_k3->setFault(SimFault::Silent);
}

void TestSchemeRuntime::init()
{
    m_dir = new TempWorkDir;
    const QString project = m_dir->filePath(QStringLiteral("obiekt"));
    TempWorkDir::copyTree(TestPaths::dataDir() + QStringLiteral("/projects/runtime"), project);
    QFile devices(project + QStringLiteral("/deviceList.xml"));
    QVERIFY(devices.open(QIODevice::ReadOnly));
    m_dir->write(QStringLiteral("obiekt/deviceList.xml"), devices.readAll().replace("127.0.6.", TestNet::subnet().toLatin1()));
    m_dir->write(QStringLiteral("config.xml"),
                 QStringLiteral("<Config><AppSettings workspaceDir=\"%1\" Language=\"pl\"/>"
                                "<LastProject location=\"%2/\" name=\"Obiekt testowy\"/></Config>")
                     .arg(m_dir->path(), project)
                     .toUtf8());
    m_window = new MainWindow;
    m_window->resize(1000, 700);
    m_window->show();
    m_window->writer()->link()->setTimeoutMs(400);
    m_window->reader()->setLinkTimeoutMs(400);
}

void TestSchemeRuntime::cleanup()
{
    ModalDriver::closeAllModals();
    Dialogs::reset();
    delete m_window;
    delete m_dir;
}

void TestSchemeRuntime::choose(const QString &text)
{
    m_window->findChild<QTreeWidget *>(QStringLiteral("menuTree"))->setCurrentItem(row(*m_window, text));
}

void TestSchemeRuntime::firstPassFillsTheScene()
{
    const int logStart = m_window->logModel()->entries().size();
    choose(QStringLiteral("Kocioł"));
    QTreeWidgetItem *item = row(*m_window, QStringLiteral("Kocioł"));
    QCOMPARE(iconOf(item), icon(":/update"));
    auto *tabs = m_window->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Schemat"));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(m_window->refreshTimer()->interval(), 1000);

    QObject *root = m_window->schemeView()->rootObject();
    QVERIFY(root);
    QTRY_COMPARE(root->property("tKotla").toDouble(), 21.5);
    QCOMPARE(root->property("pompa").toBool(), true);
    QCOMPARE(root->property("nastawa").toInt(), 7);
    QCOMPARE(root->property("brak").toString(), QString()); // absent: the empty text
    QCOMPARE(iconOf(item), icon(":/scheme"));
    QVERIFY(m_window->refreshTimer()->isActive());
    QCOMPARE(logTexts(*m_window, logStart),
             QStringList({"Aktualizacja danych", "Odczytano parametr ze sterownika: " + kK1 + " [tKotla=21.5]",
                          "Odczytano parametr ze sterownika: " + kK1 + " [pompa=1]",
                          "Brak parametru w sterowniku: " + kK1 + " [nope]",
                          "Odczytano parametr ze sterownika: " + kK2 + " [nastawa=7]",
                          // K3 is asked only for an event; it keeps silent
                          "Sterownik " + kK3 + " nie odpowiada",
                          "Aktualizacja zakończona, czas odczytu: 0 s"}));
    QCOMPARE(m_window->logModel()->entries().at(logStart + 3).kind, int(LogEntry::Error));
    QCOMPARE(m_window->logModel()->entries().at(logStart + 1).kind, int(LogEntry::Read));
}

void TestSchemeRuntime::refreshCycleRuns()
{
    choose(QStringLiteral("Kocioł"));
    QObject *root = m_window->schemeView()->rootObject();
    QTRY_COMPARE(root->property("nastawa").toInt(), 7);
    m_k2->controller().variable(QStringLiteral("x"))->number = 11;
    // The timer brings the next pass one interval after the last completion.
    QTRY_COMPARE_WITH_TIMEOUT(root->property("nastawa").toInt(), 11, 4000);
    QVERIFY(logTexts(*m_window).count(QStringLiteral("Aktualizacja danych")) >= 2);
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
    QCOMPARE(m_window->shownItem(), row(*m_window, QStringLiteral("Kocioł")));
    QCOMPARE(tabs->currentIndex(), 1);                   // tabs not rebuilt
    QVERIFY(m_window->refreshTimer()->isActive());
}

void TestSchemeRuntime::missingControllerStopsTheRefresh()
{
    choose(QStringLiteral("Bez sterownika"));
    QTRY_VERIFY(logTexts(*m_window).contains(QStringLiteral("Nie znaleziono sterownika z ID: K9")));
    QTreeWidgetItem *item = row(*m_window, QStringLiteral("Bez sterownika"));
    QCOMPARE(iconOf(item), icon(":/scheme"));
    QLabel *stopped = nullptr;
    for (QLabel *l : m_window->statusBar()->findChildren<QLabel *>()) {
        if (l->text().contains(QStringLiteral("zatrzymane")))
            stopped = l;
    }
    QVERIFY(stopped && stopped->isVisible());
    QVERIFY(!item->toolTip(0).isEmpty());
    // The shot scheduled with the first pass comes once more; then nothing.
    QTRY_COMPARE_WITH_TIMEOUT(logTexts(*m_window).count(QStringLiteral("Nie znaleziono sterownika z ID: K9")), 2, 3000);
    QVERIFY(!m_window->refreshTimer()->isActive());
    emit m_window->schemeView()->refreshRequested();
    QCOMPARE(logTexts(*m_window).count(QStringLiteral("Aktualizacja danych")), 3);
}

void TestSchemeRuntime::brokenSceneIsLogged()
{
    choose(QStringLiteral("Zepsuty"));
    QVERIFY(!m_window->schemeView()->rootObject());
    const QStringList texts = logTexts(*m_window);
    const int at = texts.indexOf(QRegularExpression(QStringLiteral("^Błąd ładowania schematu: .*/qml/Broken.qml$")));
    QVERIFY(at >= 0);
    QVERIFY(texts.value(at + 1).contains(QStringLiteral("Broken.qml:")));
    QCOMPARE(m_window->logModel()->entries().at(at).kind, int(LogEntry::Error));
}

void TestSchemeRuntime::eventReadsAsksAndWrites()
{
    choose(QStringLiteral("Kocioł"));
    QTRY_VERIFY(m_window->refreshTimer()->isActive());
    QObject *root = m_window->schemeView()->rootObject();
    QStringList labels;
    ModalDriver driver([&labels](QWidget *modal) {
        auto *form = modal->findChild<QFormLayout *>(QStringLiteral("formLayout"));
        for (int r = 0; r < form->rowCount(); ++r)
            labels << qobject_cast<QLabel *>(form->itemAt(r, QFormLayout::LabelRole)->widget())->text();
        QCOMPARE(modal->findChild<QDoubleSpinBox *>(QStringLiteral("tsetK1"))->value(), 45.5);
        QCOMPARE(modal->findChild<QDoubleSpinBox *>(QStringLiteral("tsetK1"))->suffix(), QStringLiteral(" \u00b0C"));
        auto *combo = modal->findChild<QComboBox *>(QStringLiteral("modeK1"));
        QCOMPARE(combo->itemText(0), QStringLiteral("Ręczny")); // inserted at the top, so reversed
        QCOMPARE(combo->currentText(), QStringLiteral("Ręczny"));
        QCOMPARE(modal->findChild<QListWidget *>(QStringLiteral("pumpK1"))->currentItem()->text(), QStringLiteral("Praca"));
        modal->findChild<QSpinBox *>(QStringLiteral("xK2"))->setValue(12);
        combo->setCurrentIndex(1);
        QTest::mouseClick(modal->findChild<QPushButton *>(QStringLiteral("saveBtn")), Qt::LeftButton);
    });
    const int k1Requests = m_k1->requestCount();
    const int k2Requests = m_k2->requestCount();
    click(root, QStringLiteral("nastawy"));
    QTRY_VERIFY(driver.ran());
    QCOMPARE(labels, QStringList({"Nastawa: ", "Temperatura zadana: ", "Tryb: ", "Pompa: "}));
    QTRY_VERIFY(m_k2->commands().mid(k2Requests).contains(QStringLiteral("set(x=12;);")));
    QCOMPARE(m_k2->commands().mid(k2Requests, 2), QStringList({"get(x;);", "set(x=12;);"}));
    QCOMPARE(m_k1->commands().mid(k1Requests, 2),
             QStringList({"get(tset;mode;pump;);", "set(tset=455;mode=0;pump=1;);"}));
    QCOMPARE(m_window->cursor().shape(), Qt::ArrowCursor);
    // The write is followed by a refresh.
    QTRY_COMPARE(root->property("nastawa").toInt(), 12);
    QVERIFY(logTexts(*m_window).contains("Zapis do sterownika: " + kK2 + " [x=12]"));
}

void TestSchemeRuntime::cancelledDialogWritesNothing()
{
    choose(QStringLiteral("Kocioł"));
    QTRY_VERIFY(m_window->refreshTimer()->isActive());
    ModalDriver driver([](QWidget *modal) {
        QTest::mouseClick(modal->findChild<QPushButton *>(QStringLiteral("cancelBtn")), Qt::LeftButton);
    });
    click(m_window->schemeView()->rootObject(), QStringLiteral("nastawy"));
    QTRY_VERIFY(driver.ran());
    QTest::qWait(300);
    QVERIFY(!m_k2->lastCommand().startsWith(QStringLiteral("set(")));
    QVERIFY(!m_window->refreshTimer()->isActive()); // until the operator refreshes
}

void TestSchemeRuntime::schemeChangeOnRelease()
{
    choose(QStringLiteral("Kocioł"));
    QObject *root = m_window->schemeView()->rootObject();
    click(root, QStringLiteral("nigdzie"));
    QVERIFY(logTexts(*m_window).contains(QStringLiteral("Nie znaleziono schematu o ID: zzz")));
    emit m_window->schemeView()->mouseReleased();
    QCOMPARE(m_window->shownItem(), row(*m_window, QStringLiteral("Kocioł")));

    click(root, QStringLiteral("wentylacja"));
    QCOMPARE(m_window->shownItem(), row(*m_window, QStringLiteral("Kocioł"))); // not before the release
    emit m_window->schemeView()->mouseReleased();
    QCOMPARE(m_window->shownItem(), row(*m_window, QStringLiteral("Wentylacja")));
    QTRY_COMPARE(m_window->schemeView()->rootObject()->property("nastawa").toInt(), m_k2->controller().valueText(QStringLiteral("x")).toInt());
}

void TestSchemeRuntime::silentControllerDuringAnEvent()
{
    choose(QStringLiteral("Kocioł"));
    QTRY_VERIFY(m_window->refreshTimer()->isActive());
    const int passes = logTexts(*m_window).count(QStringLiteral("Aktualizacja danych"));
    click(m_window->schemeView()->rootObject(), QStringLiteral("cisza"));
    QCOMPARE(m_window->cursor().shape(), Qt::WaitCursor);
    QTRY_VERIFY(logTexts(*m_window).contains("Sterownik " + kK3 + " nie odpowiada"));
    QCOMPARE(m_window->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(logTexts(*m_window).count(QStringLiteral("Aktualizacja danych")) > passes);
}

void TestSchemeRuntime::editorsHandBackRecords()
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
    records.prepend(lateChild);
    records.append(group);
    m_window->applyMenuRecords(records);
    QVERIFY(m_window->isModified());
    QVERIFY(!m_window->shownItem());
    QVERIFY(!m_window->refreshTimer()->isActive());
    QCOMPARE(m_window->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->count(), 1);
    QCOMPARE(row(*m_window, QStringLiteral("Później"))->parent(), row(*m_window, QStringLiteral("Druga")));
    // A late completion of the old scheme's pass finds nothing to touch.
    const int entries = m_window->logModel()->entries().size();
    m_window->teskcmdAllDataReady({{QStringLiteral("tKotla"), QStringLiteral("1")}});
    m_window->refreshData();
    QCOMPARE(m_window->logModel()->entries().size(), entries);

    m_window->applyDeviceList({});
    QVERIFY(m_window->project().devices.isEmpty());
    QVERIFY(!m_window->refreshTimer()->isActive());
}

QTEST_MAIN(TestSchemeRuntime)
#include "tst_schemeruntime.moc"
