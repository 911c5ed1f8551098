#include "logmodel.h"
#include "mainwindow.h"
#include "modaldriver.h"
#include "tempworkdir.h"
#include "widgetlookup.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDomDocument>
#include <QLabel>
#include <QLayout>
#include <QListView>
#include <QListWidget>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QByteArray kConfig =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE config>\n<Config>\n"
    " <AppSettings workspaceDir=\"/tmp\" Language=\"pl\"/>\n"
    " <LastProject location=\"\" name=\"\"/>\n"
    " <Settings>\n  <LogSettings showData=\"0\" showErrors=\"1\" showInfo=\"0\" showWarnings=\"1\"/>\n </Settings>\n"
    "</Config>\n";

QString logAttribute(const TempWorkDir &dir, const QString &name)
{
    QDomDocument doc;
    doc.setContent(dir.read(QStringLiteral("config.xml")));
    return doc.documentElement()
        .firstChildElement(QStringLiteral("Settings"))
        .firstChildElement(QStringLiteral("LogSettings"))
        .attribute(name);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layoutAndNames();
    void toolBarTable();
    void loadedSwitchesSetBoxesButKeepFirstRow();
    void filterClickRebuildsAndSaves();
    void statusBarFlashAndScroll();
    void settingsDialogPages();

private:
    TempWorkDir *m_dir = nullptr;
};

void TestMainWindow::init()
{
    m_dir = new TempWorkDir;
    m_dir->write(QStringLiteral("config.xml"), kConfig);
}

void TestMainWindow::cleanup()
{
    ModalDriver::closeAllModals();
    delete m_dir;
}

