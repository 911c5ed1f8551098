#include "configfile.h"
#include "devicelistfile.h"
#include "menufile.h"
#include "project.h"
#include "projectfile.h"
#include "projectfixtures.h"
#include "projectpaths.h"
#include "schemefile.h"
#include "tempworkdir.h"
#include "testpaths.h"

#include <QDomDocument>
#include <QtTest>

#include <cerrno>
#include <cstring>

using Status = XmlRead::Status;
Q_DECLARE_METATYPE(XmlRead::Status)

namespace {

const QString kLabel = QStringLiteral("v 0.8.12");
const QByteArray kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

QString infoAttribute(const TempWorkDir &dir, const QString &name)
{
    QDomDocument doc;
    doc.setContent(dir.read(ProjectFile::fileName()));
    return doc.documentElement().firstChildElement(QStringLiteral("Info")).attribute(name);
}

MenuItemRecord sampleScheme()
{
    MenuItemRecord r = Fixtures::scheme(QStringLiteral("12"), QString(), QStringLiteral("0"));
    r.readVariables = {{"K1", "kot.t1", "tKotła", "temp", QString()}, {"K1", "x", "x", "dziwny", QString()}};
    EventItemRecord combo{"combo", "kot.pompa", "K1", "Pompa obiegowa", {{"1", "Włącz"}, {"0", "Wyłącz"}}};
    r.events = {EventRecord{"pompa", {combo, EventItemRecord{"scheme", "k2", "-", "-", {}}}}, EventRecord{"pusty", {}}};
    return r;
}

} // namespace

class TestProjectFile : public QObject
{
    Q_OBJECT

private slots:
    void projectFileIsByteExact()
    {
        TempWorkDir dir;
        const QString path = dir.filePath(ProjectFile::fileName());
        QCOMPARE(ProjectFile::create(path, QStringLiteral("Kotłownia Główna"), QStringLiteral("Serwis"), kLabel), QString());
        QCOMPARE(dir.read(ProjectFile::fileName()),
                 kHead + "<!DOCTYPE project>\n<Project>\n"
                         " <Info revision=\"0\" teskVersion=\"v 0.8.12\" author=\"Serwis\" name=\"Kotłownia Główna\"/>\n"
                         " <SIP enabled=\"0\" serverAddres=\"\" number=\"\" password=\"\" userName=\"\"/>\n</Project>\n");
        dir.write(ProjectFile::fileName(),
                  "<Project><Info name=\"Stara\" revision=\"2\"/><SIP enabled=\"0\"/><Notes z=\"1\" a=\"2\"/></Project>");
        ProjectInfo info;
        ProjectFile::read(path, info);
        info.name = QStringLiteral("Nowa");
        info.sipNumber = QStringLiteral("1001");
        QCOMPARE(ProjectFile::save(path, info, kLabel), QString());
        // Attributes the element lacks are not added; unknown ones follow in name order.
        QCOMPARE(dir.read(ProjectFile::fileName()),
                 kHead + "<Project>\n <Info revision=\"3\" name=\"Nowa\"/>\n"
                         " <SIP enabled=\"0\" serverAddres=\"\" number=\"1001\" password=\"\" userName=\"\"/>\n"
                         " <Notes a=\"2\" z=\"1\"/>\n</Project>\n");
    }

    void revisionCounting()
    {
        TempWorkDir dir;
        const QString path = dir.filePath(ProjectFile::fileName());
        QFile::copy(TestPaths::dataDir() + QStringLiteral("/projects/kotlownia/project.xml"), path);
        ProjectInfo info;
        QCOMPARE(ProjectFile::read(path, info), Status::Read);
        // Every save of one run writes the revision read at opening plus one.
        for (int save = 0; save < 2; ++save) {
            ProjectFile::save(path, info, kLabel);
            QCOMPARE(infoAttribute(dir, QStringLiteral("revision")), QStringLiteral("5"));
        }
        QCOMPARE(infoAttribute(dir, QStringLiteral("teskVersion")), QStringLiteral("0.8.12"));
        ProjectFile::read(path, info);
        ProjectFile::save(path, info, kLabel);
        QCOMPARE(infoAttribute(dir, QStringLiteral("revision")), QStringLiteral("6"));
        info.revision = QStringLiteral("abc");
        ProjectFile::save(path, info, kLabel);
        QCOMPARE(infoAttribute(dir, QStringLiteral("revision")), QStringLiteral("1"));
    }

    void readingKeepsNothingOfThePreviousProject()
    {
        TempWorkDir dir;
        dir.write(ProjectFile::fileName(), "<X><Info name=\"n\"/><SIP enabled=\"tak\"/></X>");
        ProjectInfo info = Fixtures::named(QStringLiteral("stara"));
        info.author = info.revision = info.sipNumber = QStringLiteral("stary");
        info.sipEnabled = true;
        QCOMPARE(ProjectFile::read(dir.filePath(ProjectFile::fileName()), info), Status::Read);
        QCOMPARE(info, Fixtures::named(QStringLiteral("n")));
    }

