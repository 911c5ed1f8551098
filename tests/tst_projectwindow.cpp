#include "dialogs.h"
#include "firstrun.h"
#include "logmodel.h"
#include "mainwindow.h"
#include "modaldriver.h"
#include "projectfile.h"
#include "projectfixtures.h"
#include "startup.h"
#include "tempworkdir.h"
#include "widgetlookup.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

#include <sys/stat.h>

namespace {

QByteArray config(const QString &workspace, const QString &name = QString(), const QString &location = QString())
{
    return QStringLiteral("<Config><AppSettings workspaceDir=\"%1\" Language=\"pl\"/><LastProject location=\"%3\" "
                          "name=\"%2\"/></Config>").arg(workspace, name, location).toUtf8();
}

ProjectInfo savedInfo(const QString &folder)
{
    ProjectInfo info;
    ProjectFile::read(folder + QStringLiteral("/project.xml"), info);
    return info;
}

} // namespace

class TestProjectWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = new TempWorkDir;
        m_workspace = m_dir->filePath(QStringLiteral("Projekty"));
        QDir().mkpath(m_workspace);
        m_dir->write(QStringLiteral("config.xml"), config(m_workspace));
    }

    void cleanup()
    {
        ModalDriver::closeAllModals();
        Dialogs::reset();
        delete m_dir;
    }

    void newProject()
    {
        // Without a workspace (the first-run wizard cancelled) "Nowy projekt"
        // asks for one first; cancelled, nothing more happens.
        m_dir->write(QStringLiteral("config.xml"), config(QString()));
        QDir().mkdir(m_workspace + QStringLiteral("/Istnieje"));
        MainWindow w;
        Dialogs::presetPath(QString());
        w.menuNewProject();
        QVERIFY(!w.isProjectOpen());
        Dialogs::presetPath(m_workspace);
        Dialogs::presetAnswer(QMessageBox::Ok);
        Dialogs::presetAnswer(QMessageBox::Ok);
        ModalDriver driver([&](QWidget *modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("Nowy projekt"));
            QTest::keyClicks(child<QLineEdit>(modal, "lineEdit"), QStringLiteral("Istnieje"));
            click(modal, "okButton"); // no author: nothing happens
            QVERIFY(Dialogs::shown().isEmpty());
            QTest::keyClicks(child<QLineEdit>(modal, "lineEdit_3"), QStringLiteral("Serwis"));
            click(modal, "okButton"); // the folder exists: a warning, the dialog stays
            QVERIFY(modal->isVisible());
            child<QLineEdit>(modal, "lineEdit_2")->setText(QStringLiteral("../poza"));
            click(modal, "okButton"); // never outside the workspace
            QVERIFY(modal->isVisible() && !w.isProjectOpen());
            // Typing goes through the key map, which holds no Polish letters.
            child<QLineEdit>(modal, "lineEdit")->setText(QStringLiteral("Kotłownia Główna"));
            QCOMPARE(child<QLineEdit>(modal, "lineEdit_2")->text(), QStringLiteral("KotłowniaGłówna"));
            click(modal, "okButton");
        });
        child<QAction>(&w, "actionNewProject")->trigger();
        QVERIFY(driver.ran());
        QCOMPARE(Dialogs::shown().size(), 2);
        QCOMPARE(Dialogs::shown().first().text,
                 QStringLiteral("Nie udało się stworzyć katalogu o pdanej nazwie, prawdopodobnie już istnieje."));
        QVERIFY(Dialogs::shown().last().text.startsWith(QStringLiteral("Nieprawidłowa nazwa katalogu: ")));
        QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("poza"))));
        const QString folder = m_workspace + QStringLiteral("/KotłowniaGłówna/");
        QCOMPARE(w.project().location, folder);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList(QStringLiteral("project.xml")));
        QCOMPARE(savedInfo(folder).name, QStringLiteral("Kotłownia Główna"));
        QCOMPARE(savedInfo(folder).author, QStringLiteral("Serwis"));
        expectOpened(w, QStringLiteral("Otwieram projekt: Kotłownia Główna"));
        QVERIFY(!child<QAction>(&w, "actionSaveProject")->isEnabled());
        QVERIFY(m_dir->read(QStringLiteral("config.xml")).contains(("workspaceDir=\"" + m_workspace + "\"").toUtf8()));
        QVERIFY(m_dir->read(QStringLiteral("config.xml")).contains("name=\"Kotłownia Główna\""));
    }

    void openProject()
    {
        MainWindow w;
        Dialogs::presetPath(QString()); // cancelled chooser
        w.menuOpenProject();
        QVERIFY(!w.isProjectOpen());
        // Without a project nothing is saved, whatever was edited.
        ModalDriver driver([](QWidget *modal) { qobject_cast<QDialog *>(modal)->accept(); });
        child<QAction>(&w, "actionDevices")->trigger();
        QVERIFY(driver.ran());
        QVERIFY(!child<QAction>(&w, "actionSaveProject")->isEnabled());
        Dialogs::presetAnswer(QMessageBox::Ok);
        w.menuSaveProject();
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown().first().kind, Dialogs::Warning);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList(QStringLiteral("config.xml")));
        Dialogs::reset();
        const QString folder = openSample(w);
        // The operator learns which file could not be read.
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown().first().kind, Dialogs::Warning);
        QVERIFY(Dialogs::shown().first().text.contains(folder + QStringLiteral("/p1.xml")));
        QCOMPARE(w.project().devices.size(), 2);
        expectOpened(w, QStringLiteral("Otwieram projekt: Kotłownia Główna"));
        QVERIFY(m_dir->read(QStringLiteral("config.xml")).contains("name=\"Kotłownia Główna\""));
        auto *tree = child<QTreeWidget>(&w, "menuTree");
        QCOMPARE(tree->topLevelItemCount(), 2);
        QCOMPARE(w.treeItems().size(), 6);
        QTreeWidgetItem *kuchnia = tree->topLevelItem(0)->child(1);
        QCOMPARE(QStringList({kuchnia->text(0), kuchnia->text(1), kuchnia->text(2), kuchnia->text(3), kuchnia->child(0)->text(3)}),
                 QStringList({"Kuchnia", "1.1", "1", "Group", "Item"}));

        // A folder without project files: nothing of the previous project stays.
        const QString empty = m_workspace + QStringLiteral("/pusty");
        QDir().mkpath(empty);
        Dialogs::presetPath(empty);
        w.menuOpenProject();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tesk-Control [ pusty ]"));
        QCOMPARE(w.project().info, Fixtures::named(QStringLiteral("pusty")));
        QCOMPARE(w.treeItems().size(), 0);
        w.menuSaveProject();
        const ProjectInfo saved = savedInfo(empty);
        QCOMPARE(saved.name, QStringLiteral("pusty"));
        QVERIFY(saved.author.isEmpty() && saved.sipPassword.isEmpty() && saved.sipServer.isEmpty());
        QCOMPARE(Dialogs::shown().size(), 1);

        // A pipe in place of a project file is named with why, not waited on.
        const QString piped = m_workspace + QStringLiteral("/potok");
        QDir().mkpath(piped);
        QCOMPARE(mkfifo(QFile::encodeName(piped + QStringLiteral("/deviceList.xml")).constData(), 0600), 0);
        Dialogs::reset();
        Dialogs::presetPath(piped);
        Dialogs::presetAnswer(QMessageBox::Ok);
        w.menuOpenProject();
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown().first().text.contains(piped + QStringLiteral("/deviceList.xml: nie jest zwykłym plikiem")));
        QVERIFY(w.close()); // nothing to save: no question
        QCOMPARE(Dialogs::shown().size(), 1);
    }

    void openLastProjectAtStart()
    {
        const QString folder = m_workspace + QStringLiteral("/kotlownia");
        Fixtures::copySample(folder);
        // Typed by hand, the location lacks its separator.
        m_dir->write(QStringLiteral("config.xml"), config(m_workspace, QStringLiteral("z configu"), folder));
        {
            Dialogs::presetAnswer(QMessageBox::Ok);
            MainWindow w;
            expectOpened(w, QStringLiteral("Otwieram ostatnio zapisany projekt: Kotłownia Główna"));
        }
        m_dir->write(QStringLiteral("config.xml"), config(m_workspace, QStringLiteral("nazwa"), QString()));
        MainWindow w;
        QVERIFY(!w.isProjectOpen());
    }

    // Unsaved changes are saved, or kept with the window, never dropped.
    void changesAreNeverDroppedSilently()
    {
        MainWindow w;
        w.show();
        const QString folder = openSample(w);
        const Project opened = w.project();
        markModified(w, QStringLiteral("Serwis Południe"));
        Dialogs::reset();
        Dialogs::presetPath(m_workspace + QStringLiteral("/inny"));
        Dialogs::presetAnswer(QMessageBox::Cancel);
        w.menuOpenProject();
        QCOMPARE(Dialogs::shown().last().title, QStringLiteral("Potwierdzenie"));
        QCOMPARE(w.project().location, folder + QLatin1Char('/'));
        Dialogs::presetAnswer(QMessageBox::Cancel);
        QVERIFY(!w.close());
        QVERIFY(w.isVisible() && w.isModified());
        child<QAction>(&w, "actionSaveProject")->trigger();
        QVERIFY(!w.isModified());
        QVERIFY(!child<QAction>(&w, "actionSaveProject")->isEnabled());
        Project reopened;
        reopened.load(folder + QLatin1Char('/'), QString());
        QCOMPARE(reopened.devices, opened.devices);
        QCOMPARE(reopened.menu, opened.menu);
        QCOMPARE(reopened.info.author, QStringLiteral("Serwis Południe"));
        QCOMPARE(reopened.info.sipServer, opened.info.sipServer);
        QVERIFY(reopened.unreadable.isEmpty()); // the broken definition file, written anew

        markModified(w, QStringLiteral("Ktoś"));
        QDir(folder).removeRecursively();
        Dialogs::reset();
        Dialogs::presetAnswer(QMessageBox::Save);
        Dialogs::presetAnswer(QMessageBox::Ok);
        QVERIFY(!w.close()); // the save fails: the window stays
        QCOMPARE(Dialogs::shown().size(), 2);
        QCOMPARE(Dialogs::shown().last().kind, Dialogs::Critical);
        QVERIFY(Dialogs::shown().last().text.contains(QStringLiteral("project.xml")));
        QVERIFY(w.isModified() && child<QAction>(&w, "actionSaveProject")->isEnabled());
        QDir().mkpath(folder);
        Dialogs::presetAnswer(QMessageBox::Save);
        QVERIFY(w.close());
        QCOMPARE(savedInfo(folder).author, QStringLiteral("Ktoś"));
    }

    void wizardAcceptedWritesConfig()
    {
        TempWorkDir dir; // no config.xml: the first start
        Dialogs::presetPath(QString()); // a cancelled chooser changes nothing
        Dialogs::presetPath(QStringLiteral("/srv/Projekty"));
        Dialogs::presetAnswer(QMessageBox::Ok);
        ModalDriver driver([](QWidget *modal) {
            auto *wizard = qobject_cast<FirstRun *>(modal);
            QVERIFY(wizard);
            auto *finish = child<QPushButton>(wizard, "pushButton_2");
            auto *edit = child<QLineEdit>(wizard, "lineEdit");
            QVERIFY(!finish->isEnabled());
            QTest::keyClicks(edit, QStringLiteral("/typed"));
            QVERIFY(finish->isEnabled());
            QCOMPARE(wizard->language(), QStringLiteral("eng"));
            QTest::mouseClick(child<QToolButton>(wizard, "toolButton"), Qt::LeftButton);
            QCOMPARE(edit->text(), QStringLiteral("/typed"));
            edit->clear();
            QVERIFY(!finish->isEnabled());
            QTest::mouseClick(child<QToolButton>(wizard, "toolButton"), Qt::LeftButton);
            QCOMPARE(edit->text(), QStringLiteral("/srv/Projekty"));
            child<QComboBox>(wizard, "comboBox")->setCurrentIndex(1);
            QTest::mouseClick(finish, Qt::LeftButton);
        });
        MainWindow window;
        QVERIFY(driver.ran());
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown().first().text, QStringLiteral("Język w programie zostanie zmieniony po ponownym uruchomieniu"));
        QCOMPARE(dir.read(QStringLiteral("config.xml")),
                 QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE config>\n<Config>\n"
                            " <AppSettings workspaceDir=\"/srv/Projekty\" Language=\"pl\"/>\n"
                            " <LastProject location=\"\" name=\"\"/>\n <Settings>\n"
                            "  <LogSettings showData=\"0\" showErrors=\"1\" showInfo=\"1\" showWarnings=\"0\"/>\n"
                            " </Settings>\n</Config>\n"));
        QCOMPARE(window.appSettings().workspaceDir, QStringLiteral("/srv/Projekty"));
        // This run keeps every log switch on; the stored ones apply next start.
        QVERIFY(child<QCheckBox>(&window, "dataCheckBox")->isChecked());
        QVERIFY(window.logModel()->filter().data && window.logModel()->filter().warnings);
    }

    // Cancelled, the wizard writes nothing.
    void wizardSpeaksEnglishOnFirstStart()
    {
        TempWorkDir dir;
        dir.installTranslations();
        QVERIFY(Startup::installTranslation(*qApp, QStringLiteral("eng")));
        QString title, finishText;
        ModalDriver driver([&](QWidget *modal) {
            title = modal->windowTitle();
            finishText = child<QPushButton>(modal, "pushButton_2")->text();
            qobject_cast<QDialog *>(modal)->reject();
        });
        {
            MainWindow window;
            QVERIFY(driver.ran());
            QCOMPARE(window.logModel()->entries().first().text, QStringLiteral("Program started, logging begun"));
            QCOMPARE(window.appSettings().workspaceDir, QString());
        }
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("config.xml"))));
        for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
            qApp->removeTranslator(t);
            delete t;
        }
        QCOMPARE(title, QStringLiteral("Welcome to Tesk-Control!"));
        QCOMPARE(finishText, QStringLiteral("Finish"));
    }