void TestMainWindow::layoutAndNames()
{
    MainWindow w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Tesk-Control"));
    QCOMPARE(w.size(), QSize(1294, 783));
    for (const char *name : {"centralWidget", "frame", "frame_2", "frame_3", "frame_4", "frame_5",
                             "frame_6", "searchLineEdit", "searchBtn", "menuTree", "tabWidget",
                             "visualizationTab", "logTab", "listWidget", "mainToolBar", "statusBar"})
        QVERIFY2(child<QWidget>(&w, name), name);
    QVERIFY(w.findChild<QLayout *>(QStringLiteral("visLayout")));
    QCOMPARE(child<QLabel>(&w, "label")->text(), QStringLiteral("Szukaj:"));
    QCOMPARE(child<QLabel>(&w, "label_4")->text(), QStringLiteral("v 0.8.12"));
    QVERIFY(!child<QLabel>(&w, "label_2")->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(child<QWidget>(&w, "frame_5")->styleSheet().contains(QStringLiteral("rgb(0, 0, 0)")));

    auto *tree = child<QTreeWidget>(&w, "menuTree");
    QVERIFY(tree->isHeaderHidden());
    QCOMPARE(tree->iconSize(), QSize(32, 32));
    QCOMPARE(child<QListView>(&w, "listWidget")->iconSize(), QSize(24, 24));

    auto *tabs = child<QTabWidget>(&w, "tabWidget");
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Log"));
}

void TestMainWindow::toolBarTable()
{
    MainWindow w;
    auto *bar = child<QToolBar>(&w, "mainToolBar");
    QCOMPARE(bar->iconSize(), QSize(32, 32));
    QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QStringList texts;
    QStringList disabled;
    for (QAction *a : bar->actions()) {
        if (a->isSeparator()) {
            texts << QStringLiteral("|");
            continue;
        }
        QVERIFY2(!a->icon().isNull(), qPrintable(a->text()));
        texts << a->text();
        if (!a->isEnabled())
            disabled << a->text();
    }
    QCOMPARE(texts, QStringList({QStringLiteral("Zaloguj się"), QStringLiteral("|"),
                                 QStringLiteral("Nowy projekt"), QStringLiteral("Otwórz projekt"),
                                 QStringLiteral("Zapisz projekt"), QStringLiteral("Edytuj projekt"),
                                 QStringLiteral("|"), QStringLiteral("Sterowniki"),
                                 QStringLiteral("Drzewo elementów"), QStringLiteral("Edytor schematów"),
                                 QStringLiteral("|"), QStringLiteral("Ustawienia"), QStringLiteral("Pomoc"),
                                 QStringLiteral("O Programie")}));
    QCOMPARE(disabled, QStringList({QStringLiteral("Zapisz projekt"), QStringLiteral("Edytuj projekt")}));
}

void TestMainWindow::loadedSwitchesSetBoxesButKeepFirstRow()
{
    MainWindow w;
    QVERIFY(!child<QCheckBox>(&w, "dataCheckBox")->isChecked());
    QVERIFY(child<QCheckBox>(&w, "errorCheckBox")->isChecked());
    QVERIFY(!child<QCheckBox>(&w, "infoCheckBox")->isChecked());
    QVERIFY(child<QCheckBox>(&w, "WarningCheckBox")->isChecked());
    // The start entry was written while every switch was on.
    LogModel *log = w.logModel();
    QCOMPARE(log->rowCount(), 1);
    QVERIFY(log->data(log->index(0)).toString().endsWith(QStringLiteral(" Uruchomiono program, logowanie rozpoczęte")));
    w.writeLog(QStringLiteral("info now hidden"), LogEntry::Info);
    QCOMPARE(log->rowCount(), 1);
}

void TestMainWindow::filterClickRebuildsAndSaves()
{
    MainWindow w;
    w.writeLog(QStringLiteral("odczyt"), LogEntry::Read);
    w.writeLog(QStringLiteral("błąd"), LogEntry::Error);
    LogModel *log = w.logModel();
    QCOMPARE(log->rowCount(), 2); // start entry and the error

    QTest::mouseClick(child<QCheckBox>(&w, "infoCheckBox"), Qt::LeftButton);
    QCOMPARE(logAttribute(*m_dir, QStringLiteral("showInfo")), QStringLiteral("1"));
    QTest::mouseClick(child<QCheckBox>(&w, "dataCheckBox"), Qt::LeftButton);
    QCOMPARE(logAttribute(*m_dir, QStringLiteral("showData")), QStringLiteral("1"));
    QCOMPARE(log->rowCount(), 3);
    QVERIFY(log->data(log->index(1)).toString().endsWith(QStringLiteral(" odczyt")));

    QTest::mouseClick(child<QCheckBox>(&w, "errorCheckBox"), Qt::LeftButton);
    QTest::mouseClick(child<QCheckBox>(&w, "WarningCheckBox"), Qt::LeftButton);
    QCOMPARE(logAttribute(*m_dir, QStringLiteral("showErrors")), QStringLiteral("0"));
    QCOMPARE(logAttribute(*m_dir, QStringLiteral("showWarnings")), QStringLiteral("0"));
    QCOMPARE(log->rowCount(), 2);
}

void TestMainWindow::statusBarFlashAndScroll()
{
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *list = child<QListView>(&w, "listWidget");
    auto *tabs = child<QTabWidget>(&w, "tabWidget");
    tabs->setCurrentIndex(0);
    for (int i = 0; i < 500; ++i)
        w.writeLog(QStringLiteral("błąd %1").arg(i), LogEntry::Error);
    w.writeLog(QStringLiteral("ukryty odczyt"), LogEntry::Read);
    QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("ukryty odczyt"));
    QTRY_VERIFY(list->verticalScrollBar()->maximum() > 0);
    QTRY_COMPARE(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
    QTRY_COMPARE_WITH_TIMEOUT(w.statusBar()->currentMessage(), QString(), 3000);
}

void TestMainWindow::settingsDialogPages()
{
    MainWindow w;
    QStringList pages;
    int shownPage = -1;
    ModalDriver driver([&](QWidget *modal) {
        QCOMPARE(modal->windowTitle(), QStringLiteral("Ustawienia"));
        auto *list = modal->findChild<QListWidget *>(QStringLiteral("listWidget"));
        for (int i = 0; i < list->count(); ++i)
            pages << list->item(i)->text();
        list->setCurrentRow(2);
        shownPage = modal->findChild<QStackedWidget *>()->currentIndex();
        qobject_cast<QDialog *>(modal)->accept();
    });
    w.menuShowSettingsDialog();
    QVERIFY(driver.ran());
    QCOMPARE(pages, QStringList({QStringLiteral("Ogólne"), QStringLiteral("Wygląd"), QStringLiteral("Aktualizacje")}));
    QCOMPARE(shownPage, 2);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
