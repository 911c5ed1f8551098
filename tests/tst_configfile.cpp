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

// "workspace|location|name|" then the log switches (data, errors, info,
// warnings) and whether the file held them.
QString summary(const AppSettings &s, bool logRead)
{
    return QStringLiteral("%1|%2|%3|").arg(s.workspaceDir, s.projectLocation, s.projectName)
        + QString::asprintf("%d%d%d%d", s.showData, s.showErrors, s.showInfo, s.showWarnings) + (logRead ? "|log" : "");
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
        QTest::addColumn<QString>("language");
        QTest::addColumn<Load>("result");
        QTest::addColumn<QString>("settings");
        const QString untouched = QStringLiteral("before|stale||1111");
        QTest::newRow("missing file") << QByteArray() << "eng" << Load::Missing << untouched;
        QTest::newRow("complete") << kFull << "pl" << Load::Loaded
                                  << "/home/serwis/Projekty|/home/serwis/Projekty/Kotlownia/|Kotłownia|1010|log";
        QTest::newRow("empty file") << QByteArray() << QString() << Load::Unparsable << untouched;
        QTest::newRow("truncated") << kFull.left(120) << QString() << Load::Unparsable << untouched;
        QTest::newRow("garbage") << QByteArray(2000, '\xff') << QString() << Load::Unparsable << untouched;
        QTest::newRow("nested 40000 deep") << Fixtures::deepDocument(QStringLiteral("Config")) << QString()
                                           << Load::Unparsable << untouched;
        QTest::newRow("no Language") << QByteArray("<Config><AppSettings workspaceDir=\"x\"/></Config>") << QString()
                                     << Load::Loaded << "x|stale||1111";
        // The workspace comes from the later element; so does the language.
        QTest::newRow("two AppSettings")
            << QByteArray("<Config><AppSettings Language=\"pl\"/><AppSettings workspaceDir=\"b\"/></Config>") << QString()
            << Load::Loaded << "b|stale||1111";
        // Any root; a missing attribute reads as empty, a missing switch as off;
        // "7" is non-zero, "yes" is not a number; only LogSettings inside
        // Settings count, and only elements right below the root.
        QTest::newRow("reading rules")
            << QByteArray("<Anything><AppSettings workspaceDir=\"a\"/><AppSettings workspaceDir=\"b\"/>"
                          "<Wrapper><AppSettings workspaceDir=\"nested\"/></Wrapper><LastProject name=\"p\"/>"
                          "<Settings><Other/><LogSettings showData=\"7\" showErrors=\"yes\" showWarnings=\"1\"/>"
                          "</Settings><LogSettings showData=\"0\"/></Anything>")
            << QString() << Load::Loaded << "b||p|1001|log";
        // A location typed without its separator still prefixes the file names.
        QTest::newRow("location without separator")
            << QByteArray("<Config><LastProject location=\"/srv/p\" name=\"p\"/></Config>") << QString() << Load::Loaded
            << "before|/srv/p/|p|1111";
    }

    void reading()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, language);
        QFETCH(Load, result);
        QFETCH(QString, settings);
        TempWorkDir dir;
        if (result != Load::Missing)
            dir.write(QStringLiteral("config.xml"), content);
        QCOMPARE(ConfigFile::startupLanguage(ConfigFile::defaultPath()), language);
        AppSettings s;
        s.workspaceDir = QStringLiteral("before");
        s.projectLocation = QStringLiteral("stale");
        bool logRead = false;
        QCOMPARE(ConfigFile::load(ConfigFile::defaultPath(), s, &logRead), result);
        QCOMPARE(summary(s, logRead), settings);
    }

    void smallScreensGetTheWindowMaximized() { QVERIFY(Startup::shouldMaximize(768) && !Startup::shouldMaximize(769)); }

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
            QCOMPARE(wizard->workspaceDir(), QStringLiteral("/typed"));
            QCOMPARE(wizard->language(), QStringLiteral("eng"));
            chooseFolder(wizard);
            QCOMPARE(edit->text(), QStringLiteral("/typed"));
            edit->clear();
            QVERIFY(!finish->isEnabled());
            chooseFolder(wizard);
            QCOMPARE(edit->text(), QStringLiteral("/srv/Projekty"));
            child<QComboBox>(wizard, "comboBox")->setCurrentIndex(1);
            QTest::mouseClick(finish, Qt::LeftButton);
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

    // Cancelled, the wizard writes nothing.
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
};

QTEST_MAIN(TestConfigFile)
#include "tst_configfile.moc"
