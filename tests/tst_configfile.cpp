#include "configfile.h"
#include "startup.h"
#include "tempworkdir.h"

#include <QDomDocument>
#include <QtTest>

namespace {

const QByteArray kFull =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE config>\n<Config>\n"
    " <AppSettings workspaceDir=\"/home/serwis/Projekty\" Language=\"pl\"/>\n"
    " <LastProject location=\"/home/serwis/Projekty/Kotlownia/\" name=\"Kotłownia\"/>\n"
    " <Settings>\n  <LogSettings showData=\"1\" showErrors=\"0\" showInfo=\"1\" showWarnings=\"0\"/>\n </Settings>\n"
    " <Extra keep=\"me\"/>\n"
    "</Config>\n";

QDomElement rootOf(const QByteArray &bytes)
{
    QDomDocument doc;
    doc.setContent(bytes);
    return doc.documentElement();
}

} // namespace

class TestConfigFile : public QObject
{
    Q_OBJECT

private slots:
    void startupLanguage_data();
    void startupLanguage();
    void loadReadsEveryField();
    void loadBadFiles_data();
    void loadBadFiles();
    void loadSwitchRules();
    void loadLaterElementWins();
    void firstRunDocument();
    void saveKeepsOtherContent();
    void saveDoesNotAddLastProjectAttributes();
    void saveWithoutFileWritesCompleteDocument();
    void saveReportsUnwritableFile();
    void maximizeRule();
};

void TestConfigFile::startupLanguage_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("language");
    QTest::newRow("missing file") << QByteArray() << false << QStringLiteral("eng");
    QTest::newRow("pl") << kFull << true << QStringLiteral("pl");
    QTest::newRow("empty file") << QByteArray() << true << QString();
    QTest::newRow("truncated") << kFull.left(90) << true << QString();
    QTest::newRow("garbage") << QByteArray("\x01\x02 not xml <<") << true << QString();
    QTest::newRow("no AppSettings") << QByteArray("<Config><LastProject/></Config>") << true << QString();
    QTest::newRow("no Language")
        << QByteArray("<Config><AppSettings workspaceDir=\"x\"/></Config>") << true << QString();
}

void TestConfigFile::startupLanguage()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    QFETCH(QString, language);
    TempWorkDir dir;
    if (exists)
        dir.write(QStringLiteral("config.xml"), content);
    QCOMPARE(ConfigFile::startupLanguage(ConfigFile::defaultPath()), language);
}

void TestConfigFile::loadReadsEveryField()
{
    TempWorkDir dir;
    dir.write(QStringLiteral("config.xml"), kFull);
    AppSettings s;
    bool logRead = false;
    QCOMPARE(ConfigFile::load(ConfigFile::defaultPath(), s, &logRead), ConfigFile::LoadResult::Loaded);
    QVERIFY(logRead);
    QCOMPARE(s.workspaceDir, QStringLiteral("/home/serwis/Projekty"));
    QCOMPARE(s.projectLocation, QStringLiteral("/home/serwis/Projekty/Kotlownia/"));
    QCOMPARE(s.projectName, QStringLiteral("Kotłownia"));
    QVERIFY(s.showData);
    QVERIFY(!s.showErrors);
    QVERIFY(s.showInfo);
    QVERIFY(!s.showWarnings);
}

void TestConfigFile::loadBadFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("result");
    QTest::newRow("missing") << QByteArray() << false << int(ConfigFile::LoadResult::Missing);
    QTest::newRow("empty") << QByteArray() << true << int(ConfigFile::LoadResult::Unparsable);
    QTest::newRow("truncated") << kFull.left(120) << true << int(ConfigFile::LoadResult::Unparsable);
    QTest::newRow("garbage") << QByteArray(2000, '\xff') << true << int(ConfigFile::LoadResult::Unparsable);
}

void TestConfigFile::loadBadFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    QFETCH(int, result);
    TempWorkDir dir;
    if (exists)
        dir.write(QStringLiteral("config.xml"), content);
    AppSettings s;
    s.workspaceDir = QStringLiteral("before");
    bool logRead = true;
    QCOMPARE(int(ConfigFile::load(ConfigFile::defaultPath(), s, &logRead)), result);
    QVERIFY(!logRead);
    QCOMPARE(s.workspaceDir, QStringLiteral("before"));
    QVERIFY(s.showData && s.showErrors && s.showInfo && s.showWarnings);
}

void TestConfigFile::loadSwitchRules()
{
    TempWorkDir dir;
    // showInfo missing reads as off; "7" is non-zero, "yes" is not a number.
    dir.write(QStringLiteral("config.xml"),
              "<Config><Settings><Other/><LogSettings showData=\"7\" showErrors=\"yes\" "
              "showWarnings=\"1\"/></Settings><LogSettings showData=\"0\"/></Config>");
    AppSettings s;
    ConfigFile::load(ConfigFile::defaultPath(), s);
    QVERIFY(s.showData);
    QVERIFY(!s.showErrors);
    QVERIFY(!s.showInfo);
    QVERIFY(s.showWarnings);
}

void TestConfigFile::loadLaterElementWins()
{
    TempWorkDir dir;
    dir.write(QStringLiteral("config.xml"),
              "<Anything><AppSettings workspaceDir=\"a\"/><AppSettings workspaceDir=\"b\"/>"
              "<Wrapper><AppSettings workspaceDir=\"nested\"/></Wrapper>"
              "<LastProject name=\"p\"/></Anything>");
    AppSettings s;
    s.projectLocation = QStringLiteral("stale");
    ConfigFile::load(ConfigFile::defaultPath(), s);
    QCOMPARE(s.workspaceDir, QStringLiteral("b"));
    QCOMPARE(s.projectName, QStringLiteral("p"));
    QCOMPARE(s.projectLocation, QString()); // a missing attribute reads as empty
}

