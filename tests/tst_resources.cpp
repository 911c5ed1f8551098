#include "testpaths.h"

#include <QDirIterator>
#include <QImageReader>
#include <QRegularExpression>
#include <QtTest>

// Every icon the sources and forms name (":/name") loads and shows something.
class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void everyIconLoads()
    {
        const QRegularExpression named(QStringLiteral("[\">]:/([A-Za-z0-9_]+)[\"<]"));
        QSet<QString> names;
        for (const char *folder : {"/src", "/tools"}) {
            QDirIterator it(TestPaths::sourceDir() + QLatin1String(folder), {"*.cpp", "*.h", "*.ui"}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                for (auto m = named.globalMatch(QString::fromUtf8(file.readAll())); m.hasNext();)
                    names.insert(m.next().captured(1));
            }
        }
        QVERIFY(names.size() > 40);
        for (const QString &name : qAsConst(names)) {
            QImageReader reader(QStringLiteral(":/") + name);
            const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!image.isNull() && image.width() >= 24, qPrintable(name + QLatin1Char(' ') + reader.errorString()));
            bool ink = false;
            for (int y = 0; y < image.height() && !ink; ++y)
                for (int x = 0; x < image.width() && !ink; ++x)
                    ink = qAlpha(image.pixel(x, y)) > 0;
            QVERIFY2(ink, qPrintable(name));
        }
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
