#include "dialogs.h"
#include "logmodel.h"
#include "mainwindow.h"
#include "modaldriver.h"
#include "projectfile.h"
#include "projectfixtures.h"
#include "tempworkdir.h"
#include "widgetlookup.h"

#include <QAction>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

namespace {

QByteArray config(const QString &workspace, const QString &name = QString(), const QString &location = QString())
{
    return QStringLiteral("<Config><AppSettings workspaceDir=\"%1\" Language=\"pl\"/>"
                          "<LastProject location=\"%3\" name=\"%2\"/></Config>")
        .arg(workspace, name, location)
        .toUtf8();
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
    void nothingIsSavedWithoutAProject();

private:
    // Opens a copy of the sample project (whose unreadable p1.xml is
    // reported) and returns its folder.
    QString openSample(MainWindow &w);
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

QString TestProjectWindow::openSample(MainWindow &w)
{
    const QString folder = m_workspace + QStringLiteral("/kotlownia");
    Fixtures::copySample(folder);
    Dialogs::presetPath(folder);
    Dialogs::presetAnswer(QMessageBox::Ok);
    child<QAction>(&w, "actionOpenProject")->trigger();
    return folder;
}

void TestProjectWindow::markModified(MainWindow &w, const QString &author)
{
    ModalDriver driver([&](QWidget *modal) {
        child<QLineEdit>(modal, "ledit_author")->setText(author);
        click(modal, "pbutton_ok");
    });
    w.menuShowProjectEditDialog();
    QVERIFY(driver.ran());
}

void TestProjectWindow::newProject()
{
    // Without a workspace (the first-run wizard cancelled) "Nowy projekt"
    // asks for one first; cancelled, nothing more happens.
    m_dir->write(QStringLiteral("config.xml"), config(QString()));
    MainWindow w;
    Dialogs::presetPath(QString());
    w.menuNewProject();
    QVERIFY(!w.isProjectOpen());
    Dialogs::presetPath(m_workspace);
    ModalDriver driver([](QWidget *modal) {
        QCOMPARE(modal->windowTitle(), QStringLiteral("Nowy projekt"));
        // Typing goes through the key map, which holds no Polish letters.
        child<QLineEdit>(modal, "lineEdit")->setText(QStringLiteral("Kotłownia Główna"));
        QCOMPARE(child<QLineEdit>(modal, "lineEdit_2")->text(), QStringLiteral("KotłowniaGłówna"));
        QTest::keyClicks(child<QLineEdit>(modal, "lineEdit_3"), QStringLiteral("Serwis"));
        click(modal, "okButton");
    });
    child<QAction>(&w, "actionNewProject")->trigger();
    QVERIFY(driver.ran());

    const QString folder = m_workspace + QStringLiteral("/KotłowniaGłówna/");
    QCOMPARE(w.project().location, folder);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList(QStringLiteral("project.xml")));
    ProjectInfo info;
    ProjectFile::read(folder + QStringLiteral("project.xml"), info);
    QCOMPARE(info.name, QStringLiteral("Kotłownia Główna"));
    QCOMPARE(info.author, QStringLiteral("Serwis"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tesk-Control [ Kotłownia Główna ]"));
    QCOMPARE(lastLog(w), QStringLiteral("Otwieram projekt: Kotłownia Główna"));
    QVERIFY(child<QAction>(&w, "actionEditProject")->isEnabled());
    QVERIFY(!child<QAction>(&w, "actionSaveProject")->isEnabled());
    QVERIFY(m_dir->read(QStringLiteral("config.xml")).contains("name=\"Kotłownia Główna\""));
    QCOMPARE(w.appSettings().workspaceDir, m_workspace);
    QVERIFY(m_dir->read(QStringLiteral("config.xml")).contains(("workspaceDir=\"" + m_workspace + "\"").toUtf8()));
}

void TestProjectWindow::newProjectRefusals()
{
    QDir().mkdir(m_workspace + QStringLiteral("/Istnieje"));
    MainWindow w;
    bool stayedOpen = true;
    Dialogs::presetAnswer(QMessageBox::Ok);
    Dialogs::presetAnswer(QMessageBox::Ok);
    ModalDriver driver([&](QWidget *modal) {
        QTest::keyClicks(child<QLineEdit>(modal, "lineEdit"), QStringLiteral("Istnieje"));
        click(modal, "okButton"); // no author: nothing happens
        QVERIFY(Dialogs::shown().isEmpty());
        QTest::keyClicks(child<QLineEdit>(modal, "lineEdit_3"), QStringLiteral("A"));
        click(modal, "okButton"); // the folder exists: a warning, the dialog stays
        stayedOpen = modal->isVisible();
        child<QLineEdit>(modal, "lineEdit_2")->setText(QStringLiteral("../poza"));
        click(modal, "okButton"); // never outside the workspace
        stayedOpen = stayedOpen && modal->isVisible();
        click(modal, "CancelButton");
    });
    w.menuNewProject();
    QVERIFY(driver.ran());
    QVERIFY(stayedOpen);
    QCOMPARE(Dialogs::shown().size(), 2);
    QCOMPARE(Dialogs::shown().first().title, QStringLiteral("Błąd"));
    QCOMPARE(Dialogs::shown().first().text,
             QStringLiteral("Nie udało się stworzyć katalogu o pdanej nazwie, prawdopodobnie już istnieje."));
    QVERIFY(Dialogs::shown().last().text.startsWith(QStringLiteral("Nieprawidłowa nazwa katalogu: ")));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("poza"))));
    QVERIFY(!w.isProjectOpen());
    QCOMPARE(w.windowTitle(), QStringLiteral("Tesk-Control"));
}