    void locations()
    {
        const QString name = QStringLiteral("KotłowniaGłówna");
        QCOMPARE(ProjectPaths::newProjectLocation(QStringLiteral("C:/Projekty"), name), "C:/Projekty/" + name + "/");
        QCOMPARE(ProjectPaths::newProjectLocation(QStringLiteral("C:\\Projekty"), name), "C:\\Projekty\\" + name + "\\");
        QCOMPARE(ProjectPaths::newProjectLocation(QStringLiteral("/home/serwis"), name), "/home/serwis/" + name + "/");
        // A folder typed without its separator still prefixes the file names.
        QCOMPARE(ProjectPaths::asLocation(QStringLiteral("/srv/p")), QStringLiteral("/srv/p/"));
        QCOMPARE(ProjectPaths::asLocation(QStringLiteral("C:\\p\\")), QStringLiteral("C:\\p\\"));
        QCOMPARE(ProjectPaths::asLocation(QString()), QString());
    }

    void deviceListIsByteExact()
    {
        TempWorkDir dir;
        const QString file = DeviceListFile::fileName();
        const DeviceList devices = {{"K1", "192.168.1.20", "16483", "Sterownik kotłowni"},
                                    {"k1", "10.0.0.7", QString(), "<&\"> ]]> znaki\n\tx"},
                                    {"K1", "10.0.0.8", "1", QString()}};
        QCOMPARE(DeviceListFile::write(file, devices), QString());
        QCOMPARE(dir.read(file),
                 kHead + "<!DOCTYPE deviceList>\n<Devices>\n"
                         " <Device id=\"K1\" networkAdress=\"192.168.1.20\" description=\"Sterownik kotłowni\" port=\"16483\"/>\n"
                         " <Device id=\"k1\" networkAdress=\"10.0.0.7\" description=\"&lt;&amp;&quot;> ]]&gt; znaki&#xa;&#x9;x\" port=\"\"/>\n"
                         " <Device id=\"K1\" networkAdress=\"10.0.0.8\" description=\"\" port=\"1\"/>\n</Devices>\n");
        QCOMPARE(DeviceListFile::read(file), devices);
        DeviceListFile::write(file, DeviceList());
        QCOMPARE(dir.read(file), kHead + "<!DOCTYPE deviceList>\n<Devices/>\n");
        // Any child of the root is a device, whatever its tag; deeper ones are not.
        dir.write(file, "<Whatever><Device id=\"a\" networkAdress=\"1.2.3.4\"/>text<Sterownik id=\"b\" port=\"99\"/>"
                        "<Device id=\"a\"><Nested id=\"ignored\"/></Device></Whatever>");
        QCOMPARE(DeviceListFile::read(file),
                 DeviceList({{"a", "1.2.3.4", QString(), QString()}, {"b", QString(), "99", QString()}, {"a", {}, {}, {}}}));
    }

    void schemeFileIsByteExact()
    {
        TempWorkDir dir;
        const MenuItemRecord r = sampleScheme();
        const QString path = SchemeFile::path(dir.path() + QLatin1Char('/'), r.id);
        QCOMPARE(path, dir.filePath(QStringLiteral("12.xml")));
        QCOMPARE(SchemeFile::write(path, r), QString());
        // Attributes in the same order at every run, whatever the hash seed.
        QCOMPARE(dir.read(QStringLiteral("12.xml")),
                 kHead + "<VariablesMap>\n <var device=\"K1\" devVar=\"kot.t1\" qmlVar=\"tKotła\" type=\"temp\"/>\n"
                         " <var device=\"K1\" devVar=\"x\" qmlVar=\"x\" type=\"dziwny\"/>\n <event schemeEvent=\"pompa\">\n"
                         "  <item type=\"combo\" property=\"kot.pompa\" device=\"K1\" name=\"Pompa obiegowa\">\n"
                         "   <subItem value=\"1\" name=\"Włącz\"/>\n   <subItem value=\"0\" name=\"Wyłącz\"/>\n  </item>\n"
                         "  <item type=\"scheme\" property=\"k2\" device=\"-\" name=\"-\"/>\n </event>\n"
                         " <event schemeEvent=\"pusty\"/>\n</VariablesMap>\n");
        MenuItemRecord back;
        QCOMPARE(SchemeFile::read(path, back), Status::Read);
        QCOMPARE(back.readVariables, r.readVariables);
        QCOMPARE(back.events, r.events);
        SchemeFile::write(path, MenuItemRecord());
        QCOMPARE(dir.read(QStringLiteral("12.xml")), kHead + "<VariablesMap/>\n");
        QCOMPARE(SchemeFile::read(path, back), Status::Read);
        QVERIFY(back.readVariables.isEmpty() && back.events.isEmpty());
    }

