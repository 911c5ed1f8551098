#include "dialogs.h"
#include "logmodel.h"
#include "mainwindow.h"
#include "modaldriver.h"
#include "project.h"
#include "projectfile.h"
#include "schemefile.h"
#include "tempworkdir.h"
#include "testpaths.h"
#include "widgetlookup.h"

#include <QAction>
#include <QDialog>
#include <QDomDocument>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

QByteArray config(const QString &workspace, const QString &name = QString(), const QString &location = QString())
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE config>\n<Config>\n"
                          " <AppSettings workspaceDir=\"%1\" Language=\"pl\"/>\n"
                          " <LastProject location=\"%3\" name=\"%2\"/>\n</Config>\n")
        .arg(workspace, name, location)
        .toUtf8();
}

QAction *action(MainWindow &w, const char *name)
{
    return w.findChild<QAction *>(QString::fromLatin1(name));
}

QString lastLog(MainWindow &w)
{
    return w.logModel()->entries().last().text;
}

} // namespace

class TestProjectWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newProject();
    void newProjectRefusals();
    void openProject();
    void openLastProjectAtStart();
    void editSaveReopenIsIdentical();
    void failedSaveKeepsChanges();
    void unsavedChangesAreNeverDroppedSilently();

private:
    // Copies the sample project into the workspace and returns its location.
    QString copySample();
    void markModified(MainWindow &w, const QString &author);

    TempWorkDir *m_dir = nullptr;
    QString m_workspace;
};

void TestProjectWindow::init()
{
    m_dir = new TempWorkDir;
    m_workspace = m_dir->filePath(QStringLiteral("Projekty"));
    QDir().mkpath(m_workspace);
    m_dir->write(QStringLiteral("config.xml"), config(m_workspace));
}

void TestProjectWindow::cleanup()
{
    ModalDriver::closeAllModals();
    Dialogs::reset();
    delete m_dir;
}

QString TestProjectWindow::copySample()
{
    const QString target = m_workspace + QStringLiteral("/kotlownia");
    TempWorkDir::copyTree(TestPaths::dataDir() + QStringLiteral("/projects/kotlownia"), target);
    return target;
}

void TestProjectWindow::markModified(MainWindow &w, const QString &author)
{
    ModalDriver driver([&](QWidget *modal) {
        modal->findChild<QLineEdit *>(QStringLiteral("ledit_author"))->setText(author);
        click(modal, "pbutton_ok");
    });
    w.menuShowProjectEditDialog();
    QVERIFY(driver.ran());
}

