#include "testpaths.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

// Every ":/name" the sources and forms refer to.
QSet<QString> namesUsedInSources()
{
    QSet<QString> names;
    const QRegularExpression code(QStringLiteral("\":/([A-Za-z0-9_]+)\""));
    const QRegularExpression form(QStringLiteral(">:/([A-Za-z0-9_]+)<"));
    for (const char *folder : {"src", "tools"}) {
        QDirIterator it(TestPaths::sourceDir() + QLatin1Char('/') + QLatin1String(folder),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            file.open(QIODevice::ReadOnly);
            const QString text = QString::fromUtf8(file.readAll());
            const QRegularExpression &re = it.filePath().endsWith(QLatin1String(".ui")) ? form : code;
            for (auto m = re.globalMatch(text); m.hasNext();)
                names.insert(m.next().captured(1));
        }
    }
    return names;
}

bool hasInk(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void everyIconLoads_data();
    void everyIconLoads();
};

void TestResources::everyIconLoads_data()
{
    QTest::addColumn<QString>("name");
    QSet<QString> names = namesUsedInSources();
    QVERIFY(names.size() > 10);
    const QStringList conventional = QStringLiteral(
        "add callStart callStop close combo designer devices edit error event folder folderOpen get "
        "help info int ip list logic logo mac menuList new next ok open password percent play prev "
        "projectEdit read real remove save scheme send serial set settings settings2 sip softUpdate "
        "string style temp temp_remote update version warning").split(QLatin1Char(' '));
    for (const QString &n : conventional)
        names.insert(n);
    QStringList sorted = names.values();
    sorted.sort();
    for (const QString &n : sorted)
        QTest::newRow(qPrintable(n)) << n;
}

void TestResources::everyIconLoads()
{
    QFETCH(QString, name);
    const QString path = QStringLiteral(":/") + name;
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QImageReader reader(path);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QVERIFY(image.width() >= 24);
    QVERIFY(hasInk(image));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