void TestConfigFile::firstRunDocument()
{
    TempWorkDir dir;
    QCOMPARE(ConfigFile::writeFirstRun(ConfigFile::defaultPath(), QStringLiteral("/srv/Projekty ł"),
                                       QStringLiteral("pl")),
             QString());
    const QByteArray bytes = dir.read(QStringLiteral("config.xml"));
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE config>\n<Config>\n <"));
    QVERIFY(bytes.contains("\n  <LogSettings "));
    const QDomElement root = rootOf(bytes);
    QCOMPARE(root.tagName(), QStringLiteral("Config"));
    const QDomElement app = root.firstChildElement(QStringLiteral("AppSettings"));
    QCOMPARE(app.attribute(QStringLiteral("workspaceDir")), QStringLiteral("/srv/Projekty ł"));
    QCOMPARE(app.attribute(QStringLiteral("Language")), QStringLiteral("pl"));
    const QDomElement last = root.firstChildElement(QStringLiteral("LastProject"));
    QVERIFY(last.hasAttribute(QStringLiteral("name")) && last.hasAttribute(QStringLiteral("location")));
    QCOMPARE(last.attribute(QStringLiteral("name")), QString());
    const QDomElement log =
        root.firstChildElement(QStringLiteral("Settings")).firstChildElement(QStringLiteral("LogSettings"));
    QCOMPARE(log.attribute(QStringLiteral("showData")), QStringLiteral("0"));
    QCOMPARE(log.attribute(QStringLiteral("showErrors")), QStringLiteral("1"));
    QCOMPARE(log.attribute(QStringLiteral("showInfo")), QStringLiteral("1"));
    QCOMPARE(log.attribute(QStringLiteral("showWarnings")), QStringLiteral("0"));
    QCOMPARE(ConfigFile::startupLanguage(ConfigFile::defaultPath()), QStringLiteral("pl"));
}

void TestConfigFile::saveKeepsOtherContent()
{
    TempWorkDir dir;
    dir.write(QStringLiteral("config.xml"), kFull);
    AppSettings s;
    ConfigFile::load(ConfigFile::defaultPath(), s);
    s.projectName = QStringLiteral("Wentylacja");
    s.projectLocation = QStringLiteral("/p/Wentylacja/");
    s.showErrors = true;
    s.showData = false;
    QCOMPARE(ConfigFile::save(ConfigFile::defaultPath(), s), QString());

    const QByteArray bytes = dir.read(QStringLiteral("config.xml"));
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE config>\n"));
    const QDomElement root = rootOf(bytes);
    QCOMPARE(root.firstChildElement(QStringLiteral("Extra")).attribute(QStringLiteral("keep")),
             QStringLiteral("me"));
    QCOMPARE(root.firstChildElement(QStringLiteral("AppSettings")).attribute(QStringLiteral("Language")),
             QStringLiteral("pl"));
    AppSettings back;
    ConfigFile::load(ConfigFile::defaultPath(), back);
    QCOMPARE(back.projectName, s.projectName);
    QCOMPARE(back.projectLocation, s.projectLocation);
    QCOMPARE(back.workspaceDir, s.workspaceDir);
    QCOMPARE(back.showData, false);
    QCOMPARE(back.showErrors, true);
    QCOMPARE(back.showInfo, true);
    QCOMPARE(back.showWarnings, false);
}

void TestConfigFile::saveDoesNotAddLastProjectAttributes()
{
    TempWorkDir dir;
    dir.write(QStringLiteral("config.xml"),
              "<Config><LastProject name=\"old\"/><Settings><LogSettings/></Settings></Config>");
    AppSettings s;
    s.projectName = QStringLiteral("new");
    s.projectLocation = QStringLiteral("/x/");
    s.showInfo = false;
    ConfigFile::save(ConfigFile::defaultPath(), s);
    const QDomElement root = rootOf(dir.read(QStringLiteral("config.xml")));
    const QDomElement last = root.firstChildElement(QStringLiteral("LastProject"));
    QCOMPARE(last.attribute(QStringLiteral("name")), QStringLiteral("new"));
    QVERIFY(!last.hasAttribute(QStringLiteral("location")));
    const QDomElement log =
        root.firstChildElement(QStringLiteral("Settings")).firstChildElement(QStringLiteral("LogSettings"));
    QCOMPARE(log.attribute(QStringLiteral("showInfo")), QStringLiteral("0"));
    QCOMPARE(log.attribute(QStringLiteral("showData")), QStringLiteral("1"));
}

void TestConfigFile::saveWithoutFileWritesCompleteDocument()
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
    QCOMPARE(ConfigFile::load(ConfigFile::defaultPath(), back), ConfigFile::LoadResult::Loaded);
    QCOMPARE(back.projectName, QStringLiteral("Demo"));
    QCOMPARE(back.projectLocation, QStringLiteral("/p/Demo/"));
    QVERIFY(back.showData && back.showErrors && back.showInfo && !back.showWarnings);
}

void TestConfigFile::saveReportsUnwritableFile()
{
    TempWorkDir dir;
    const QString path = dir.filePath(QStringLiteral("no/such/folder/config.xml"));
    QVERIFY(!ConfigFile::save(path, AppSettings()).isEmpty());
    QVERIFY(!ConfigFile::writeFirstRun(path, QStringLiteral("/w"), QStringLiteral("eng")).isEmpty());
}

void TestConfigFile::maximizeRule()
{
    QVERIFY(Startup::shouldMaximize(600));
    QVERIFY(Startup::shouldMaximize(768));
    QVERIFY(!Startup::shouldMaximize(769));
    QVERIFY(!Startup::shouldMaximize(1080));
}

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