void TestProjectWindow::newProject()
{
    MainWindow w;
    ModalDriver driver([](QWidget *modal) {
        QCOMPARE(modal->windowTitle(), QStringLiteral("Nowy projekt"));
        // Typing goes through the key map, which holds no Polish letters.
        modal->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(QStringLiteral("Kotłownia Główna"));
        QCOMPARE(modal->findChild<QLineEdit *>(QStringLiteral("lineEdit_2"))->text(), QStringLiteral("KotłowniaGłówna"));
        QTest::keyClicks(modal->findChild<QLineEdit *>(QStringLiteral("lineEdit_3")), QStringLiteral("Serwis"));
        click(modal, "okButton");
    });
    action(w, "actionNewProject")->trigger();
    QVERIFY(driver.ran());

    const QString folder = m_workspace + QStringLiteral("/KotłowniaGłówna/");
    QCOMPARE(w.project().location, folder);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList(QStringLiteral("project.xml")));
    ProjectInfo info;
    ProjectFile::read(folder + QStringLiteral("project.xml"), info);
    QCOMPARE(info.name, QStringLiteral("Kotłownia Główna"));
    QCOMPARE(info.author, QStringLiteral("Serwis"));
    QCOMPARE(info.revision, QStringLiteral("0"));
    QCOMPARE(info.teskVersion, QStringLiteral("v 0.8.12"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tesk-Control [ Kotłownia Główna ]"));
    QCOMPARE(lastLog(w), QStringLiteral("Otwieram projekt: Kotłownia Główna"));
    QVERIFY(action(w, "actionEditProject")->isEnabled());
    QVERIFY(!action(w, "actionSaveProject")->isEnabled());
    QVERIFY(m_dir->read(QStringLiteral("config.xml")).contains("name=\"Kotłownia Główna\""));
}

void TestProjectWindow::newProjectRefusals()
{
    QDir().mkdir(m_workspace + QStringLiteral("/Istnieje"));
    MainWindow w;
    bool stayedOpen = false;
    Dialogs::presetAnswer(QMessageBox::Ok);
    ModalDriver driver([&](QWidget *modal) {
        QTest::keyClicks(modal->findChild<QLineEdit *>(QStringLiteral("lineEdit")), QStringLiteral("Istnieje"));
        click(modal, "okButton"); // no author: nothing happens
        QVERIFY(Dialogs::shown().isEmpty());
        QTest::keyClicks(modal->findChild<QLineEdit *>(QStringLiteral("lineEdit_3")), QStringLiteral("A"));
        click(modal, "okButton"); // the folder exists: a warning, the dialog stays
        stayedOpen = modal->isVisible();
        click(modal, "CancelButton");
    });
    w.menuNewProject();
    QVERIFY(driver.ran());
    QVERIFY(stayedOpen);
    QCOMPARE(Dialogs::shown().size(), 1);
    QCOMPARE(Dialogs::shown().first().title, QStringLiteral("Błąd"));
    QCOMPARE(Dialogs::shown().first().text,
             QStringLiteral("Nie udało się stworzyć katalogu o pdanej nazwie, prawdopodobnie już istnieje."));
    QVERIFY(!w.isProjectOpen());
    QCOMPARE(w.windowTitle(), QStringLiteral("Tesk-Control"));
}

void TestProjectWindow::openProject()
{
    const QString folder = copySample();
    MainWindow w;
    Dialogs::presetPath(QString()); // cancelled chooser
    w.menuOpenProject();
    QVERIFY(!w.isProjectOpen());

    Dialogs::presetPath(folder);
    action(w, "actionOpenProject")->trigger();
    QVERIFY(w.isProjectOpen());
    QCOMPARE(w.project().location, folder + QLatin1Char('/'));
    QCOMPARE(w.project().devices.size(), 2);
    QCOMPARE(w.windowTitle(), QStringLiteral("Tesk-Control [ Kotłownia Główna ]"));
    QCOMPARE(lastLog(w), QStringLiteral("Otwieram projekt: Kotłownia Główna"));
    auto *tree = w.findChild<QTreeWidget *>(QStringLiteral("menuTree"));
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(w.treeItems().size(), 6);
    QTreeWidgetItem *kuchnia = tree->topLevelItem(0)->child(1);
    QCOMPARE(kuchnia->text(0), QStringLiteral("Kuchnia"));
    QCOMPARE(kuchnia->text(1), QStringLiteral("1.1"));
    QCOMPARE(kuchnia->text(2), QStringLiteral("1"));
    QCOMPARE(kuchnia->text(3), QStringLiteral("Group"));
    QCOMPARE(kuchnia->child(0)->text(3), QStringLiteral("Item"));
    QVERIFY(m_dir->read(QStringLiteral("config.xml")).contains("name=\"Kotłownia Główna\""));
}

void TestProjectWindow::openLastProjectAtStart()
{
    const QString folder = copySample() + QLatin1Char('/');
    m_dir->write(QStringLiteral("config.xml"), config(m_workspace, QStringLiteral("z configu"), folder));
    {
        MainWindow w;
        QVERIFY(w.isProjectOpen());
        QCOMPARE(w.windowTitle(), QStringLiteral("Tesk-Control [ Kotłownia Główna ]"));
        QCOMPARE(lastLog(w), QStringLiteral("Otwieram ostatnio zapisany projekt: Kotłownia Główna"));
        QVERIFY(action(w, "actionEditProject")->isEnabled());
    }
    m_dir->write(QStringLiteral("config.xml"), config(m_workspace, QStringLiteral("nazwa"), QString()));
    MainWindow w;
    QVERIFY(!w.isProjectOpen());
    QVERIFY(w.treeItems().isEmpty());
}

void TestProjectWindow::editSaveReopenIsIdentical()
{
    const QString folder = copySample();
    MainWindow w;
    Dialogs::presetPath(folder);
    w.menuOpenProject();
    const Project opened = w.project();
    markModified(w, QStringLiteral("Serwis Południe"));
    QVERIFY(w.isModified());
    QVERIFY(action(w, "actionSaveProject")->isEnabled());
    action(w, "actionSaveProject")->trigger();
    QVERIFY(!w.isModified());
    QVERIFY(!action(w, "actionSaveProject")->isEnabled());

    Project reopened;
    reopened.load(folder + QLatin1Char('/'));
    QCOMPARE(reopened.devices, opened.devices);
    QCOMPARE(reopened.menu, opened.menu);
    QCOMPARE(reopened.info.author, QStringLiteral("Serwis Południe"));
    QCOMPARE(reopened.info.revision, QStringLiteral("5"));
    QCOMPARE(reopened.info.sipServer, opened.info.sipServer);
    // The broken definition file is written anew, empty.
    QVERIFY(SchemeFile::readVariables(folder + QStringLiteral("/p1.xml")).isEmpty());
    QDomDocument doc;
    QFile p1(folder + QStringLiteral("/p1.xml"));
    p1.open(QIODevice::ReadOnly);
    QVERIFY(doc.setContent(&p1));
}

void TestProjectWindow::failedSaveKeepsChanges()
{
    const QString folder = copySample();
    MainWindow w;
    Dialogs::presetPath(folder);
    w.menuOpenProject();
    markModified(w, QStringLiteral("Ktoś"));
    QDir(folder).removeRecursively();
    Dialogs::presetAnswer(QMessageBox::Ok);
    w.menuSaveProject();
    QCOMPARE(Dialogs::shown().size(), 1);
    QCOMPARE(Dialogs::shown().first().kind, Dialogs::Critical);
    QCOMPARE(Dialogs::shown().first().title, QStringLiteral("Błąd"));
    QVERIFY(Dialogs::shown().first().text.contains(QStringLiteral("project.xml")));
    QVERIFY(w.isModified());
    QVERIFY(action(w, "actionSaveProject")->isEnabled());
}

void TestProjectWindow::unsavedChangesAreNeverDroppedSilently()
{
    const QString folder = copySample();
    const QString other = m_workspace + QStringLiteral("/inny");
    QDir().mkpath(other);
    MainWindow w;
    w.show();
    Dialogs::presetPath(folder);
    w.menuOpenProject();
    markModified(w, QStringLiteral("Zmiana"));

    Dialogs::presetPath(other);
    Dialogs::presetAnswer(QMessageBox::Cancel);
    w.menuOpenProject();
    QCOMPARE(Dialogs::shown().last().title, QStringLiteral("Potwierdzenie"));
    QCOMPARE(w.project().location, folder + QLatin1Char('/'));
    QVERIFY(w.isModified());

    Dialogs::presetAnswer(QMessageBox::Cancel);
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());

    Dialogs::presetAnswer(QMessageBox::Save);
    QVERIFY(w.close());
    ProjectInfo saved;
    ProjectFile::read(folder + QStringLiteral("/project.xml"), saved);
    QCOMPARE(saved.author, QStringLiteral("Zmiana"));
    QCOMPARE(Dialogs::shown().size(), 3);
}

QTEST_MAIN(TestProjectWindow)
#include "tst_projectwindow.moc"
