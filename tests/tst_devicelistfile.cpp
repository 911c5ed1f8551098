#include "devicelistfile.h"
#include "projectfixtures.h"
#include "tempworkdir.h"

#include <QtTest>

#include <cerrno>
#include <cstring>

class TestDeviceListFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTripIsByteExact();
    void readerIsForgiving();
    void failedWriteKeepsOldFile();
    void onlyRegularFilesAreReplaced();
    void unchangedFileIsLeftAlone();
};

void TestDeviceListFile::roundTripIsByteExact()
{
    TempWorkDir dir;
    const DeviceList devices = {{"K1", "192.168.1.20", "16483", "Sterownik kotłowni"},
                                {"k1", "10.0.0.7", QString(), "<&\"> ]]> znaki\n\tx"},
                                {"K1", "10.0.0.8", "1", QString()}};
    QCOMPARE(DeviceListFile::write(DeviceListFile::fileName(), devices), QString());
    QCOMPARE(dir.read(DeviceListFile::fileName()),
             QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE deviceList>\n<Devices>\n"
                        " <Device id=\"K1\" networkAdress=\"192.168.1.20\" description=\"Sterownik kotłowni\" port=\"16483\"/>\n"
                        " <Device id=\"k1\" networkAdress=\"10.0.0.7\" description=\"&lt;&amp;&quot;> ]]&gt; znaki&#xa;&#x9;x\" port=\"\"/>\n"
                        " <Device id=\"K1\" networkAdress=\"10.0.0.8\" description=\"\" port=\"1\"/>\n"
                        "</Devices>\n"));
    QCOMPARE(DeviceListFile::read(DeviceListFile::fileName()), devices);
    DeviceListFile::write(DeviceListFile::fileName(), DeviceList());
    QVERIFY(dir.read(DeviceListFile::fileName()).endsWith("<!DOCTYPE deviceList>\n<Devices/>\n"));
}

void TestDeviceListFile::readerIsForgiving()
{
    TempWorkDir dir;
    dir.write(DeviceListFile::fileName(),
              "<Whatever><Device id=\"a\" networkAdress=\"1.2.3.4\"/>text<Sterownik id=\"b\" port=\"99\"/>"
              "<Device id=\"a\"><Nested id=\"ignored\"/></Device></Whatever>");
    const DeviceList devices = DeviceListFile::read(DeviceListFile::fileName());
    QCOMPARE(devices.size(), 3);
    QCOMPARE(devices.at(0).networkAdress, QStringLiteral("1.2.3.4"));
    QCOMPARE(devices.at(0).port, QString());
    QCOMPARE(devices.at(1).id, QStringLiteral("b"));
    QCOMPARE(devices.at(1).port, QStringLiteral("99"));
    QCOMPARE(devices.at(2).id, QStringLiteral("a"));
    XmlRead::Status status = XmlRead::Status::Read;
    dir.write(DeviceListFile::fileName(), "<Devices><Device id=\"a\"/><Device id=\"b\" networkAdr");
    QVERIFY(DeviceListFile::read(DeviceListFile::fileName(), &status).isEmpty());
    QCOMPARE(status, XmlRead::Status::Unreadable);
    QFile::remove(dir.filePath(DeviceListFile::fileName()));
    DeviceListFile::read(DeviceListFile::fileName(), &status);
    QCOMPARE(status, XmlRead::Status::Missing);
}

void TestDeviceListFile::failedWriteKeepsOldFile()
{
    TempWorkDir dir;
    const DeviceList one = {{"A", "1.1.1.1", "1", QString()}};
    DeviceListFile::write(DeviceListFile::fileName(), one);
    const QByteArray before = dir.read(DeviceListFile::fileName());
    DeviceList many;
    for (int i = 0; i < 400; ++i)
        many.append({"B", "2.2.2.2", "2", QStringLiteral("opis")});
    QString error;
    {
        // The new file fails part-way, as on a full disk.
        Fixtures::FileSizeLimit limit(before.size() + 100);
        error = DeviceListFile::write(dir.filePath(DeviceListFile::fileName()), many);
    }
    QCOMPARE(error, dir.filePath(DeviceListFile::fileName()) + QStringLiteral(": ")
                        + QString::fromLocal8Bit(std::strerror(EFBIG)));
    QCOMPARE(dir.read(DeviceListFile::fileName()), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList(DeviceListFile::fileName()));
    QVERIFY(!DeviceListFile::write(dir.filePath(QStringLiteral("missing/deviceList.xml")), one).isEmpty());
}

void TestDeviceListFile::onlyRegularFilesAreReplaced()
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

void TestDeviceListFile::unchangedFileIsLeftAlone()
{
    TempWorkDir dir;
    const DeviceList one = {{"A", "1.1.1.1", "1", QString()}};
    DeviceListFile::write(DeviceListFile::fileName(), one);
    const QDateTime old = QDateTime::currentDateTime().addDays(-1);
    QFile file(dir.filePath(DeviceListFile::fileName()));
    file.open(QIODevice::ReadWrite);
    file.setFileTime(old, QFileDevice::FileModificationTime);
    file.close();
    QCOMPARE(DeviceListFile::write(DeviceListFile::fileName(), one), QString());
    QCOMPARE(QFileInfo(file.fileName()).lastModified(), old);
    DeviceListFile::write(DeviceListFile::fileName(), {{"B", "1.1.1.1", "1", QString()}});
    QVERIFY(QFileInfo(file.fileName()).lastModified() > old);
}

QTEST_GUILESS_MAIN(TestDeviceListFile)
#include "tst_devicelistfile.moc"
