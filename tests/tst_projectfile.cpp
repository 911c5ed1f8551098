#include "configfile.h"
#include "devicelistfile.h"
#include "menufile.h"
#include "menutreelayout.h"
#include "project.h"
#include "projectfile.h"
#include "projectfixtures.h"
#include "projectpaths.h"
#include "qmltext.h"
#include "schemefile.h"
#include "startup.h"
#include "tempworkdir.h"
#include "unreadablecopy.h"
#include "testpaths.h"

#include <QDomDocument>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Fixtures;
using Status = XmlRead::Status;
using Load = ConfigFile::LoadResult;
Q_DECLARE_METATYPE(XmlRead::Status)
Q_DECLARE_METATYPE(ConfigFile::LoadResult)
Q_DECLARE_METATYPE(QList<MenuItemRecord>)

namespace {

const QString kLabel = QStringLiteral("v 0.8.12");
const QByteArray kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
const QByteArray kFull = kHead + "<!DOCTYPE config>\n<Config>\n <AppSettings workspaceDir=\"/home/serwis/Projekty\" Language=\"pl\"/>\n"
                                 " <LastProject location=\"/home/serwis/Projekty/Kotlownia/\" name=\"Kotłownia\"/>\n <Settings>\n"
                                 "  <LogSettings showData=\"1\" showErrors=\"0\" showInfo=\"1\" showWarnings=\"0\"/>\n </Settings>\n"
                                 " <Extra keep=\"me\"/>\n</Config>\n";

MenuItemRecord group(const QString &id, const QString &text, const QString &parent)
{
    MenuItemRecord r;
    r.kind = MenuItemRecord::groupKind();
    r.id = id;
    r.text = text;
    r.parent = parent;
    return r;
}

MenuItemRecord scheme(const QString &id, const QString &text, const QString &parent, int interval = 0)
{
    MenuItemRecord r = group(id, text, parent);
    r.kind = MenuItemRecord::schemeKind();
    r.qmlFile = QStringLiteral("qml/") + id + QStringLiteral(".qml");
    r.interval = interval;
    return r;
}

// "id<parent ID" per record, in order.
QStringList ids(const QList<MenuItemRecord> &records)
{
    QStringList out;
    for (const MenuItemRecord &r : records)
        out << r.id + QLatin1Char('<') + r.parent;
    return out;
}

MenuItemRecord sampleScheme()
{
    MenuItemRecord r = scheme(QStringLiteral("12"), QStringLiteral("Kocioł"), QStringLiteral("1.1"), 7);
    r.readVariables = {{"K1", "kot.t1", "tKotła", "temp", QString()}, {"K1", "x", "x", "dziwny", QString()}};
    EventItemRecord combo{"combo", "kot.pompa", "K1", "Pompa obiegowa", {{"1", "Włącz"}, {"0", "Wyłącz"}}};
    r.events = {EventRecord{"pompa", {combo, EventItemRecord{"scheme", "k2", "-", "-", {}}}}, EventRecord{"pusty", {}}};
    return r;
}

// Every file of folder but project.xml, with its bytes and modification time.
QStringList othersThanProjectFile(const QString &folder)
{
    QStringList out;
    for (const QFileInfo &f : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
        QFile file(f.filePath());
        if (f.fileName() != ProjectFile::fileName() && file.open(QIODevice::ReadOnly))
            out << f.fileName() + QString::fromUtf8(file.readAll()) + QString::number(f.lastModified().toMSecsSinceEpoch());
    }
    return out;
}

QString location(const TempWorkDir &dir)
{
    return dir.path() + QLatin1Char('/');
}

// "id<id of the parent row" per row in creation order, 0 at the top.
QStringList shape(const MenuTree &tree)
{
    QList<MenuItemRecord> rows = tree.records;
    for (int i = 0; i < rows.size(); ++i)
        rows[i].parent = tree.treeParents.at(i) < 0 ? QStringLiteral("0") : tree.records.at(tree.treeParents.at(i)).id;
    return ids(rows);
}

// "workspace|location|name|" then the log switches (data, errors, info,
// warnings) and whether the file held them.
QString summary(const AppSettings &s, bool logRead)
{
    return QStringLiteral("%1|%2|%3|").arg(s.workspaceDir, s.projectLocation, s.projectName)
        + QString::asprintf("%d%d%d%d", s.showData, s.showErrors, s.showInfo, s.showWarnings) + (logRead ? "|log" : "");
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
        dir.write(ProjectFile::fileName(), "<X><Info name=\"Stara\" revision=\"2\" teskVersion=\"0.1\"/><SIP enabled=\"tak\"/>"
                                           "<Notes z=\"1\" a=\"2\"/></X>");
        ProjectInfo info;
        QCOMPARE(ProjectFile::read(path, info), Status::Read);
        info.name = QStringLiteral("Nowa");
        info.sipNumber = QStringLiteral("1001");
        // Every save of one run writes the revision read at opening plus one.
        QCOMPARE(ProjectFile::save(path, info, kLabel), QString());
        QCOMPARE(ProjectFile::save(path, info, kLabel), QString());
        // Attributes the element lacks are not added; unknown ones follow in name order.
        QCOMPARE(dir.read(ProjectFile::fileName()),
                 kHead + "<X>\n <Info revision=\"3\" teskVersion=\"0.8.12\" name=\"Nowa\"/>\n"
                         " <SIP enabled=\"0\" serverAddres=\"\" number=\"1001\" password=\"\" userName=\"\"/>\n"
                         " <Notes a=\"2\" z=\"1\"/>\n</X>\n");
        ProjectFile::read(path, info);
        ProjectFile::save(path, info, kLabel);
        ProjectFile::read(path, info);
        QCOMPARE(info.revision, QStringLiteral("4"));
        info.revision = QStringLiteral("abc"); // not a number: counting starts again
        ProjectFile::save(path, info, kLabel);
        ProjectFile::read(path, info);
        QCOMPARE(info.revision, QStringLiteral("1"));
        // Nothing of the previous project is kept: what the file lacks reads as empty.
        dir.write(ProjectFile::fileName(), "<Project><Info name=\"n\"/></Project>");
        QCOMPARE(ProjectFile::read(path, info), Status::Read);
        QCOMPARE(info, named(QStringLiteral("n")));
    }

