#include "projectfile.h"
#include "projectpaths.h"
#include "tempworkdir.h"
#include "testpaths.h"

#include <QDomDocument>
#include <QtTest>

namespace {

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
    void creation();
    void revisionCounting();
    void saveKeepsOtherContent();
    void saveWithoutFileWritesItWhole();
    void readRules();
    void separators_data();
    void separators();
};

void TestProjectFile::creation()
{
    TempWorkDir dir;
    QCOMPARE(ProjectFile::create(dir.filePath(QStringLiteral("project.xml")), QStringLiteral("Kotłownia Główna"),
                                 QStringLiteral("Serwis"), QStringLiteral("v 0.8.12")),
             QString());
    const QByteArray bytes = dir.read(QStringLiteral("project.xml"));
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE project>\n<Project>\n <Info "));
    QVERIFY(bytes.contains("Kot\xc5\x82ownia G\xc5\x82\xc3\xb3wna"));
    const QDomElement info = child(dir, QStringLiteral("Info"));
    QCOMPARE(info.attribute(QStringLiteral("revision")), QStringLiteral("0"));
    QCOMPARE(info.attribute(QStringLiteral("teskVersion")), QStringLiteral("v 0.8.12"));
    const QDomElement sip = child(dir, QStringLiteral("SIP"));
    QCOMPARE(sip.attribute(QStringLiteral("enabled")), QStringLiteral("0"));
    QVERIFY(sip.hasAttribute(QStringLiteral("serverAddres")));
    QCOMPARE(sip.attribute(QStringLiteral("userName")), QString());
}

void TestProjectFile::revisionCounting()
{
    TempWorkDir dir;
    const QString path = dir.filePath(QStringLiteral("project.xml"));
    QFile::copy(TestPaths::dataDir() + QStringLiteral("/projects/kotlownia/project.xml"), path);
    ProjectInfo info;
    QVERIFY(ProjectFile::read(path, info));
    QCOMPARE(info.revision, QStringLiteral("4"));
    // Every save of one run writes the revision read at opening plus one.
    ProjectFile::save(path, info, QStringLiteral("v 0.8.12"));
    QCOMPARE(child(dir, QStringLiteral("Info")).attribute(QStringLiteral("revision")), QStringLiteral("5"));
    ProjectFile::save(path, info, QStringLiteral("v 0.8.12"));
    QCOMPARE(child(dir, QStringLiteral("Info")).attribute(QStringLiteral("revision")), QStringLiteral("5"));
    QCOMPARE(child(dir, QStringLiteral("Info")).attribute(QStringLiteral("teskVersion")), QStringLiteral("0.8.12"));
    ProjectInfo reopened;
    ProjectFile::read(path, reopened);
    ProjectFile::save(path, reopened, QStringLiteral("v 0.8.12"));
    QCOMPARE(child(dir, QStringLiteral("Info")).attribute(QStringLiteral("revision")), QStringLiteral("6"));

    info.revision = QStringLiteral("abc");
    ProjectFile::save(path, info, QStringLiteral("v 0.8.12"));
    QCOMPARE(child(dir, QStringLiteral("Info")).attribute(QStringLiteral("revision")), QStringLiteral("1"));
}

void TestProjectFile::saveKeepsOtherContent()
{
    TempWorkDir dir;
    dir.write(QStringLiteral("project.xml"),
              "<Project><Info name=\"Stara\" revision=\"2\"/><SIP enabled=\"0\"/><Notes keep=\"tak\"/></Project>");
    ProjectInfo info;
    ProjectFile::read(dir.filePath(QStringLiteral("project.xml")), info);
    info.name = QStringLiteral("Nowa");
    info.author = QStringLiteral("Ktoś");
    info.sipEnabled = true;
    info.sipNumber = QStringLiteral("1001");
    QCOMPARE(ProjectFile::save(dir.filePath(QStringLiteral("project.xml")), info, QStringLiteral("v 0.8.12")), QString());
    const QDomElement e = child(dir, QStringLiteral("Info"));
    QCOMPARE(e.attribute(QStringLiteral("name")), QStringLiteral("Nowa"));
    QVERIFY(!e.hasAttribute(QStringLiteral("author"))); // not added when missing
    QVERIFY(!e.hasAttribute(QStringLiteral("teskVersion")));
    QCOMPARE(e.attribute(QStringLiteral("revision")), QStringLiteral("3"));
    QCOMPARE(child(dir, QStringLiteral("Notes")).attribute(QStringLiteral("keep")), QStringLiteral("tak"));
    ProjectInfo back;
    ProjectFile::read(dir.filePath(QStringLiteral("project.xml")), back);
    QVERIFY(back.sipEnabled);
    QCOMPARE(back.sipNumber, QStringLiteral("1001"));
}

void TestProjectFile::saveWithoutFileWritesItWhole()
{
    TempWorkDir dir;
    ProjectInfo info;
    info.name = QStringLiteral("Bez pliku");
    info.author = QStringLiteral("A");
    info.revision = QStringLiteral("7");
    QCOMPARE(ProjectFile::save(dir.filePath(QStringLiteral("project.xml")), info, QStringLiteral("v 0.8.12")), QString());
    ProjectInfo back;
    QVERIFY(ProjectFile::read(dir.filePath(QStringLiteral("project.xml")), back));
    QCOMPARE(back.name, info.name);
    QCOMPARE(back.author, info.author);
    QCOMPARE(back.revision, QStringLiteral("8"));
    QCOMPARE(back.teskVersion, QStringLiteral("0.8.12"));
    QVERIFY(!ProjectFile::save(dir.filePath(QStringLiteral("gone/project.xml")), info, QStringLiteral("v 0.8.12")).isEmpty());
}

void TestProjectFile::readRules()
{
    TempWorkDir dir;
    ProjectInfo info;
    info.name = QStringLiteral("poprzedni");
    QVERIFY(!ProjectFile::read(dir.filePath(QStringLiteral("project.xml")), info));
    dir.write(QStringLiteral("project.xml"), "<Project><Info name=");
    QVERIFY(!ProjectFile::read(dir.filePath(QStringLiteral("project.xml")), info));
    QCOMPARE(info.name, QStringLiteral("poprzedni"));
    dir.write(QStringLiteral("project.xml"), "<X><Info name=\"n\"/><SIP enabled=\"tak\"/></X>");
    info.author = QStringLiteral("stary");
    QVERIFY(ProjectFile::read(dir.filePath(QStringLiteral("project.xml")), info));
    QCOMPARE(info.name, QStringLiteral("n"));
    QCOMPARE(info.author, QString());
    QVERIFY(!info.sipEnabled);
}

void TestProjectFile::separators_data()
{
    QTest::addColumn<QString>("workspace");
    QTest::addColumn<QString>("location");
    QTest::newRow("drive, slash") << "C:/Projekty" << "C:/Projekty/KotłowniaGłówna/";
    QTest::newRow("drive, backslash") << "C:\\Projekty" << "C:\\Projekty\\KotłowniaGłówna\\";
    QTest::newRow("linux") << "/home/serwis" << "/home/serwis/KotłowniaGłówna/";
}

void TestProjectFile::separators()
{
    QFETCH(QString, workspace);
    QFETCH(QString, location);
    QCOMPARE(ProjectPaths::newProjectLocation(workspace, QStringLiteral("KotłowniaGłówna")), location);
}

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