void TestProjectWindow::openProject()
{
    MainWindow w;
    Dialogs::presetPath(QString()); // cancelled chooser
    w.menuOpenProject();
    QVERIFY(!w.isProjectOpen());
    const QString folder = openSample(w);
    QVERIFY(w.isProjectOpen());
    // The operator learns which file could not be read.
    QCOMPARE(Dialogs::shown().size(), 1);
    QCOMPARE(Dialogs::shown().first().kind, Dialogs::Warning);
    QVERIFY(Dialogs::shown().first().text.contains(folder + QStringLiteral("/p1.xml")));
    QCOMPARE(w.project().location, folder + QLatin1Char('/'));
    QCOMPARE(w.project().devices.size(), 2);
    QCOMPARE(w.windowTitle(), QStringLiteral("Tesk-Control [ Kotłownia Główna ]"));
    QCOMPARE(lastLog(w), QStringLiteral("Otwieram projekt: Kotłownia Główna"));
    QVERIFY(m_dir->read(QStringLiteral("config.xml")).contains("name=\"Kotłownia Główna\""));
    auto *tree = w.findChild<QTreeWidget *>(QStringLiteral("menuTree"));
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(w.treeItems().size(), 6);
    QTreeWidgetItem *kuchnia = tree->topLevelItem(0)->child(1);
    QCOMPARE(QStringList({kuchnia->text(0), kuchnia->text(1), kuchnia->text(2), kuchnia->text(3)}),
             QStringList({"Kuchnia", "1.1", "1", "Group"}));
    QCOMPARE(kuchnia->child(0)->text(3), QStringLiteral("Item"));

    // A folder without project files: nothing of the previous project stays.
    const QString empty = m_workspace + QStringLiteral("/pusty");
    QDir().mkpath(empty);
    Dialogs::presetPath(empty);
    w.menuOpenProject();
    QCOMPARE(w.windowTitle(), QStringLiteral("Tesk-Control [ pusty ]"));
    QCOMPARE(w.project().info, Fixtures::named(QStringLiteral("pusty")));
    QCOMPARE(w.treeItems().size(), 0);
    w.menuSaveProject();
    ProjectInfo saved;
    ProjectFile::read(empty + QStringLiteral("/project.xml"), saved);
    QCOMPARE(saved.name, QStringLiteral("pusty"));
    QVERIFY(saved.author.isEmpty() && saved.sipPassword.isEmpty() && saved.sipServer.isEmpty());
}