    void locations()
    {
        // A folder keeps the separator it was typed with.
        const QString name = QStringLiteral("KotłowniaGłówna");
        QCOMPARE(ProjectPaths::newProjectLocation(QStringLiteral("C:\\Projekty"), name), "C:\\Projekty\\" + name + "\\");
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

    // The menu file, and the definition file of each scheme in it.
    void menuAndSchemeFilesAreByteExact()
    {
        TempWorkDir dir;
        const QList<MenuItemRecord> records = {group("1", "Parter", "0"), group("1.1", "Kuchnia", "1"), sampleScheme()};
        QVERIFY(MenuFile::write(location(dir), records).isEmpty());
        QCOMPARE(dir.read(MenuFile::fileName()),
                 kHead + "<!DOCTYPE menuList>\n<Menu>\n <Group id=\"1\" text=\"Parter\">\n  <Group id=\"1.1\" text=\"Kuchnia\">\n"
                         "   <Item id=\"12\" text=\"Kocioł\" qmlFile=\"qml/12.qml\" interval=\"7\"/>\n  </Group>\n </Group>\n</Menu>\n");
        // Attributes in the same order at every run, whatever the hash seed.
        QCOMPARE(dir.read(QStringLiteral("12.xml")),
                 kHead + "<VariablesMap>\n <var device=\"K1\" devVar=\"kot.t1\" qmlVar=\"tKotła\" type=\"temp\"/>\n"
                         " <var device=\"K1\" devVar=\"x\" qmlVar=\"x\" type=\"dziwny\"/>\n <event schemeEvent=\"pompa\">\n"
                         "  <item type=\"combo\" property=\"kot.pompa\" device=\"K1\" name=\"Pompa obiegowa\">\n"
                         "   <subItem value=\"1\" name=\"Włącz\"/>\n   <subItem value=\"0\" name=\"Wyłącz\"/>\n  </item>\n"
                         "  <item type=\"scheme\" property=\"k2\" device=\"-\" name=\"-\"/>\n </event>\n"
                         " <event schemeEvent=\"pusty\"/>\n</VariablesMap>\n");
        const MenuTree tree = MenuFile::read(location(dir));
        QCOMPARE(tree.records, records);
        QCOMPARE(tree.treeParents, QVector<int>({-1, 0, 1}));
        const QString path = dir.filePath(QStringLiteral("12.xml"));
        MenuItemRecord back;
        SchemeFile::write(path, MenuItemRecord());
        QCOMPARE(dir.read(QStringLiteral("12.xml")), kHead + "<VariablesMap/>\n");
        QCOMPARE(SchemeFile::read(path, back), Status::Read);
        QVERIFY(back.readVariables.isEmpty() && back.events.isEmpty());
        // Characters XML cannot carry are written as U+FFFD, so the file still parses.
        MenuItemRecord odd;
        odd.readVariables = {{QStringLiteral("K\uFFFE1"), QStringLiteral("a\x01" "b"), QString(QChar(0xD800)) + "x",
                              QStringLiteral("temp"), QString()}};
        QCOMPARE(SchemeFile::write(path, odd), QString());
        QVERIFY(QDomDocument().setContent(dir.read(QStringLiteral("12.xml"))));
        QCOMPARE(SchemeFile::read(path, back), Status::Read);
        QCOMPARE(back.readVariables.value(0).device, QStringLiteral("K\uFFFD1"));
        QCOMPARE(back.readVariables.value(0).devVar, QStringLiteral("a\uFFFDb"));
        QCOMPARE(back.readVariables.value(0).qmlVar, QStringLiteral("\uFFFDx"));
        // Variables and events in any order; list values only under a list item.
        SchemeFile::read(TestPaths::dataDir() + QStringLiteral("/projects/kotlownia/k1.xml"), back);
        QCOMPARE(back.readVariables.size(), 2);
        QCOMPARE(back.events.at(0).items.at(0).listValues.at(1).name, QStringLiteral("Wyłącz"));
        QVERIFY(back.events.at(0).items.at(1).listValues.isEmpty()); // under an "int" item
    }

    void menuReaderRules_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QVector<int>>("treeParents");
        // A group's parent comes from its ID; without group 7 the orphan stays at the top.
        QTest::newRow("parent from the id")
            << QByteArray("<Menu><Group id=\"1\" text=\"A\"><Group id=\"5\" text=\"B\"/></Group>"
                          "<Group id=\"7.1\" text=\"S\"><Item id=\"s\" text=\"S\"/></Group></Menu>")
            << QStringList({"1<0", "5<0", "7.1<7", "s<7.1"}) << QVector<int>({-1, -1, -1, 2});
        // Found by its text, the subgroup hangs under the later of the two.
        // A group's parent is a group, never a scheme of the same text or ID.
        QTest::newRow("scheme of the parent's text")
            << QByteArray("<Menu><Group id=\"2\" text=\"B\"/><Group id=\"1\" text=\"A\"><Item id=\"k\" text=\"B\"/></Group>"
                          "<Group id=\"2.1\" text=\"C\"/></Menu>")
            << QStringList({"2<0", "1<0", "k<1", "2.1<2"}) << QVector<int>({-1, -1, 1, 0});
        QTest::newRow("scheme of the parent's id")
            << QByteArray("<Menu><Group id=\"1\" text=\"A\"/><Group id=\"9\" text=\"G\"><Item id=\"1\" text=\"S\"/></Group>"
                          "<Group id=\"1.1\" text=\"C\"/></Menu>")
            << QStringList({"1<0", "9<0", "1<9", "1.1<1"}) << QVector<int>({-1, -1, 1, 0});
        QTest::newRow("same text") << QByteArray("<Menu><Group id=\"1\" text=\"Piętro\"/><Group id=\"2\" text=\"Piętro\"/>"
                                                 "<Group id=\"1.1\" text=\"Pokój\"/></Menu>")
                                   << QStringList({"1<0", "2<0", "1.1<1"}) << QVector<int>({-1, -1, 1});
        // A group's own schemes come right after it, before its subgroups.
        QTest::newRow("schemes after nested groups")
            << QByteArray("<Menu><Item id=\"t\" text=\"T\"/><Group id=\"1\" text=\"A\"><Group id=\"1.1\" text=\"B\"/>"
                          "<Item id=\"k\" text=\"K\"/><X><Item id=\"no\" text=\"N\"/></X></Group></Menu>")
            << QStringList({"1<0", "k<1", "1.1<1", "t<0"}) << QVector<int>({-1, 0, 0, -1});
    }

