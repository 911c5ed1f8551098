#include "startup.h"
#include "tempworkdir.h"
#include "testpaths.h"

#include <QDomDocument>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void englishIsComplete()
    {
        // lupdate merges what the sources hold now into a copy of the English
        // file: a text it adds, or one left without a translation, is missing.
        QTemporaryDir tmp;
        const QString ts = tmp.filePath(QStringLiteral("eng.ts"));
        QVERIFY(QFile::copy(TestPaths::sourceDir() + QStringLiteral("/lang/tesk_control_eng.ts"), ts));
        QProcess p;
        p.start(QLibraryInfo::location(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate"),
                {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                 TestPaths::sourceDir() + QStringLiteral("/src"), TestPaths::sourceDir() + QStringLiteral("/tools"),
                 QStringLiteral("-ts"), ts});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitCode(), 0);

        QFile file(ts);
        QDomDocument doc;
        QVERIFY(file.open(QIODevice::ReadOnly) && doc.setContent(&file));
        const QDomNodeList messages = doc.elementsByTagName(QStringLiteral("message"));
        QVERIFY(messages.size() > 20);
        QStringList missing;
        for (int i = 0; i < messages.size(); ++i) {
            const QDomElement t = messages.at(i).firstChildElement(QStringLiteral("translation"));
            const QString type = t.attribute(QStringLiteral("type"));
            if (type == QLatin1String("unfinished") || (type.isEmpty() && t.text().isEmpty()))
                missing << messages.at(i).firstChildElement(QStringLiteral("source")).text();
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("untranslated:\n") + missing.join(QLatin1Char('\n'))));
    }

    void standardButtonsSpeakTheInterfaceLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("translationsInWorkDir");
        QTest::addColumn<QStringList>("buttons");
        const QStringList polish{QStringLiteral("Zachowaj"), QStringLiteral("Odrzuć"), QStringLiteral("Anuluj")};
        QTest::newRow("english") << "eng" << true << QStringList{"Save", "Discard", "Cancel"};
        QTest::newRow("polish") << "pl" << true << polish;
        // Without its translation the program speaks its built-in Polish, and so must Qt.
        QTest::newRow("english file missing") << "eng" << false << polish;
        QTest::newRow("unreadable config.xml") << "" << true << polish;
    }

    void standardButtonsSpeakTheInterfaceLanguage()
    {
        QFETCH(QString, code);
        QFETCH(bool, translationsInWorkDir);
        QFETCH(QStringList, buttons);
        TempWorkDir dir;
        if (translationsInWorkDir)
            dir.installTranslations();
        QCOMPARE(Startup::installTranslation(*qApp, code), translationsInWorkDir && !code.isEmpty());

        QMessageBox box(QMessageBox::Question, QString(), QString(),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        const QStringList shown{box.button(QMessageBox::Save)->text(), box.button(QMessageBox::Discard)->text(),
                                box.button(QMessageBox::Cancel)->text()};
        QCOMPARE(shown, buttons);
    }

    void cleanup()
    {
        qDeleteAll(qApp->findChildren<QTranslator *>()); // a translator leaves the application as it goes
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