void TestProjectWindow::openLastProjectAtStart()
{
    const QString folder = m_workspace + QStringLiteral("/kotlownia");
    Fixtures::copySample(folder);
    // Typed by hand, the location lacks its separator.
    m_dir->write(QStringLiteral("config.xml"), config(m_workspace, QStringLiteral("z configu"), folder));
    {
        Dialogs::presetAnswer(QMessageBox::Ok);
        MainWindow w;
        QVERIFY(w.isProjectOpen());
        QCOMPARE(w.project().devices.size(), 2);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tesk-Control [ Kotłownia Główna ]"));
        QCOMPARE(lastLog(w), QStringLiteral("Otwieram ostatnio zapisany projekt: Kotłownia Główna"));
        QVERIFY(child<QAction>(&w, "actionEditProject")->isEnabled());
    }
    m_dir->write(QStringLiteral("config.xml"), config(m_workspace, QStringLiteral("nazwa"), QString()));
    MainWindow w;
    QVERIFY(!w.isProjectOpen());
    QVERIFY(w.treeItems().isEmpty());
}

void TestProjectWindow::editSaveReopenIsIdentical()
{
    MainWindow w;
    const QString folder = openSample(w);
    const Project opened = w.project();
    markModified(w, QStringLiteral("Serwis Południe"));
    QVERIFY(child<QAction>(&w, "actionSaveProject")->isEnabled());
    child<QAction>(&w, "actionSaveProject")->trigger();
    QVERIFY(!w.isModified());
    QVERIFY(!child<QAction>(&w, "actionSaveProject")->isEnabled());

    Project reopened;
    reopened.load(folder + QLatin1Char('/'), QString());
    QCOMPARE(reopened.devices, opened.devices);
    QCOMPARE(reopened.menu, opened.menu);
    QCOMPARE(reopened.info.author, QStringLiteral("Serwis Południe"));
    QCOMPARE(reopened.info.revision, QStringLiteral("5"));
    QCOMPARE(reopened.info.sipServer, opened.info.sipServer);
    // The broken definition file is written anew, empty, once copied aside.
    QVERIFY(reopened.unreadable.isEmpty());
    QVERIFY(QFile::exists(folder + QStringLiteral("/p1.xml.unreadable")));
}

void TestProjectWindow::failedSaveKeepsChanges()
{
    MainWindow w;
    const QString folder = openSample(w);
    markModified(w, QStringLiteral("Ktoś"));
    QDir(folder).removeRecursively();
    Dialogs::reset();
    Dialogs::presetAnswer(QMessageBox::Ok);
    w.menuSaveProject();
    QCOMPARE(Dialogs::shown().size(), 1);
    QCOMPARE(Dialogs::shown().first().kind, Dialogs::Critical);
    QCOMPARE(Dialogs::shown().first().title, QStringLiteral("Błąd"));
    QVERIFY(Dialogs::shown().first().text.contains(QStringLiteral("project.xml")));
    QVERIFY(w.isModified());
    QVERIFY(child<QAction>(&w, "actionSaveProject")->isEnabled());
}

void TestProjectWindow::unsavedChangesAreNeverDroppedSilently()
{
    const QString other = m_workspace + QStringLiteral("/inny");
    QDir().mkpath(other);
    MainWindow w;
    w.show();
    const QString folder = openSample(w);
    markModified(w, QStringLiteral("Zmiana"));
    Dialogs::reset();

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

void TestProjectWindow::nothingIsSavedWithoutAProject()
{
    MainWindow w;
    ModalDriver driver([](QWidget *modal) { qobject_cast<QDialog *>(modal)->accept(); });
    child<QAction>(&w, "actionDevices")->trigger();
    QVERIFY(driver.ran());
    QVERIFY(!child<QAction>(&w, "actionSaveProject")->isEnabled());
    Dialogs::presetAnswer(QMessageBox::Ok);
    w.menuSaveProject();
    QCOMPARE(Dialogs::shown().size(), 1);
    QCOMPARE(Dialogs::shown().first().kind, Dialogs::Warning);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList(QStringLiteral("config.xml")));
    QVERIFY(w.close()); // nothing to save: no question
    QCOMPARE(Dialogs::shown().size(), 1);
}

QTEST_MAIN(TestProjectWindow)
#include "tst_projectwindow.moc"