    void menuReaderRules()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, records);
        QFETCH(QVector<int>, treeParents);
        TempWorkDir dir;
        dir.write(MenuFile::fileName(), content);
        const MenuTree tree = MenuFile::read(location(dir));
        QCOMPARE(ids(tree.records), records);
        QCOMPARE(tree.treeParents, treeParents);
    }

    void menuPlacement_data()
    {
        QTest::addColumn<QList<MenuItemRecord>>("records");
        QTest::addColumn<bool>("throughFile"); // else laid out as a tree
        QTest::addColumn<QStringList>("placed");
        QTest::newRow("written: late parents")
            << QList<MenuItemRecord>{scheme("k1", "K", "1.1"), group("1.1", "Kuchnia", "1"), group("1", "Parter", "0")} << true
            << QStringList({"1<0", "1.1<1", "k1<1.1"});
        QTest::newRow("written: orphans at the top")
            << QList<MenuItemRecord>{group("1", "A", "0"), scheme("lost", "Z", "9"), group("9.2", "B", "9"), scheme("child", "C", "9.2")}
            << true << QStringList({"1<0", "9.2<9", "child<9.2", "lost<0"});
        QTest::newRow("written: top-level scheme") << QList<MenuItemRecord>{scheme("top", "T", "0", 3), group("1", "G", "0")}
                                                   << true << QStringList({"1<0", "top<0"});
        QTest::newRow("tree: two groups share an id")
            << QList<MenuItemRecord>{group("1", "A", "0"), group("1", "B", "0"), scheme("k", "K", "1")} << false
            << QStringList({"1<0", "1<0", "k<1", "k<1"});
        QTest::newRow("tree: parent never comes")
            << QList<MenuItemRecord>{group("7.1", "G", "7"), scheme("s", "S", "7.1"), scheme("t", "T", "8")} << false
            << QStringList({"7.1<0", "s<7.1", "t<0"});
        // A child found before its group's row waits one pass, so the later one comes first.
        QTest::newRow("tree: passes order siblings")
            << QList<MenuItemRecord>{scheme("a", "A", "1.1"), group("1.1", "G", "1"), scheme("b", "B", "1.1"), group("1", "P", "0")}
            << false << QStringList({"1<0", "1.1<1", "b<1.1", "a<1.1"});
        QTest::newRow("tree: own parent") << QList<MenuItemRecord>{group("x", "X", "x"), scheme("k", "K", "x")} << false
                                          << QStringList({"x<0", "k<x"});
        QList<MenuItemRecord> chain; // groups 1, 1.1, 1.1.1 ... 400 levels deep, listed child first
        QString id = QStringLiteral("1");
        for (int level = 0; level < 400; ++level, id += QStringLiteral(".1"))
            chain.prepend(group(id, id, level == 0 ? QStringLiteral("0") : id.left(id.size() - 2)));
        const QStringList parentFirst = ids(QList<MenuItemRecord>(chain.crbegin(), chain.crend()));
        for (bool throughFile : {true, false})
            QTest::addRow("%s: 400 levels listed child first", throughFile ? "written" : "tree")
                << chain << throughFile << parentFirst;
    }

    void menuPlacement()
    {
        QFETCH(QList<MenuItemRecord>, records);
        QFETCH(bool, throughFile);
        QFETCH(QStringList, placed);
        TempWorkDir dir;
        if (throughFile) {
            QVERIFY(MenuFile::write(location(dir), records).isEmpty());
            QCOMPARE(ids(MenuFile::read(location(dir)).records), placed);
        } else {
            QCOMPARE(shape(MenuTreeLayout::rebuild(records)), placed);
        }
    }

    void intervals()
    {
        // Missing, not a number or negative: 0 (passes back to back); too long: the longest the timer takes.
        const QList<QPair<QString, int>> cases = {{"10", 10}, {"0", 0}, {"", 0}, {"5s", 0}, {"-3", 0}, {"2147484", 2147483},
                                                  {"99999999999999999999", 2147483}, {"-99999999999999999999", 0}};
        for (const auto &c : cases)
            QCOMPARE(MenuFile::intervalFromText(c.first), c.second);
    }

    void schemeIdsNeverReplaceOtherFiles()
    {
        TempWorkDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("p"));
        const QString loc = dir.filePath(QStringLiteral("p/"));
        dir.write(QStringLiteral("p/project.xml"), "<Project/>");
        const QStringList errors =
            MenuFile::write(loc, {group("1", "G", "0"), scheme("../x", "Ucieczka", "1"), scheme("Project", "P", "1")});
        QCOMPARE(errors.size(), 2);
        QVERIFY(errors.first().startsWith(QStringLiteral("../x.xml: ")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.xml"))));
        QCOMPARE(dir.read(QStringLiteral("p/project.xml")), QByteArray("<Project/>"));
        // A hostile file is read without touching anything outside the folder.
        dir.write(QStringLiteral("x.xml"), "<VariablesMap><var device=\"evil\"/></VariablesMap>");
        const MenuTree tree = MenuFile::read(loc);
        QCOMPARE(tree.records.size(), 3);
        QVERIFY(tree.records.at(1).readVariables.isEmpty());
    }

    void namesOfferedFromTheSceneText()
    {
        // The quoted text after the colon: Text's own string is taken as a name
        // too; a call without a quoted name gives none.
        QCOMPARE(QmlText::itemClickedNames(QStringLiteral(
                     "Rectangle {\n signal itemClicked(string name)\n MouseArea { onClicked: root.itemClicked(\"pompa1\") }\n"
                     " MouseArea { onClicked: { itemClicked( \" pompa2 \" ) } }\n MouseArea { onClicked: itemClicked('zawor') }\n"
                     " MouseArea { onClicked: itemClicked(name) }\n Text { text: \"itemClicked\" }\n"
                     " MouseArea { onClicked: root.itemClicked(\"pompa1\") }\n}\n")),
                 QStringList({"pompa1", "pompa2", "zawor", "itemClicked", "pompa1"}));
        QCOMPARE(QmlText::propertyNames(QStringLiteral("Item {\n  property int level: 0\n  property   real  t1:21.5\n"
                                                       "  property bool pumpOn\n  property color accent : \"red\"\n"
                                                       "  // property int commented: 1\n  propertyChanges: 1\n  property variant\n}\n")),
                 QStringList({"level", "t1", "pumpOn", "accent"}));
    }

    void schemeIds_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("valid");
        for (const char *id : {"k1", "12", "kocioł 2", "a.b", "console", "com10", "projekt", "configs", "conin", "com⁴"})
            QTest::newRow(id) << QString::fromUtf8(id) << true;
        // The longest ID leaves room for ".xml.unreadable-999" within 255 bytes.
        QTest::newRow("236 bytes") << QString(118, QChar(0x142)) << true;
        const QStringList refused = {"", "  ", "../x", "..", "a/b", "/etc/passwd", "a\\b", "c:x", "a*", "a.", "a ",
                                     "project", "Project", "deviceList", "DEVICELIST", "menuList", "config", "CON",
                                     "nul", "com1", "LPT9", "aux.k1", QString(300, QLatin1Char('k')), "a\nb",
                                     QString(237, QLatin1Char('k')), "CONIN$", "conout$", "Conout$.xml", "COM¹", "com²",
                                     "LPT³", "lpt¹.txt", "com³ .k",
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
        if (valid) {
            TempWorkDir dir;
            QFile copy(dir.filePath(id + QStringLiteral(".xml") + UnreadableCopy::longestSuffix()));
            QVERIFY2(copy.open(QIODevice::WriteOnly), qPrintable(copy.errorString()));
        }
    }

    void hostileFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind"); // what stands under the file's name
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Status>("status");
        for (const QString &fileAndRoot : QStringList({"project.xml Project", "deviceList.xml Devices", "menuList.xml Menu", "k1.xml VariablesMap"})) {
            const QString file = fileAndRoot.section(' ', 0, 0), root = fileAndRoot.section(' ', 1);
            const QByteArray name = file.toUtf8();
            QTest::addRow("%s missing", name.data()) << file << "nothing" << QByteArray() << Status::Missing;
            QTest::addRow("%s empty", name.data()) << file << "file" << QByteArray() << Status::Unreadable;
            QTest::addRow("%s truncated", name.data()) << file << "file" << ("<" + root + "><a id=\"1\"/><a id=\"2\" nam").toUtf8() << Status::Unreadable;
            QTest::addRow("%s nested 40000 deep", name.data()) << file << "file" << deepDocument(root) << Status::Unreadable;
            // Never waited on, never taken for missing.
            QTest::addRow("%s named pipe", name.data()) << file << "pipe" << QByteArray() << Status::Unreadable;
            QTest::addRow("%s link to itself", name.data()) << file << "loop" << QByteArray() << Status::Unreadable;
            QTest::addRow("%s without permission", name.data()) << file << "locked" << ("<" + root + "/>").toUtf8() << Status::Unreadable;
        }
    }

    // Reported, and nothing of it taken: no half-read records, nothing of the
    // previous project kept.
    void hostileFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        QFETCH(Status, status);
        TempWorkDir dir;
        const QString path = dir.filePath(file);
        if (kind == QLatin1String("file") || kind == QLatin1String("locked"))
            dir.write(file, content);
        if (kind == QLatin1String("pipe"))
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (kind == QLatin1String("loop"))
            QVERIFY(QFile::link(file, path));
        if (kind == QLatin1String("locked")) {
            if (geteuid() == 0)
                QSKIP("permissions do not bind root");
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        }
        ProjectInfo info = named(QStringLiteral("poprzedni"));
        MenuItemRecord scheme = sampleScheme();
        QStringList unreadable;
        Status read = status;
        if (file == ProjectFile::fileName())
            read = ProjectFile::read(path, info);
        else if (file == DeviceListFile::fileName())
            QVERIFY(DeviceListFile::read(path, &read).isEmpty());
        else if (file == MenuFile::fileName())
            QVERIFY(MenuFile::read(location(dir), &unreadable).records.isEmpty());
        else
            read = SchemeFile::read(path, scheme);
        QCOMPARE(read, status);
        QCOMPARE(info, named(QStringLiteral("poprzedni")));
        QCOMPARE(unreadable, file == MenuFile::fileName() && status != Status::Missing ? QStringList(path) : QStringList());
        QCOMPARE(scheme.readVariables.isEmpty() && scheme.events.isEmpty(), file == QStringLiteral("k1.xml"));
    }

    // A write that cannot be done reports the file and why, and leaves
    // everything as it was: no half-written file, no temporary one.
    void failedWritesChangeNothing()
    {
        TempWorkDir dir;
        const QString gone = dir.filePath(QStringLiteral("gone/"));
        QVERIFY(!ProjectFile::create(gone + ProjectFile::fileName(), "n", "a", kLabel).isEmpty());
        QVERIFY(!ProjectFile::save(gone + ProjectFile::fileName(), ProjectInfo(), kLabel).isEmpty());
        QVERIFY(!DeviceListFile::write(gone + DeviceListFile::fileName(), DeviceList()).isEmpty());
        QVERIFY(!SchemeFile::write(gone + QStringLiteral("k1.xml"), sampleScheme()).isEmpty());
        QVERIFY(!MenuFile::write(gone, {scheme("a", "A", "0")}).isEmpty());
        QVERIFY(!ConfigFile::save(gone + QStringLiteral("config.xml"), AppSettings()).isEmpty());
        QVERIFY(!ConfigFile::writeFirstRun(gone + QStringLiteral("config.xml"), "/w", "eng").isEmpty());
        QVERIFY(QDir(dir.path()).isEmpty());

        const QString path = dir.filePath(DeviceListFile::fileName());
        DeviceListFile::write(path, {{"A", "1.1.1.1", "1", QString()}});
        const QByteArray before = dir.read(DeviceListFile::fileName());
        // Past this size a write fails with EFBIG part-way, as on a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit;
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit previous = limit;
        limit.rlim_cur = rlim_t(before.size() + 100);
        setrlimit(RLIMIT_FSIZE, &limit);
        const QString error = DeviceListFile::write(path, QVector<DeviceRecord>(400, {"B", "2.2.2.2", "2", "x"}).toList());
        setrlimit(RLIMIT_FSIZE, &previous);
        QCOMPARE(error, path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(EFBIG)));
        QCOMPARE(dir.read(DeviceListFile::fileName()), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList(DeviceListFile::fileName()));

        // Only a regular file is replaced: never a link's target, nor a folder.
        QDir(dir.path()).mkdir(QStringLiteral("outside"));
        dir.write(QStringLiteral("outside/target.xml"), "keep");
        QFile::link(dir.filePath(QStringLiteral("outside/target.xml")), dir.filePath(QStringLiteral("link.xml")));
        QDir(dir.path()).mkdir(QStringLiteral("folder.xml"));
        for (const QString &name : {QStringLiteral("link.xml"), QStringLiteral("folder.xml")})
            QVERIFY(DeviceListFile::write(dir.filePath(name), DeviceList()).startsWith(dir.filePath(name) + QStringLiteral(": ")));
        QCOMPARE(dir.read(QStringLiteral("outside/target.xml")), QByteArray("keep"));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("link.xml"))).isSymLink());
    }

    void configReading_data()
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
        QTest::newRow("garbage") << QByteArray(300, '\xff') << QString() << Load::Unparsable << untouched;
        QTest::newRow("nested 40000 deep") << deepDocument(QStringLiteral("Config")) << QString()
                                           << Load::Unparsable << untouched;
        // Any root; the later element wins, the language too; a missing attribute
        // reads as empty, a missing switch as off; "7" is non-zero, "yes" is not
        // a number; only LogSettings inside Settings count, and only elements
        // right below the root.
        QTest::newRow("reading rules")
            << QByteArray("<Anything><AppSettings workspaceDir=\"a\" Language=\"pl\"/><AppSettings workspaceDir=\"b\"/>"
                          "<Wrapper><AppSettings workspaceDir=\"nested\"/></Wrapper><LastProject name=\"p\"/>"
                          "<Settings><Other/><LogSettings showData=\"7\" showErrors=\"yes\" showWarnings=\"1\"/>"
                          "</Settings><LogSettings showData=\"0\"/></Anything>")
            << QString() << Load::Loaded << "b||p|1001|log";
        // A location typed without its separator still prefixes the file names.
        QTest::newRow("location without separator")
            << QByteArray("<Config><LastProject location=\"/srv/p\" name=\"p\"/></Config>") << QString() << Load::Loaded
            << "before|/srv/p/|p|1111";
    }

    void configReading()
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

    void configSave()
    {
        // Without a file a complete one is written: a run whose wizard was
        // cancelled must not leave one that loses the language at next start.
        TempWorkDir dir;
        AppSettings s;
        s.projectName = QStringLiteral("Demo");
        s.projectLocation = QStringLiteral("/p/Demo/");
        s.showWarnings = false;
        QCOMPARE(ConfigFile::save(ConfigFile::defaultPath(), s), QString());
        QCOMPARE(ConfigFile::startupLanguage(ConfigFile::defaultPath()), QStringLiteral("eng"));
        bool logRead = false;
        QCOMPARE(ConfigFile::load(ConfigFile::defaultPath(), s, &logRead), Load::Loaded);
        QCOMPARE(summary(s, logRead), QStringLiteral("|/p/Demo/|Demo|1110|log"));
        // Everything else in the file is kept.
        dir.write(QStringLiteral("config.xml"), kFull);
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
                 kHead + "<!DOCTYPE config>\n<Config>\n <AppSettings workspaceDir=\"/p\" Language=\"pl\"/>\n"
                         " <LastProject location=\"/p/Wentylacja/\" name=\"Wentylacja\"/>\n"
                         " <Settings>\n  <LogSettings showData=\"0\" showErrors=\"1\" showInfo=\"1\" showWarnings=\"0\"/>\n"
                         " </Settings>\n <Extra keep=\"me\"/>\n</Config>\n");
        // Attributes LastProject lacks are not added; LogSettings gets all four.
        dir.write(QStringLiteral("config.xml"), "<Config><LastProject name=\"old\"/><Settings><LogSettings/></Settings></Config>");
        s.showInfo = false;
        ConfigFile::save(ConfigFile::defaultPath(), s);
        QCOMPARE(dir.read(QStringLiteral("config.xml")),
                 kHead + "<Config>\n <LastProject name=\"Wentylacja\"/>\n <Settings>\n"
                         "  <LogSettings showData=\"0\" showErrors=\"1\" showInfo=\"0\" showWarnings=\"0\"/>\n </Settings>\n</Config>\n");
        // The idle logout is written once it differs from the default, and
        // a time out of range in the file leaves the default.
        s.idleLogoutMinutes = 40;
        ConfigFile::save(ConfigFile::defaultPath(), s);
        QVERIFY(dir.read(QStringLiteral("config.xml")).contains("  <UserSettings idleLogoutMinutes=\"40\"/>\n"));
        AppSettings back;
        ConfigFile::load(ConfigFile::defaultPath(), back);
        QCOMPARE(back.idleLogoutMinutes, 40);
        dir.write(QStringLiteral("config.xml"), "<Config><Settings><UserSettings idleLogoutMinutes=\"0\"/></Settings></Config>");
        ConfigFile::load(ConfigFile::defaultPath(), back = AppSettings());
        QCOMPARE(back.idleLogoutMinutes, AppSettings().idleLogoutMinutes);
        // Likewise a station that may not record, and back.
        s.mayRecord = false;
        ConfigFile::save(ConfigFile::defaultPath(), s);
        QVERIFY(dir.read(QStringLiteral("config.xml")).contains("  <StoreSettings record=\"0\"/>\n"));
        ConfigFile::load(ConfigFile::defaultPath(), back);
        QVERIFY(!back.mayRecord);
        s.mayRecord = true;
        ConfigFile::save(ConfigFile::defaultPath(), s);
        ConfigFile::load(ConfigFile::defaultPath(), back);
        QVERIFY(back.mayRecord);
        // A file without Settings keeps its bytes while every choice is its
        // default, and gets them once one is not.
        const QByteArray bare = "<Config>\n <LastProject name=\"Wentylacja\"/>\n</Config>\n";
        dir.write(QStringLiteral("config.xml"), bare);
        s = AppSettings();
        s.projectName = QStringLiteral("Wentylacja");
        ConfigFile::save(ConfigFile::defaultPath(), s);
        QCOMPARE(dir.read(QStringLiteral("config.xml")), kHead + bare);
        s.mayRecord = false;
        ConfigFile::save(ConfigFile::defaultPath(), s);
        QCOMPARE(dir.read(QStringLiteral("config.xml")),
                 kHead + "<Config>\n <LastProject name=\"Wentylacja\"/>\n <Settings>\n  <StoreSettings record=\"0\"/>\n"
                         " </Settings>\n</Config>\n");
        ConfigFile::load(ConfigFile::defaultPath(), back = AppSettings());
        QVERIFY(!back.mayRecord);
    }

    // Unreadable files are copied aside before a save replaces them; once
    // saved, files whose bytes would not change keep their bytes and time.
    void savingAnOpenedProject()
    {
        TempWorkDir dir;
        const QString folder = dir.filePath(QStringLiteral("p/"));
        copySample(folder);
        const QByteArray deep = deepDocument(QStringLiteral("Devices"));
        dir.write(QStringLiteral("p/deviceList.xml"), deep);
        // The technician's own copies are none of the program's business.
        const QStringList backups = {"deviceList.xml.backup", "project.xml.old123", "menuList.xml.orig01", "p1.xml.kopia1"};
        for (const QString &name : backups)
            dir.write("p/" + name, name.toUtf8());
        Project project;
        project.load(folder, QString());
        QCOMPARE(project.unreadable, QStringList({folder + "deviceList.xml", folder + "p1.xml"}));
        const QByteArray p1 = dir.read(QStringLiteral("p/p1.xml"));
        dir.write(QStringLiteral("p/p1.xml.unreadable"), "an older copy");
        QVERIFY(project.save(kLabel).isEmpty());
        QCOMPARE(dir.read(QStringLiteral("p/deviceList.xml.unreadable")), deep);
        QCOMPARE(dir.read(QStringLiteral("p/p1.xml.unreadable")), QByteArray("an older copy"));
        QCOMPARE(dir.read(QStringLiteral("p/p1.xml.unreadable-2")), p1);
        QVERIFY(project.unreadable.isEmpty());
        for (const QString &name : backups)
            QCOMPARE(dir.read("p/" + name), name.toUtf8());

        const QStringList before = othersThanProjectFile(folder);
        QTest::qWait(20); // a rewrite would get a later time stamp
        project.load(folder, QString());
        QVERIFY(project.save(kLabel).isEmpty());
        QCOMPARE(othersThanProjectFile(folder), before);
        QCOMPARE(project.info.revision, QStringLiteral("5"));
    }

    // The copy is a new file of the user's default permissions; a link, a
    // device or a pipe is neither followed nor copied, and stays in place.
    void copiesOfUnreadableFiles()
    {
        TempWorkDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("p"));
        const QString folder = dir.filePath(QStringLiteral("p/"));
        dir.write(QStringLiteral("p/project.xml"), "<Project><Info");
        QCOMPARE(chmod(QFile::encodeName(folder + "project.xml").constData(), 0777), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), folder + "deviceList.xml"));
        dir.write(QStringLiteral("p/menuList.xml"), "<Menu><Item id=\"k1\" text=\"A\"/><Item id=\"k2\" text=\"B\"/></Menu>");
        QCOMPARE(mkfifo(QFile::encodeName(folder + "k1.xml").constData(), 0600), 0);
        dir.write(QStringLiteral("outside.xml"), "<VariablesMap");
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("outside.xml")), folder + "k2.xml"));
        Project project;
        project.load(folder);
        QCOMPARE(project.unreadable, QStringList({folder + "deviceList.xml", folder + "k1.xml", folder + "k2.xml", folder + "project.xml"}));
        const QStringList errors = project.save(kLabel);
        QCOMPARE(errors.size(), 3);
        for (const char *file : {"deviceList.xml", "k1.xml", "k2.xml"})
            QVERIFY(errors.filter(folder + file + QStringLiteral(": ")).size() == 1);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"deviceList.xml", "k1.xml", "k2.xml", "menuList.xml", "project.xml", "project.xml.unreadable"}));
        QCOMPARE(dir.read(QStringLiteral("outside.xml")), QByteArray("<VariablesMap"));
        QCOMPARE(dir.read(QStringLiteral("p/project.xml.unreadable")), QByteArray("<Project><Info"));
        const mode_t mask = umask(0);
        umask(mask);
        struct stat copy;
        QCOMPARE(stat(QFile::encodeName(folder + "project.xml.unreadable").constData(), &copy), 0);
        QCOMPARE(copy.st_mode & 07777, 0666 & ~mask);
        QVERIFY(S_ISREG(copy.st_mode));
    }
};

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
