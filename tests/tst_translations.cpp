#include "testpaths.h"

#include <QDomDocument>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

QList<Message> readTs(const QString &path)
{
    QList<Message> out;
    QFile file(path);
    QDomDocument doc;
    if (!file.open(QIODevice::ReadOnly) || !doc.setContent(&file))
        return out;
    for (QDomElement ctx = doc.documentElement().firstChildElement(QStringLiteral("context")); !ctx.isNull();
         ctx = ctx.nextSiblingElement(QStringLiteral("context"))) {
        const QString name = ctx.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement m = ctx.firstChildElement(QStringLiteral("message")); !m.isNull();
             m = m.nextSiblingElement(QStringLiteral("message"))) {
            const QDomElement t = m.firstChildElement(QStringLiteral("translation"));
            out.append({name, m.firstChildElement(QStringLiteral("source")).text(), t.text(),
                        t.attribute(QStringLiteral("type"))});
        }
    }
    return out;
}

QString key(const Message &m)
{
    return m.context + QLatin1Char('\x1f') + m.source;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void englishIsComplete();
    void polishFileExists();
};

void TestTranslations::englishIsComplete()
{
    // What the sources hold now, fresh from lupdate.
    QTemporaryDir tmp;
    const QString fresh = tmp.filePath(QStringLiteral("fresh.ts"));
    const QString lupdate = QLibraryInfo::location(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate");
    QProcess p;
    p.start(lupdate, {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                      TestPaths::sourceDir() + QStringLiteral("/src"),
                      TestPaths::sourceDir() + QStringLiteral("/tools"), QStringLiteral("-ts"), fresh});
    QVERIFY2(p.waitForFinished(120000), qPrintable(lupdate));
    QCOMPARE(p.exitCode(), 0);
    const QList<Message> needed = readTs(fresh);
    QVERIFY(needed.size() > 20);

    QHash<QString, Message> english;
    for (const Message &m : readTs(TestPaths::sourceDir() + QStringLiteral("/lang/tesk_control_eng.ts")))
        english.insert(key(m), m);

    QStringList missing;
    for (const Message &m : needed) {
        const Message t = english.value(key(m));
        if (t.translation.isEmpty() || !t.type.isEmpty())
            missing << m.context + QStringLiteral(": ") + m.source;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("untranslated:\n") + missing.join(QLatin1Char('\n'))));
}

void TestTranslations::polishFileExists()
{
    QVERIFY(QFile::exists(TestPaths::sourceDir() + QStringLiteral("/lang/tesk_control_pl.ts")));
    QVERIFY(QFile::exists(TestPaths::buildDir() + QStringLiteral("/lang/tesk_control_pl.qm")));
    QVERIFY(QFile::exists(TestPaths::buildDir() + QStringLiteral("/lang/tesk_control_eng.qm")));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
