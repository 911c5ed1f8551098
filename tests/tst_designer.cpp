#include "codeeditor.h"
#include "dialogs.h"
#include "qdeclarativezoompan.h"
#include "schemepreview.h"
#include "teskdesigner.h"
#include "tempworkdir.h"
#include "testpaths.h"

#include <QAction>
#include <QTextBlock>
#include <QTabWidget>
#include <QtTest>

#include <sys/stat.h>

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
        QTest::addColumn<QString>("encoding"); // the operator's answer, when asked
        QTest::addColumn<int>("line");         // typed at its end; -1: at the end of the text
        QTest::addColumn<bool>("join");        // the line's break deleted first
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("after"); // empty: the save is refused
        QTest::newRow("UTF-8") << QByteArray("\"Kocio\xc5\x82\"\n") << QString() << -1 << false << QStringLiteral("ł") << QByteArray("\"Kocio\xc5\x82\"\n\xc5\x82");
        QTest::newRow("UTF-8 with a byte order mark") << QByteArray("\xef\xbb\xbfItem {}\n") << QString() << -1 << false << QStringLiteral("x")
                                                      << QByteArray("\xef\xbb\xbfItem {}\nx");
        QTest::newRow("CRLF") << QByteArray("Item {\r\n}\r\n") << QString() << -1 << false << QStringLiteral("\nx") << QByteArray("Item {\r\n}\r\n\r\nx");
        // Every line keeps its own end; a new break takes its line's.
        QTest::newRow("mixed ends") << QByteArray("Item {\r\n x: 1\n y: 2\r}\r\n") << QString() << 1 << false << QStringLiteral(";\n z: 3")
                                    << QByteArray("Item {\r\n x: 1;\n z: 3\n y: 2\r}\r\n");
        QTest::newRow("mixed ends, a break removed") << QByteArray("a\r\nb\nc\r\n") << QString() << 1 << true << QString()
                                                     << QByteArray("a\r\nbc\r\n");
        QTest::newRow("ISO 8859-1") << QByteArray("\"Gr\xfc\xdf\"\n") << "ISO-8859-1" << -1 << false << QStringLiteral("//") << QByteArray("\"Gr\xfc\xdf\"\n//");
        // Polish letters stay in the file's own bytes.
        QTest::newRow("Windows-1250") << QByteArray("\"Kocio\xb3 \xb9\x9c\"\n") << "Windows-1250" << 0 << false << QStringLiteral("ą")
                                      << QByteArray("\"Kocio\xb3 \xb9\x9c\"\xb9\n");
        QTest::newRow("ISO 8859-2") << QByteArray("\"Kocio\xb3\"\n") << "ISO-8859-2" << -1 << false << QStringLiteral("ą") << QByteArray("\"Kocio\xb3\"\n\xb1");
        // A letter the file's encoding has no place for: never re-encoded, not saved.
        QTest::newRow("ISO 8859-1, then ł") << QByteArray("\"Gr\xfc\xdf\"\n") << "ISO-8859-1" << -1 << false << QStringLiteral("ł") << QByteArray();
    }

    void saveKeepsEncodingAndLineEnds()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, encoding);
        QFETCH(int, line);
        QFETCH(bool, join);
        QFETCH(QString, typed);
        QFETCH(QByteArray, after);
        TempWorkDir dir;
        dir.write(QStringLiteral("s.qml"), before);
        TeskDesigner d;
        Dialogs::presetItem(encoding);
        d.openFile(dir.filePath(QStringLiteral("s.qml")));
        QCOMPARE(Dialogs::shown().size(), 0);
        CodeEditor *editor = d.currentEditor();
        QTextCursor cursor(editor->document()->findBlockByNumber(line < 0 ? editor->blockCount() - 1 : line));
        cursor.movePosition(QTextCursor::EndOfBlock);
        editor->setTextCursor(cursor);
        QCoreApplication::processEvents(); // the highlighter's pass over the whole text
        if (join)
            QTest::keyClick(editor, Qt::Key_Delete);
        for (const QChar c : typed) {
            if (c == QLatin1Char('\n'))
                QTest::keyClick(editor, Qt::Key_Return);
            else
                QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, c, Qt::NoModifier);
        }
        QCOMPARE(tabs(d)->tabText(0), QStringLiteral("s.qml*"));
        Dialogs::presetAnswer(QMessageBox::Ok);
        trigger(d, "actionSave");
        QCOMPARE(d.isCurrentChanged(), after.isEmpty());
        QCOMPARE(dir.read(QStringLiteral("s.qml")), after.isEmpty() ? before : after);
        if (after.isEmpty())
            QVERIFY(Dialogs::shown().value(0).text.contains(QStringLiteral("ISO-8859-1")));
    }

    // Bytes that are not UTF-8 are opened only in the encoding the operator
    // names; what is not a regular file is not opened, nor written through.
    void filesTheEditorRefuses()
    {
        TempWorkDir dir;
        dir.write(QStringLiteral("pl.qml"), "\xb3\n");
        TeskDesigner d;
        Dialogs::presetItem(QString());
        d.openFile(dir.filePath(QStringLiteral("pl.qml")));
        QCOMPARE(d.fileCount(), 0);
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.qml"))).constData(), 0600), 0);
        Dialogs::presetAnswer(QMessageBox::Ok);
        d.openFile(dir.filePath(QStringLiteral("pipe.qml")));
        QCOMPARE(d.fileCount(), 0);
        QVERIFY(Dialogs::shown().last().text.contains(QStringLiteral("nie jest zwykłym plikiem")));

        QDir(dir.path()).mkdir(QStringLiteral("outside"));
        dir.write(QStringLiteral("outside/scene.qml"), "Item {}\n");
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("outside/scene.qml")), dir.filePath(QStringLiteral("link.qml"))));
        d.openFile(dir.filePath(QStringLiteral("link.qml")));
        typeAtEnd(d, QStringLiteral("x"));
        Dialogs::presetAnswer(QMessageBox::Ok);
        trigger(d, "actionSave");
        QVERIFY(d.isCurrentChanged());
        QVERIFY(Dialogs::shown().last().text.contains(dir.filePath(QStringLiteral("link.qml")) + QStringLiteral(": ")));
        QCOMPARE(dir.read(QStringLiteral("outside/scene.qml")), QByteArray("Item {}\n"));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("link.qml"))).isSymLink());

        // A save that changes no byte leaves the file alone, its time too.
        dir.write(QStringLiteral("same.qml"), "Item {}\r\n");
        QFile same(dir.filePath(QStringLiteral("same.qml")));
        const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6));
        QVERIFY(same.open(QIODevice::ReadWrite) && same.setFileTime(old, QFileDevice::FileModificationTime));
        same.close();
        d.openFile(same.fileName());
        typeAtEnd(d, QStringLiteral("x"));
        d.currentEditor()->undo();
        QVERIFY(d.saveFile());
        QCOMPARE(QFileInfo(same.fileName()).lastModified(), old);
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
