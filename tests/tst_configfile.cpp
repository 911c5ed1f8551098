#include "configfile.h"
#include "dialogs.h"
#include "firstrun.h"
#include "logmodel.h"
#include "mainwindow.h"
#include "modaldriver.h"
#include "projectfixtures.h"
#include "startup.h"
#include "tempworkdir.h"
#include "widgetlookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {

const QByteArray kFull =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE config>\n<Config>\n"
    " <AppSettings workspaceDir=\"/home/serwis/Projekty\" Language=\"pl\"/>\n"
    " <LastProject location=\"/home/serwis/Projekty/Kotlownia/\" name=\"Kotłownia\"/>\n"
    " <Settings>\n  <LogSettings showData=\"1\" showErrors=\"0\" showInfo=\"1\" showWarnings=\"0\"/>\n </Settings>\n"
    " <Extra keep=\"me\"/>\n"
    "</Config>\n";

using Load = ConfigFile::LoadResult;

void chooseFolder(QWidget *wizard)
{
    QTest::mouseClick(child<QToolButton>(wizard, "toolButton"), Qt::LeftButton);
}

} // namespace

Q_DECLARE_METATYPE(ConfigFile::LoadResult)

class TestConfigFile : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        ModalDriver::closeAllModals();
        Dialogs::reset();
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("language");
        QTest::addColumn<Load>("result");
        QTest::newRow("missing file") << QByteArray() << false << "eng" << Load::Missing;
        QTest::newRow("complete") << kFull << true << "pl" << Load::Loaded;
        QTest::newRow("empty file") << QByteArray() << true << QString() << Load::Unparsable;
        QTest::newRow("truncated") << kFull.left(120) << true << QString() << Load::Unparsable;
        QTest::newRow("garbage") << QByteArray(2000, '\xff') << true << QString() << Load::Unparsable;
        QTest::newRow("nested 40000 deep") << Fixtures::deepDocument(QStringLiteral("Config")) << true << QString()
                                           << Load::Unparsable;
        QTest::newRow("no Language") << QByteArray("<Config><AppSettings workspaceDir=\"x\"/></Config>") << true
                                     << QString() << Load::Loaded;
        // The workspace comes from the later element; so does the language.
        QTest::newRow("two AppSettings")
            << QByteArray("<Config><AppSettings Language=\"pl\"/><AppSettings workspaceDir=\"b\"/></Config>") << true
            << QString() << Load::Loaded;
    }

    void reading()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFETCH(QString, language);
        QFETCH(Load, result);
        TempWorkDir dir;
        if (exists)
            dir.write(QStringLiteral("config.xml"), content);
        QCOMPARE(ConfigFile::startupLanguage(ConfigFile::defaultPath()), language);
        AppSettings s;
        s.workspaceDir = QStringLiteral("before");
        bool logRead = false;
        QCOMPARE(ConfigFile::load(ConfigFile::defaultPath(), s, &logRead), result);
        QCOMPARE(logRead, content == kFull);
        if (result != Load::Loaded) {
            QCOMPARE(s.workspaceDir, QStringLiteral("before"));
            QVERIFY(s.showData && s.showErrors && s.showInfo && s.showWarnings);
        } else if (content == kFull) {
            QCOMPARE(s.workspaceDir, QStringLiteral("/home/serwis/Projekty"));
            QCOMPARE(s.projectLocation, QStringLiteral("/home/serwis/Projekty/Kotlownia/"));
            QCOMPARE(s.projectName, QStringLiteral("Kotłownia"));
            QVERIFY(s.showData && !s.showErrors && s.showInfo && !s.showWarnings);
        }
    }

    void readingRules()
    {
        TempWorkDir dir;
        // showInfo missing reads as off; "7" is non-zero, "yes" is not a number;
        // only LogSettings inside Settings count, and the later element wins.
        dir.write(QStringLiteral("config.xml"),
                  "<Anything><AppSettings workspaceDir=\"a\"/><AppSettings workspaceDir=\"b\"/>"
                  "<Wrapper><AppSettings workspaceDir=\"nested\"/></Wrapper><LastProject name=\"p\"/>"
                  "<Settings><Other/><LogSettings showData=\"7\" showErrors=\"yes\" showWarnings=\"1\"/></Settings>"
                  "<LogSettings showData=\"0\"/></Anything>");
        AppSettings s;
        s.projectLocation = QStringLiteral("stale");
        ConfigFile::load(ConfigFile::defaultPath(), s);
        QCOMPARE(s.workspaceDir, QStringLiteral("b"));
        QCOMPARE(s.projectName, QStringLiteral("p"));
        QCOMPARE(s.projectLocation, QString()); // a missing attribute reads as empty
        QVERIFY(s.showData && !s.showErrors && !s.showInfo && s.showWarnings);
        // A location typed without its separator still prefixes the file names.
        dir.write(QStringLiteral("config.xml"), "<Config><LastProject location=\"/srv/p\" name=\"p\"/></Config>");
        ConfigFile::load(ConfigFile::defaultPath(), s);
        QCOMPARE(s.projectLocation, QStringLiteral("/srv/p/"));
        // Small screens get the window maximized.
        QVERIFY(Startup::shouldMaximize(768) && !Startup::shouldMaximize(769));
    }

    void saveKeepsOtherContent()
    {
        TempWorkDir dir;
        dir.write(QStringLiteral("config.xml"), kFull);
        AppSettings s;
        ConfigFile::load(ConfigFile::defaultPath(), s);
        QCOMPARE(ConfigFile::save(ConfigFile::defaultPath(), s), QString());
        QCOMPARE(dir.read(QStringLiteral("config.xml")), kFull);
        s.projectName = QStringLiteral("Wentylacja");
        s.projectLocation = QStringLiteral("/p/Wentylacja/");
        s.workspaceDir = QStringLiteral("/p"); // chosen since the start
        s.showErrors = true;
        s.showData = false;
        QCOMPARE(ConfigFile::save(ConfigFile::defaultPath(), s), QString());
        QCOMPARE(dir.read(QStringLiteral("config.xml")),
                 QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE config>\n<Config>\n"
                            " <AppSettings workspaceDir=\"/p\" Language=\"pl\"/>\n"
                            " <LastProject location=\"/p/Wentylacja/\" name=\"Wentylacja\"/>\n"
                            " <Settings>\n  <LogSettings showData=\"0\" showErrors=\"1\" showInfo=\"1\" showWarnings=\"0\"/>\n"
                            " </Settings>\n <Extra keep=\"me\"/>\n</Config>\n"));
        // Attributes LastProject lacks are not added; LogSettings gets all four.
        dir.write(QStringLiteral("config.xml"), "<Config><LastProject name=\"old\"/><Settings><LogSettings/></Settings></Config>");
        s.showInfo = false;
        ConfigFile::save(ConfigFile::defaultPath(), s);
        QCOMPARE(dir.read(QStringLiteral("config.xml")),
                 QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Config>\n <LastProject name=\"Wentylacja\"/>\n"
                            " <Settings>\n  <LogSettings showData=\"0\" showErrors=\"1\" showInfo=\"0\" showWarnings=\"0\"/>\n"
                            " </Settings>\n</Config>\n"));
    }

    void saveWithoutUsableFile()
    {
        // A run whose wizard was cancelled must not leave an empty config.xml
        // behind: the next start would lose the language and the last project.
        TempWorkDir dir;
        AppSettings s;
        s.projectName = QStringLiteral("Demo");
        s.projectLocation = QStringLiteral("/p/Demo/");
        s.showWarnings = false;
        QCOMPARE(ConfigFile::save(ConfigFile::defaultPath(), s), QString());
        QCOMPARE(ConfigFile::startupLanguage(ConfigFile::defaultPath()), QStringLiteral("eng"));
        AppSettings back;
        QCOMPARE(ConfigFile::load(ConfigFile::defaultPath(), back), Load::Loaded);
        QCOMPARE(back.projectName, QStringLiteral("Demo"));
        QCOMPARE(back.projectLocation, QStringLiteral("/p/Demo/"));
        QVERIFY(back.showData && back.showErrors && back.showInfo && !back.showWarnings);
    }

    void wizardAcceptedWritesConfig()
    {
        TempWorkDir dir;
        Dialogs::presetPath(QStringLiteral("/srv/Projekty"));
        Dialogs::presetAnswer(QMessageBox::Ok);
        ModalDriver driver([](QWidget *wizard) {
            QVERIFY(qobject_cast<FirstRun *>(wizard));
            chooseFolder(wizard);
            QCOMPARE(child<QLineEdit>(wizard, "lineEdit")->text(), QStringLiteral("/srv/Projekty"));
            child<QComboBox>(wizard, "comboBox")->setCurrentIndex(1);
            click(wizard, "pushButton_2");
        });
        MainWindow window;
        QVERIFY(driver.ran());
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown().first().title, QString());
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

    void wizardCancelledWritesNothing()
    {
        TempWorkDir dir;
        ModalDriver driver([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
        MainWindow window;
        QVERIFY(driver.ran());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("config.xml"))));
        QCOMPARE(window.appSettings().workspaceDir, QString());
    }

    void wizardFinishNeedsAFolder()
    {
        FirstRun wizard;
        auto *finish = child<QPushButton>(&wizard, "pushButton_2");
        auto *edit = child<QLineEdit>(&wizard, "lineEdit");
        QVERIFY(!finish->isEnabled());
        QTest::keyClicks(edit, QStringLiteral("/typed"));
        QVERIFY(finish->isEnabled());
        QCOMPARE(wizard.workspaceDir(), QStringLiteral("/typed"));
        QCOMPARE(wizard.language(), QStringLiteral("eng"));
        Dialogs::presetPath(QString()); // a cancelled chooser changes nothing
        chooseFolder(&wizard);
        QCOMPARE(edit->text(), QStringLiteral("/typed"));
        edit->clear();
        QVERIFY(!finish->isEnabled());
    }

    void wizardSpeaksEnglishOnFirstStart()
    {
        TempWorkDir dir;
        dir.installTranslations();
        QVERIFY(Startup::installTranslation(*qApp, QStringLiteral("eng")));
        QString title;
        QString finishText;
        ModalDriver driver([&](QWidget *modal) {
            title = modal->windowTitle();
            finishText = child<QPushButton>(modal, "pushButton_2")->text();
            qobject_cast<QDialog *>(modal)->reject();
        });
        {
            MainWindow window;
            QVERIFY(driver.ran());
            QCOMPARE(window.logModel()->entries().first().text, QStringLiteral("Program started, logging begun"));
        }
        for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
            qApp->removeTranslator(t);
            delete t;
        }
        QCOMPARE(title, QStringLiteral("Welcome to Tesk-Control!"));
        QCOMPARE(finishText, QStringLiteral("Finish"));
    }
};

QTEST_MAIN(TestConfigFile)
#include "tst_configfile.moc"