    void textXmlCannotCarry()
    {
        TempWorkDir dir;
        MenuItemRecord r;
        r.readVariables = {{QStringLiteral("K\uFFFE1"), QStringLiteral("a\x01" "b"), QString(QChar(0xD800)) + "x",
                            QStringLiteral("temp"), QString()}};
        QCOMPARE(SchemeFile::write(dir.filePath(QStringLiteral("s.xml")), r), QString());
        QVERIFY(QDomDocument().setContent(dir.read(QStringLiteral("s.xml"))));
        MenuItemRecord back;
        QCOMPARE(SchemeFile::read(dir.filePath(QStringLiteral("s.xml")), back), Status::Read);
        QCOMPARE(back.readVariables.value(0).device, QStringLiteral("K\uFFFD1"));
        QCOMPARE(back.readVariables.value(0).devVar, QStringLiteral("a\uFFFDb"));
        QCOMPARE(back.readVariables.value(0).qmlVar, QStringLiteral("\uFFFDx"));
    }

    void schemeIds_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("valid");
        for (const char *id : {"k1", "12", "kocioł 2", "a.b", "console", "com10", "projekt", "configs"})
            QTest::newRow(id) << QString::fromUtf8(id) << true;
        const QStringList refused = {"", "  ", "../x", "..", "a/b", "/etc/passwd", "a\\b", "c:x", "a*", "a.", "a ",
                                     "project", "Project", "deviceList", "DEVICELIST", "menuList", "config", "CON",
                                     "nul", "com1", "LPT9", "aux.k1", QString(300, QLatin1Char('k')), "a\nb",
                                     QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b"), QStringLiteral("a\uFFFE")};
        for (int i = 0; i < refused.size(); ++i)
            QTest::addRow("refused %d", i) << refused.at(i) << false;
    }

    void schemeIds()
    {
        QFETCH(QString, id);
        QFETCH(bool, valid);
        QString reason = QStringLiteral("stale");
        QCOMPARE(SchemeFile::isValidSchemeId(id, &reason), valid);
        QCOMPARE(reason.isEmpty(), valid);
    }