private:
    // Opens a copy of the sample project (whose unreadable p1.xml is
    // reported) and returns its folder.
    QString openSample(MainWindow &w)
    {
        const QString folder = m_workspace + QStringLiteral("/kotlownia");
        Fixtures::copySample(folder);
        Dialogs::presetPath(folder);
        Dialogs::presetAnswer(QMessageBox::Ok);
        child<QAction>(&w, "actionOpenProject")->trigger();
        return folder;
    }

    void markModified(MainWindow &w, const QString &author)
    {
        ModalDriver driver([&](QWidget *modal) {
            child<QLineEdit>(modal, "ledit_author")->setText(author);
            click(modal, "pbutton_ok");
        });
        w.menuShowProjectEditDialog();
        QVERIFY(driver.ran());
    }

    // Open and editable, under the sample's name.
    void expectOpened(MainWindow &w, const QString &logLine)
    {
        QVERIFY(w.isProjectOpen());
        QCOMPARE(w.windowTitle(), QStringLiteral("Tesk-Control [ Kotłownia Główna ]"));
        QCOMPARE(w.logModel()->entries().last().text, logLine);
        QVERIFY(child<QAction>(&w, "actionEditProject")->isEnabled());
    }

    TempWorkDir *m_dir = nullptr;
    QString m_workspace;
};

QTEST_MAIN(TestProjectWindow)
#include "tst_projectwindow.moc"
