#include "project.h"
#include "projectfile.h"
#include "projectfixtures.h"
#include "projectpaths.h"
#include "tempworkdir.h"
#include "testpaths.h"

#include <QDomDocument>
#include <QtTest>

namespace {

const QString kLabel = QStringLiteral("v 0.8.12");

QDomElement child(const TempWorkDir &dir, const QString &name)
{
    QDomDocument doc;
    doc.setContent(dir.read(QStringLiteral("project.xml")));
    return doc.documentElement().firstChildElement(name);
}

} // namespace

class TestProjectFile : public QObject
{
    Q_OBJECT

private slots:
    void creationIsByteExact();
    void revisionCounting();
    void saveKeepsOtherContent();
    void readRules();
    void locations_data();
    void locations();
    void unreadableFilesAreCopiedBeforeTheSave();
    void unchangedProjectChangesOnlyItsRevision();
};

void TestProjectFile::creationIsByteExact()
{
    TempWorkDir dir;
    QCOMPARE(ProjectFile::create(dir.filePath(QStringLiteral("project.xml")), QStringLiteral("Kotłownia Główna"),
                                 QStringLiteral("Serwis"), kLabel),
             QString());
    QCOMPARE(dir.read(QStringLiteral("project.xml")),
             QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE project>\n<Project>\n"
                        " <Info revision=\"0\" teskVersion=\"v 0.8.12\" author=\"Serwis\" name=\"Kotłownia Główna\"/>\n"
                        " <SIP enabled=\"0\" serverAddres=\"\" number=\"\" password=\"\" userName=\"\"/>\n"
                        "</Project>\n"));
}

void TestProjectFile::revisionCounting()
{
    TempWorkDir dir;
    const QString path = dir.filePath(QStringLiteral("project.xml"));
    QFile::copy(TestPaths::dataDir() + QStringLiteral("/projects/kotlownia/project.xml"), path);
    ProjectInfo info;
    QCOMPARE(ProjectFile::read(path, info), XmlRead::Status::Read);
    QCOMPARE(info.revision, QStringLiteral("4"));
    // Every save of one run writes the revision read at opening plus one.
    for (int save = 0; save < 2; ++save) {
        ProjectFile::save(path, info, kLabel);
        QCOMPARE(child(dir, QStringLiteral("Info")).attribute(QStringLiteral("revision")), QStringLiteral("5"));
    }
    QCOMPARE(child(dir, QStringLiteral("Info")).attribute(QStringLiteral("teskVersion")), QStringLiteral("0.8.12"));
    ProjectInfo reopened;
    ProjectFile::read(path, reopened);
    ProjectFile::save(path, reopened, kLabel);
    QCOMPARE(child(dir, QStringLiteral("Info")).attribute(QStringLiteral("revision")), QStringLiteral("6"));
    info.revision = QStringLiteral("abc");
    ProjectFile::save(path, info, kLabel);
    QCOMPARE(child(dir, QStringLiteral("Info")).attribute(QStringLiteral("revision")), QStringLiteral("1"));
}

void TestProjectFile::saveKeepsOtherContent()
{
    TempWorkDir dir;
    dir.write(QStringLiteral("project.xml"),
              "<Project><Info name=\"Stara\" revision=\"2\"/><SIP enabled=\"0\"/><Notes z=\"1\" a=\"2\"/></Project>");
    ProjectInfo info;
    ProjectFile::read(dir.filePath(QStringLiteral("project.xml")), info);
    info.name = QStringLiteral("Nowa");
    info.sipNumber = QStringLiteral("1001");
    QCOMPARE(ProjectFile::save(dir.filePath(QStringLiteral("project.xml")), info, kLabel), QString());
    // Attributes the element lacks are not added; unknown ones follow in name order.
    QCOMPARE(dir.read(QStringLiteral("project.xml")),
             QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project>\n"
                        " <Info revision=\"3\" name=\"Nowa\"/>\n"
                        " <SIP enabled=\"0\" serverAddres=\"\" number=\"1001\" password=\"\" userName=\"\"/>\n"
                        " <Notes a=\"2\" z=\"1\"/>\n</Project>\n"));
    QVERIFY(!ProjectFile::save(dir.filePath(QStringLiteral("gone/project.xml")), info, kLabel).isEmpty());
}

void TestProjectFile::readRules()
{
    TempWorkDir dir;
    ProjectInfo info;
    info.name = QStringLiteral("poprzedni");
    QCOMPARE(ProjectFile::read(dir.filePath(QStringLiteral("project.xml")), info), XmlRead::Status::Missing);
    for (const QByteArray &bad : {QByteArray("<Project><Info name="), Fixtures::deepDocument(QStringLiteral("Project"))}) {
        dir.write(QStringLiteral("project.xml"), bad);
        QCOMPARE(ProjectFile::read(dir.filePath(QStringLiteral("project.xml")), info), XmlRead::Status::Unreadable);
    }
    QCOMPARE(info.name, QStringLiteral("poprzedni"));
    dir.write(QStringLiteral("project.xml"), "<X><Info name=\"n\"/><SIP enabled=\"tak\"/></X>");
    info.author = QStringLiteral("stary");
    info.sipNumber = QStringLiteral("stary");
    QCOMPARE(ProjectFile::read(dir.filePath(QStringLiteral("project.xml")), info), XmlRead::Status::Read);
    QCOMPARE(info.name, QStringLiteral("n"));
    QCOMPARE(info.author, QString());
    QCOMPARE(info.sipNumber, QString());
    QVERIFY(!info.sipEnabled);
}

void TestProjectFile::locations_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("location");
    QTest::addColumn<bool>("newProject");
    QTest::newRow("drive, slash") << "C:/Projekty" << "C:/Projekty/KotłowniaGłówna/" << true;
    QTest::newRow("drive, backslash") << "C:\\Projekty" << "C:\\Projekty\\KotłowniaGłówna\\" << true;
    QTest::newRow("linux") << "/home/serwis" << "/home/serwis/KotłowniaGłówna/" << true;
    QTest::newRow("typed without separator") << "/srv/p" << "/srv/p/" << false;
    QTest::newRow("backslash kept") << "C:\\p\\" << "C:\\p\\" << false;
    QTest::newRow("empty stays empty") << "" << "" << false;
}

void TestProjectFile::locations()
{
    QFETCH(QString, folder);
    QFETCH(QString, location);
    QFETCH(bool, newProject);
    QCOMPARE(newProject ? ProjectPaths::newProjectLocation(folder, QStringLiteral("KotłowniaGłówna"))
                        : ProjectPaths::asLocation(folder),
             location);
}

void TestProjectFile::unreadableFilesAreCopiedBeforeTheSave()
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

void TestProjectFile::unchangedProjectChangesOnlyItsRevision()
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
    Project reopened;
    reopened.load(folder, QString());
    QVERIFY(reopened.save(kLabel).isEmpty());
    const QStringList after = Fixtures::snapshot(folder);
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.filter(others), before.filter(others));
    QCOMPARE(reopened.info.revision, QStringLiteral("5"));
}

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