    void hostileFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Status>("status");
        const QStringList roots = {"Project", "Devices", "Menu", "VariablesMap"};
        const QStringList files = {ProjectFile::fileName(), DeviceListFile::fileName(), MenuFile::fileName(), "k1.xml"};
        for (int i = 0; i < files.size(); ++i) {
            const QByteArray root = roots.at(i).toUtf8(), file = files.at(i).toUtf8();
            QTest::addRow("%s missing", file.data()) << files.at(i) << QByteArray() << Status::Missing;
            QTest::addRow("%s empty", file.data()) << files.at(i) << QByteArray() << Status::Unreadable;
            QTest::addRow("%s truncated", file.data())
                << files.at(i) << "<" + root + "><a id=\"1\"/><a id=\"2\" nam" << Status::Unreadable;
            QTest::addRow("%s garbage", file.data()) << files.at(i) << QByteArray(300, '\xff') << Status::Unreadable;
            QTest::addRow("%s nested 40000 deep", file.data())
                << files.at(i) << Fixtures::deepDocument(roots.at(i)) << Status::Unreadable;
        }
    }

    // Reported, and nothing of it taken: no half-read records, nothing of the
    // previous project kept.
    void hostileFiles()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(Status, status);
        TempWorkDir dir;
        if (status != Status::Missing)
            dir.write(file, content);
        const QString path = dir.filePath(file);
        Status read = Status::Read;
        if (file == ProjectFile::fileName()) {
            ProjectInfo info = Fixtures::named(QStringLiteral("poprzedni"));
            read = ProjectFile::read(path, info);
            QCOMPARE(info, Fixtures::named(QStringLiteral("poprzedni")));
        } else if (file == DeviceListFile::fileName()) {
            QVERIFY(DeviceListFile::read(path, &read).isEmpty());
        } else if (file == MenuFile::fileName()) {
            QStringList unreadable;
            QVERIFY(MenuFile::read(dir.path() + QLatin1Char('/'), &unreadable).records.isEmpty());
            QCOMPARE(unreadable, status == Status::Missing ? QStringList() : QStringList(path));
            read = status;
        } else {
            MenuItemRecord scheme = sampleScheme();
            read = SchemeFile::read(path, scheme);
            QVERIFY(scheme.readVariables.isEmpty() && scheme.events.isEmpty());
        }
        QCOMPARE(read, status);
    }

    void everyWriterReportsAFolderThatIsGone()
    {
        TempWorkDir dir;
        const QString gone = dir.filePath(QStringLiteral("gone/"));
        QVERIFY(!ProjectFile::create(gone + ProjectFile::fileName(), "n", "a", kLabel).isEmpty());
        QVERIFY(!ProjectFile::save(gone + ProjectFile::fileName(), ProjectInfo(), kLabel).isEmpty());
        QVERIFY(!DeviceListFile::write(gone + DeviceListFile::fileName(), DeviceList()).isEmpty());
        QVERIFY(!SchemeFile::write(gone + QStringLiteral("k1.xml"), sampleScheme()).isEmpty());
        QVERIFY(!MenuFile::write(gone, {Fixtures::scheme("a", "A", "0")}).isEmpty());
        QVERIFY(!ConfigFile::save(gone + QStringLiteral("config.xml"), AppSettings()).isEmpty());
        QVERIFY(!ConfigFile::writeFirstRun(gone + QStringLiteral("config.xml"), "/w", "eng").isEmpty());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void failedWriteKeepsOldFile()
    {
        TempWorkDir dir;
        const QString path = dir.filePath(DeviceListFile::fileName());
        DeviceListFile::write(path, {{"A", "1.1.1.1", "1", QString()}});
        const QByteArray before = dir.read(DeviceListFile::fileName());
        QString error;
        {
            // The new file fails part-way, as on a full disk.
            Fixtures::FileSizeLimit limit(before.size() + 100);
            error = DeviceListFile::write(path, QVector<DeviceRecord>(400, {"B", "2.2.2.2", "2", "opis"}).toList());
        }
        QCOMPARE(error, path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(EFBIG)));
        QCOMPARE(dir.read(DeviceListFile::fileName()), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList(DeviceListFile::fileName()));
    }

    void onlyRegularFilesAreReplaced()
    {
        TempWorkDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("outside"));
        dir.write(QStringLiteral("outside/target.xml"), "keep");
        QFile::link(dir.filePath(QStringLiteral("outside/target.xml")), dir.filePath(QStringLiteral("link.xml")));
        QDir(dir.path()).mkdir(QStringLiteral("folder.xml"));
        for (const QString &name : {QStringLiteral("link.xml"), QStringLiteral("folder.xml")}) {
            const QString error = DeviceListFile::write(dir.filePath(name), DeviceList());
            QVERIFY2(error.startsWith(dir.filePath(name) + QStringLiteral(": ")), qPrintable(error));
        }
        QCOMPARE(dir.read(QStringLiteral("outside/target.xml")), QByteArray("keep"));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("link.xml"))).isSymLink());
    }

    void unreadableFilesAreCopiedBeforeTheSave()
    {
        TempWorkDir dir;
        const QString folder = dir.filePath(QStringLiteral("p/"));
        Fixtures::copySample(folder);
        const QByteArray deep = Fixtures::deepDocument(QStringLiteral("Devices"));
        dir.write(QStringLiteral("p/deviceList.xml"), deep);
        // A save killed half-way left its temporary file behind.
        dir.write(QStringLiteral("p/menuList.xml.Ab12Cd"), "<Menu>");
        Project project;
        project.load(folder, QString());
        QCOMPARE(project.unreadable, QStringList({folder + "deviceList.xml", folder + "p1.xml"}));
        QVERIFY(!QFile::exists(folder + QStringLiteral("menuList.xml.Ab12Cd")));
        const QByteArray p1 = dir.read(QStringLiteral("p/p1.xml"));
        dir.write(QStringLiteral("p/p1.xml.unreadable"), "an older copy");
        QVERIFY(project.save(kLabel).isEmpty());
        QCOMPARE(dir.read(QStringLiteral("p/deviceList.xml.unreadable")), deep);
        QCOMPARE(dir.read(QStringLiteral("p/p1.xml.unreadable")), QByteArray("an older copy"));
        QCOMPARE(dir.read(QStringLiteral("p/p1.xml.unreadable-2")), p1);
        QVERIFY(project.unreadable.isEmpty());
    }

    // Files whose bytes would not change keep their bytes and time stamp.
    void unchangedProjectChangesOnlyItsRevision()
    {
        TempWorkDir dir;
        const QString folder = dir.filePath(QStringLiteral("p/"));
        Fixtures::copySample(folder);
        Project project;
        project.load(folder, QString());
        QVERIFY(project.save(kLabel).isEmpty());
        const QRegularExpression others(QStringLiteral("^(?!project\\.xml )"));
        const QStringList before = Fixtures::snapshot(folder);
        QTest::qWait(20); // a rewrite would get a later time stamp
        project.load(folder, QString());
        QVERIFY(project.save(kLabel).isEmpty());
        const QStringList after = Fixtures::snapshot(folder);
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.filter(others), before.filter(others));
        QCOMPARE(project.info.revision, QStringLiteral("5"));
    }
};

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
