#include "codeeditor.h"
#include "dialogs.h"
#include "qdeclarativezoompan.h"
#include "schemepreview.h"
#include "teskdesigner.h"
#include "tempworkdir.h"
#include "testpaths.h"

#include <QAction>
#include <QTabWidget>
#include <QtTest>

namespace {

QTabWidget *tabs(TeskDesigner &d) { return d.findChild<QTabWidget *>(QStringLiteral("filesTab")); }
void trigger(TeskDesigner &d, const char *action) { d.findChild<QAction *>(QString::fromLatin1(action))->trigger(); }

void typeAtEnd(TeskDesigner &d, const QString &text)
{
    d.currentEditor()->moveCursor(QTextCursor::End);
    d.currentEditor()->insertPlainText(text);
}

} // namespace

class TestDesigner : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Dialogs::reset(); }

    // A file opened twice has one tab; the same name from another folder is
    // another file. New files get free names and are saved where chosen; the
    // preview shows the unsaved text and names the line of an error.
    void filesAndPreview()
    {
        TempWorkDir dir;
        for (const char *folder : {"a", "b"})
            QDir(dir.path()).mkpath(QString::fromLatin1(folder));
        dir.write(QStringLiteral("a/heater.qml"), "Item {}\n");
        dir.write(QStringLiteral("b/heater.qml"), "Rectangle {}\n");
        TeskDesigner d;
        d.openFile(dir.filePath(QStringLiteral("a/heater.qml")));
        d.openFile(dir.filePath(QStringLiteral("a/../a/heater.qml")));
        QCOMPARE(d.fileCount(), 1);
        d.openFile(dir.filePath(QStringLiteral("b/heater.qml")));
        QCOMPARE(tabs(d)->tabText(1), QStringLiteral("heater.qml (b)"));
        QCOMPARE(d.currentEditor()->toPlainText(), QStringLiteral("Rectangle {}\n"));
        QCOMPARE(TeskDesigner::fileNameOf(QStringLiteral("C:\\Projekty\\qml\\kociol.qml")), QStringLiteral("kociol.qml"));

        trigger(d, "actionNew");
        trigger(d, "actionNew");
        QCOMPARE(tabs(d)->tabText(3), QStringLiteral("nowyPlik2.qml"));
        const QString start = d.currentEditor()->toPlainText();
        Dialogs::presetPath(dir.filePath(QStringLiteral("nowy.qml")));
        trigger(d, "actionSave");
        QCOMPARE(d.windowTitle(), QStringLiteral("Tesk-Designer [nowy.qml]"));
        QCOMPARE(dir.read(QStringLiteral("nowy.qml")), start.toUtf8());

        d.openFile(TestPaths::dataDir() + QStringLiteral("/qml/scene/Heating.qml"));
        trigger(d, "actionRun");
        QVERIFY(d.preview()->view()->rootObject());
        typeAtEnd(d, QStringLiteral("\nBroken {"));
        trigger(d, "actionRun");
        QVERIFY(!d.preview()->view()->rootObject());
        QVERIFY(d.preview()->errorLines().value(0).contains(QStringLiteral("Heating.qml:")));
    }

    void saveKeepsEncodingAndLineEnds_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("UTF-8") << QByteArray("\"Kocio\xc5\x82\"\n") << QStringLiteral("ł") << QByteArray("\"Kocio\xc5\x82\"\n\xc5\x82");
        QTest::newRow("CRLF") << QByteArray("Item {\r\n}\r\n") << QStringLiteral("\nx") << QByteArray("Item {\r\n}\r\n\r\nx");
        QTest::newRow("ISO 8859-1") << QByteArray("\"Gr\xfc\xdf\"\n") << QStringLiteral("//") << QByteArray("\"Gr\xfc\xdf\"\n//");
        // A letter ISO 8859-1 has no place for: the file becomes UTF-8, nothing lost.
        QTest::newRow("ISO 8859-1, then ł") << QByteArray("\"Gr\xfc\xdf\"\n") << QStringLiteral("ł") << QByteArray("\"Gr\xc3\xbc\xc3\x9f\"\n\xc5\x82");
    }

    void saveKeepsEncodingAndLineEnds()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, typed);
        QFETCH(QByteArray, after);
        TempWorkDir dir;
        dir.write(QStringLiteral("s.qml"), before);
        TeskDesigner d;
        d.openFile(dir.filePath(QStringLiteral("s.qml")));
        typeAtEnd(d, typed);
        QCOMPARE(tabs(d)->tabText(0), QStringLiteral("s.qml*"));
        trigger(d, "actionSave");
        QVERIFY(!d.isCurrentChanged());
        QCOMPARE(dir.read(QStringLiteral("s.qml")), after);
    }

    // Discarded text leaves with the window; a later save cannot write it.
    void discardedChangesAreGone()
    {
        TempWorkDir dir;
        dir.write(QStringLiteral("a.qml"), "Item {}\n");
        TeskDesigner d;
        d.show();
        d.openFile(dir.filePath(QStringLiteral("a.qml")));
        typeAtEnd(d, QStringLiteral("x"));
        Dialogs::presetAnswer(QMessageBox::Cancel);
        emit tabs(d)->tabCloseRequested(0);
        Dialogs::presetAnswer(QMessageBox::Cancel);
        QVERIFY(!d.close());
        QCOMPARE(d.fileCount(), 1);
        Dialogs::presetAnswer(QMessageBox::Discard);
        QVERIFY(d.close());
        d.openFile(dir.filePath(QStringLiteral("a.qml")));
        trigger(d, "actionSave");
        QCOMPARE(dir.read(QStringLiteral("a.qml")), QByteArray("Item {}\n"));
    }
};

QTEST_MAIN(TestDesigner)
#include "tst_designer.moc"
