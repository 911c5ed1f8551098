#include "configfile.h"
#include "projectfixtures.h"
#include "startup.h"
#include "tempworkdir.h"

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

} // namespace

Q_DECLARE_METATYPE(ConfigFile::LoadResult)

class TestConfigFile : public QObject
{
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void readingRules();
    void saveKeepsOtherContent();
    void saveWithoutUsableFile();
    void maximizeRule();
};

void TestConfigFile::reading_data()
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

void TestConfigFile::reading()
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

void TestConfigFile::readingRules()
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
}

void TestConfigFile::saveKeepsOtherContent()
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

void TestConfigFile::saveWithoutUsableFile()
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
    const QString path = dir.filePath(QStringLiteral("no/such/folder/config.xml"));
    QVERIFY(!ConfigFile::save(path, AppSettings()).isEmpty());
    QVERIFY(!ConfigFile::writeFirstRun(path, QStringLiteral("/w"), QStringLiteral("eng")).isEmpty());
}

void TestConfigFile::maximizeRule()
{
    QVERIFY(Startup::shouldMaximize(768));
    QVERIFY(!Startup::shouldMaximize(769));
}

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
