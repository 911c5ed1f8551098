#include "devicelistfile.h"
#include "tempworkdir.h"

#include <QtTest>

class TestDeviceListFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip();
    void emptyList();
    void readerIsForgiving();
    void badFiles_data();
    void badFiles();
    void failedWriteKeepsOldFile();
};

void TestDeviceListFile::roundTrip()
{
    TempWorkDir dir;
    const DeviceList devices = {
        {QStringLiteral("K1"), QStringLiteral("192.168.1.20"), QStringLiteral("16483"),
         QStringLiteral("Sterownik kotłowni")},
        {QStringLiteral("k1"), QStringLiteral("10.0.0.7"), QString(), QStringLiteral("<&\"> znaki")},
        {QStringLiteral("K1"), QStringLiteral("10.0.0.8"), QStringLiteral("1"), QString()},
    };
    QCOMPARE(DeviceListFile::write(DeviceListFile::fileName(), devices), QString());
    const QByteArray bytes = dir.read(DeviceListFile::fileName());
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE deviceList>\n<Devices>\n <Device "));
    QVERIFY(bytes.contains("Sterownik kot\xc5\x82owni"));
    QCOMPARE(DeviceListFile::read(DeviceListFile::fileName()), devices);
}

void TestDeviceListFile::emptyList()
{
    TempWorkDir dir;
    DeviceListFile::write(DeviceListFile::fileName(), DeviceList());
    QVERIFY(dir.read(DeviceListFile::fileName()).contains("<Devices/>"));
    QVERIFY(DeviceListFile::read(DeviceListFile::fileName()).isEmpty());
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
}

void TestDeviceListFile::badFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("truncated") << QByteArray("<Devices><Device id=\"a\" networkAdr") << true;
    QTest::newRow("garbage") << QByteArray("\0\1\2\3garbage", 11) << true;
}

void TestDeviceListFile::badFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    TempWorkDir dir;
    if (exists)
        dir.write(DeviceListFile::fileName(), content);
    QVERIFY(DeviceListFile::read(DeviceListFile::fileName()).isEmpty());
}

void TestDeviceListFile::failedWriteKeepsOldFile()
{
    TempWorkDir dir;
    const DeviceList one = {{QStringLiteral("A"), QStringLiteral("1.1.1.1"), QStringLiteral("1"), QString()}};
    DeviceListFile::write(DeviceListFile::fileName(), one);
    // A missing folder, or a folder standing where the file should be, makes
    // the write fail; the earlier file is untouched.
    QVERIFY(!DeviceListFile::write(dir.filePath(QStringLiteral("missing/deviceList.xml")), one).isEmpty());
    QDir(dir.path()).mkdir(QStringLiteral("blocked.xml"));
    QVERIFY(!DeviceListFile::write(dir.filePath(QStringLiteral("blocked.xml")), one).isEmpty());
    QCOMPARE(DeviceListFile::read(DeviceListFile::fileName()), one);
}

QTEST_GUILESS_MAIN(TestDeviceListFile)
#include "tst_devicelistfile.moc"
