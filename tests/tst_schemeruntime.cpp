#include "schemewindow.h"
#include "simcontrollers.h"

using namespace SchemeWindow;

namespace {

const QString kK1 = TestNet::host(1);
const QString kK2 = TestNet::host(2);
const QString kK3 = TestNet::host(3);

bool hasIcon(QTreeWidgetItem *item, const char *name)
{
    return item->icon(0).pixmap(32).toImage() == QIcon(QString::fromLatin1(name)).pixmap(32).toImage();
}

} // namespace

class TestSchemeRuntime : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_k1 = SimControllers::start(this, kK1, R"(
        <Variable name="t1" type="phy_temperature" value="215"/>
        <Variable name="pump" type="on_off" modify="1" value="1"/>
        <Variable name="tset" type="phy_temperature" modify="1" min="0" max="900" value="455"/>
        <Variable name="mode" type="int" value="1"/>)", 16483);
        m_k2 = SimControllers::start(this, kK2, R"(<Variable name="x" type="int" modify="1" value="7"/>)", 16483);
        m_k3 = SimControllers::start(this, kK3, R"(<Variable name="s" type="int"/>)", 16483);
    }

    void init()
    {
        m_k3->setFault(SimFault::Silent);
        m_dir = new TempWorkDir;
        m_window = openProject(*m_dir, TestPaths::dataDir() + "/projects/runtime", "obiekt", "127.0.6.");
        m_window->writer()->link()->setTimeoutMs(400);
        m_window->reader()->setLinkTimeoutMs(400);
    }

    void cleanup()
    {
        ModalDriver::closeAllModals();
        Dialogs::reset();
        delete m_window;
        delete m_dir;
        m_k2->setFault(SimFault::None);
        m_k2->controller().variable("x")->number = 7;
        m_k1->controller().variable("tset")->number = 455;
        m_k1->controller().variable("pump")->number = 1;
        m_k1->setFault(SimFault::None);
    }

    void passesFillTheSceneAndGoOn()
    {
        choose(m_window, "Kocioł");
        QVERIFY(hasIcon(treeRow(m_window, "Kocioł"), ":/update"));
        auto *tabs = m_window->findChild<QTabWidget *>("tabWidget");
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Schemat"));
        // Until the first pass, nothing the scene shows is read.
        QCOMPARE(sceneRoot(m_window)->property("staleVars").toStringList(), QStringList({"tKotla", "pompa", "nastawa", "brak"}));
        QTRY_COMPARE(passes(m_window), 1);
        // The first pass waits its interval for silent K3, cut short by nothing.
        QCOMPARE(logTexts(m_window).count("Aktualizacja danych"), 1);
        QCOMPARE(sceneRoot(m_window)->property("tKotla").toDouble(), 21.5);
        QCOMPARE(sceneRoot(m_window)->property("nastawa").toInt(), 7);
        // Absent from the reply: left as it was, and listed stale.
        QCOMPARE(sceneRoot(m_window)->property("brak").toString(), QStringLiteral("?"));
        QCOMPARE(sceneRoot(m_window)->property("staleVars").toStringList(), QStringList("brak"));
        QVERIFY(hasIcon(treeRow(m_window, "Kocioł"), ":/scheme"));
        QVERIFY(logTexts(m_window).contains("Brak parametru w sterowniku: " + kK1 + " [nope]"));
        // K3, asked only for an event, keeps silent: named over the scheme.
        QVERIFY(m_window->staleStrip()->isVisible());
        QCOMPARE(m_window->staleStrip()->text(),
                 "Sterownik nie odpowiada: K3 " + kK3 + " (Milczący), dotąd bez odpowiedzi");

        // Clicks that lead nowhere leave the cycle running.
        clickScene(m_window, "nic");
        clickScene(m_window, "nigdzie");
        emit m_window->schemeView()->mouseReleased();
        QVERIFY(logTexts(m_window).contains("Nie znaleziono schematu o ID: zzz"));
        // Nothing is read behind a modal dialog; once it is cancelled the cycle goes on.
        const QList<std::function<void()>> dialogs = {[this] { clickScene(m_window, "nastawy"); },
                                                      [this] { m_window->findChild<QAction *>("actionDevices")->trigger(); },
                                                      [this] { m_window->findChild<QAction *>("actionMenuTree")->trigger(); }};
        for (const std::function<void()> &openDialog : dialogs) {
            const int asked = m_k2->requestCount();
            int askedBehindDialog = -1;
            ModalDriver driver([&](QWidget *modal) {
                QTimer::singleShot(1400, modal, [&, modal] {
                    askedBehindDialog = m_k2->commands().mid(asked).count("get_all;");
                    qobject_cast<QDialog *>(modal)->reject();
                });
            });
            openDialog();
            QTRY_VERIFY(driver.ran() && !QApplication::activeModalWidget());
            QCOMPARE(askedBehindDialog, 0);
            const int before = passes(m_window);
            QTRY_VERIFY_WITH_TIMEOUT(passes(m_window) >= before + 2, 6000);
            QVERIFY(!m_window->findChild<QLabel *>("refreshStopped")->isVisible());
        }

        // A group, or the scheme already shown, changes nothing.
        QObject *shown = sceneRoot(m_window);
        tabs->setCurrentIndex(1);
        choose(m_window, "Kotłownia");
        choose(m_window, "Kocioł");
        QCOMPARE(sceneRoot(m_window), shown);
        QCOMPARE(tabs->currentIndex(), 1);
    }

    // A controller failing ends the read-back: the cursor comes back, the log
    // and a message name it, the scheme goes on refreshing, and the next event
    // asks from the first controller again. An event on a controller found not
    // answering is refused at once. Only what the operator changed is written,
    // and checked against each reply; a click meanwhile is refused, never lets
    // the write go unchecked.
    void eventsWriteAndCheckTheReply()
    {
        QVERIFY(show(m_window, "Kocioł"));
        m_k2->setFault(SimFault::Garbage); // K2 is the second controller the event asks
        int before = passes(m_window);
        const int logged = logTexts(m_window).size();
        Dialogs::presetAnswer(QMessageBox::Ok);
        clickScene(m_window, "nastawy");
        QTRY_VERIFY(!QApplication::overrideCursor());
        const QString garbage = "Sterownik " + kK2 + ": niepoprawna odpowiedź";
        QVERIFY(logTexts(m_window, logged).contains(garbage));
        QCOMPARE(Dialogs::shown().value(0).text, "Nie odczytano wartości do zmiany: " + garbage + ". Nic nie zapisano.");
        Dialogs::reset();
        m_k2->setFault(SimFault::None);
        QTRY_VERIFY_WITH_TIMEOUT(passes(m_window) > before, 3000);

        const int k3Asked = m_k3->requestCount(); // K3, silent, only an event names
        Dialogs::presetAnswer(QMessageBox::Ok);
        before = passes(m_window);
        clickScene(m_window, "cisza");
        const QString silent = "Sterownik nie odpowiada: K3 " + kK3 + ". Wartości można zmienić, gdy znów odpowie.";
        QCOMPARE(Dialogs::shown().value(0).text, silent);
        QVERIFY(logTexts(m_window).contains(silent));
        QVERIFY(!QApplication::overrideCursor());
        QTRY_VERIFY_WITH_TIMEOUT(passes(m_window) > before, 3000);
        QVERIFY(!m_k3->commands().mid(k3Asked).contains("get(s;);"));
        Dialogs::reset();

        // While the dialog is open the pump is stopped at the controller; the
        // operator leaves it alone, and the write takes its time.
        m_window->writer()->link()->setTimeoutMs(10000);
        ModalDriver driver([this](QWidget *modal) {
            QCOMPARE(modal->findChild<QDoubleSpinBox *>("tsetK1")->text(), QStringLiteral("45.5 \u00b0C"));
            m_k1->controller().variable("pump")->number = 0;
            setField(modal, "xK2", 12);
            setField(modal, "tsetK1", 95);
            setField(modal, "modeK1", "Auto");
            m_k1->setFault(SimFault::Delay, 2000);
            QTest::mouseClick(modal->findChild<QWidget *>("saveBtn"), Qt::LeftButton);
        });
        Dialogs::presetAnswer(QMessageBox::Ok);
        Dialogs::presetAnswer(QMessageBox::Ok);
        const int k1Asked = m_k1->requestCount();
        // Found failing by the pass the first event ended in, K2 is asked again
        // but not waited for: an event on it is refused until its answer comes.
        QTRY_VERIFY_WITH_TIMEOUT(answering(m_window, "K1") && answering(m_window, "K2"), 10000);
        clickScene(m_window, "nastawy");
        QVERIFY2(QApplication::overrideCursor(), qPrintable(Dialogs::shown().value(0).text));
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QTRY_VERIFY(driver.ran());
        clickScene(m_window, "nastawy");
        m_k1->setFault(SimFault::None); // the write's reply is on its way already
        const QString busy = "Trwa zapis wartości do sterowników. Kolejną zmianę można zacząć po jego zakończeniu.";
        QCOMPARE(Dialogs::shown().value(0).text, busy);
        QVERIFY(logTexts(m_window).contains(busy));
        QTRY_COMPARE(Dialogs::shown().size(), 2);
        QCOMPARE(m_k1->commands().mid(k1Asked, 2), QStringList({"get(tset;mode;pump;);", "set(tset=950;mode=0;);"}));
        QCOMPARE(m_k1->controller().variable("pump")->number, 0.0);
        QVERIFY(m_k2->commands().contains("set(x=12;);"));
        const QString changed = "Sterownik zmienił zapisywaną wartość: " + kK1 + " [tset: wysłano 950, sterownik przyjął 900]";
        const QString refused = "Sterownik odrzucił zapis: " + kK1 + " [mode=0], wartość w sterowniku bez zmian";
        QCOMPARE(Dialogs::shown().at(1).text, "Nie wszystkie wartości zostały zapisane:\n" + changed + "\n" + refused);
        QVERIFY(logTexts(m_window).contains(changed));
        QVERIFY(!QApplication::overrideCursor());
        QTRY_COMPARE(sceneRoot(m_window)->property("nastawa").toInt(), 12); // the write is followed by a refresh
        m_window->writer()->link()->setTimeoutMs(400);

        // A scheme change applies on the release; an event still reading back is
        // dropped with the scheme it belonged to.
        m_k2->setFault(SimFault::Delay, 300);
        clickScene(m_window, "nastawy");
        clickScene(m_window, "wentylacja");
        QCOMPARE(m_window->shownItem(), treeRow(m_window, "Kocioł"));
        emit m_window->schemeView()->mouseReleased();
        QCOMPARE(m_window->shownItem(), treeRow(m_window, "Wentylacja"));
        QVERIFY(!QApplication::overrideCursor());
        QTest::qWait(800);
        QVERIFY(!QApplication::activeModalWidget());
        QTRY_COMPARE(sceneRoot(m_window)->property("nastawa").toInt(), 12);
    }

    // Nothing of a scheme left goes on: neither after a scheme without values
    // was chosen, nor after the menu tree was handed back (late completions too).
    // A scheme naming a missing controller stops with the red label until the
    // operator asks again.
    void refreshStopsWithTheScheme()
    {
        QVERIFY(show(m_window, "Kocioł"));
        m_window->applyMenuRecords(m_window->project().menu); // handed back unchanged: the scheme stays
        m_window->applyDeviceList(m_window->project().devices);
        QCOMPARE(m_window->shownItem(), treeRow(m_window, "Kocioł"));
        QVERIFY(!m_window->isModified());
        for (bool menuTree : {false, true}) {
            QVERIFY(show(m_window, "Kocioł"));
            const int asked = m_k1->requestCount();
            const int entries = logTexts(m_window).size();
            if (menuTree) {
                QList<MenuItemRecord> menu = m_window->project().menu;
                menu.first().text += " 2"; // the group: a change, the tree is built anew
                m_window->applyMenuRecords(menu);
                QCOMPARE(m_window->findChild<QTabWidget *>("tabWidget")->count(), 1);
                m_window->teskcmdAllDataReady({{"tKotla", "1"}});
                m_window->refreshData();
            } else {
                choose(m_window, "Zepsuty");
                QVERIFY(logTexts(m_window).indexOf(QRegularExpression("^Błąd ładowania schematu: .*/qml/Broken.qml$")) >= 0);
            }
            QTest::qWait(1500);
            QCOMPARE(m_k1->requestCount(), asked);
            QCOMPARE(logTexts(m_window, entries + (menuTree ? 0 : 2)), QStringList());
            QVERIFY(!m_window->staleStrip()->isVisible());
        }

        choose(m_window, "Bez sterownika");
        const QString notFound = QStringLiteral("Nie znaleziono sterownika z ID: K9");
        QTRY_VERIFY(logTexts(m_window).contains(notFound));
        QVERIFY(hasIcon(treeRow(m_window, "Bez sterownika"), ":/scheme"));
        QVERIFY(!treeRow(m_window, "Bez sterownika")->toolTip(0).isEmpty());
        QTest::qWait(1500); // the interval passes; the state stays until the operator acts
        QCOMPARE(logTexts(m_window).count(notFound), 1);
        QVERIFY(m_window->findChild<QLabel *>("refreshStopped")->isVisible());
        emit m_window->schemeView()->refreshRequested();
        QCOMPARE(logTexts(m_window).count(notFound), 2);
    }

private:
    SimServer *m_k1 = nullptr;
    SimServer *m_k2 = nullptr;
    SimServer *m_k3 = nullptr;
    TempWorkDir *m_dir = nullptr;
    MainWindow *m_window = nullptr;
};

QTEST_MAIN(TestSchemeRuntime)
#include "tst_schemeruntime.moc"
