#include "codeeditor.h"
#include "dialogs.h"
#include "modaldriver.h"
#include "qdeclarativezoompan.h"
#include "qmlhighlighter.h"
#include "schemepreview.h"
#include "teskdesigner.h"
#include "tempworkdir.h"
#include "testpaths.h"

#include <QAction>
#include <QTabWidget>
#include <QToolBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

namespace {

QTabWidget *tabs(TeskDesigner &d)
{
    return d.findChild<QTabWidget *>(QStringLiteral("filesTab"));
}

void trigger(TeskDesigner &d, const char *action)
{
    d.findChild<QAction *>(QString::fromLatin1(action))->trigger();
}

} // namespace

class TestDesigner : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void layoutAndToolBar();
    void openingTwiceAndNames();
    void gutterWidensAtTheTenthLine();
    void editorLooks();
    void saveRoundTripAndChangedFlag();
    void latin1FilesKeepTheirBytes();
    void unsavedChangesAreAskedFor();
    void newFileUndoRedo();
    void previewShowsErrorsWithLines();
};

void TestDesigner::cleanup()
{
    ModalDriver::closeAllModals();
    Dialogs::reset();
}

void TestDesigner::layoutAndToolBar()
{
    TeskDesigner d;
    QCOMPARE(d.windowTitle(), QStringLiteral("Tesk-Designer [nowyPlik.qml]"));
    QCOMPARE(d.size(), QSize(996, 656));
    QCOMPARE(d.windowModality(), Qt::ApplicationModal);
    QStringList texts;
    for (QAction *a : d.findChild<QToolBar *>()->actions())
        texts << (a->isSeparator() ? QStringLiteral("|") : a->text());
    QCOMPARE(texts, QStringList({"Nowy plik", "Otwórz plik", "Zapisz plik", "|", "Cofnij", "Powtórz", "|", "Uruchom",
                                 "Ustawienia", "Pomoc"}));
    QVERIFY(tabs(d)->tabsClosable() && tabs(d)->isMovable());
}

void TestDesigner::openingTwiceAndNames()
{
    TempWorkDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("a"));
    QDir(dir.path()).mkpath(QStringLiteral("b"));
    dir.write(QStringLiteral("a/heater.qml"), "import QtQuick 1.0\nItem {}\n");
    dir.write(QStringLiteral("b/heater.qml"), "import QtQuick 1.0\nRectangle {}\n");
    TeskDesigner d;
    d.openFile(dir.filePath(QStringLiteral("a/heater.qml")));
    d.openFile(dir.filePath(QStringLiteral("a/../a/heater.qml")));
    QCOMPARE(d.fileCount(), 1);
    QCOMPARE(d.windowTitle(), QStringLiteral("Tesk-Designer [heater.qml]"));
    QCOMPARE(d.currentEditor()->toPlainText(), QStringLiteral("import QtQuick 1.0\nItem {}\n"));
    // The same name from another folder is another file: a tab of its own.
    d.openFile(dir.filePath(QStringLiteral("b/heater.qml")));
    QCOMPARE(d.fileCount(), 2);
    QCOMPARE(tabs(d)->tabText(1), QStringLiteral("heater.qml (b)"));
    QVERIFY(d.currentEditor()->toPlainText().contains(QStringLiteral("Rectangle")));
    tabs(d)->setCurrentIndex(0);
    QCOMPARE(d.currentPath(), dir.filePath(QStringLiteral("a/heater.qml")));

    QCOMPARE(TeskDesigner::fileNameOf(QStringLiteral("C:\\Projekty\\qml\\kociol.qml")), QStringLiteral("kociol.qml"));
    QCOMPARE(TeskDesigner::fileNameOf(QStringLiteral("qml/sub/pompa.qml")), QStringLiteral("pompa.qml"));

    Dialogs::presetAnswer(QMessageBox::Ok);
    d.openFile(dir.filePath(QStringLiteral("missing.qml")));
    QCOMPARE(d.fileCount(), 2);
    QCOMPARE(Dialogs::shown().size(), 1);
}

void TestDesigner::gutterWidensAtTheTenthLine()
{
    CodeEditor editor;
    editor.resize(400, 300);
    const int nine = editor.fontMetrics().horizontalAdvance(QLatin1Char('9'));
    QCOMPARE(editor.lineNumberAreaWidth(), 20 + nine);
    editor.setPlainText(QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8\n9"));
    QCOMPARE(editor.lineNumberAreaWidth(), 20 + nine);
    editor.appendPlainText(QStringLiteral("10"));
    QCOMPARE(editor.lineNumberAreaWidth(), 20 + 2 * nine);
    QCOMPARE(editor.viewport()->x(), 20 + 2 * nine);
}

void TestDesigner::editorLooks()
{
    CodeEditor editor;
    QCOMPARE(editor.font().family(), QStringLiteral("Courier"));
    QCOMPARE(editor.font().pointSize(), 11);
    editor.setPlainText(QStringLiteral("property int level: 10 // poziom\nText { text: \"property\" }"));
    QCOMPARE(editor.extraSelections().size(), 1);
    QCOMPARE(editor.extraSelections().first().format.background().color(), QColor(240, 240, 240));
    editor.setReadOnly(true);
    editor.moveCursor(QTextCursor::End);
    QCOMPARE(editor.extraSelections().size(), 0);

    QmlHighlighter *h = editor.document()->findChild<QmlHighlighter *>();
    QVERIFY(h);
    const auto colourAt = [&editor](int block, int position) {
        for (const QTextLayout::FormatRange &r : editor.document()->findBlockByNumber(block).layout()->formats()) {
            if (position >= r.start && position < r.start + r.length)
                return r.format.foreground().color();
        }
        return QColor();
    };
    QCOMPARE(colourAt(0, 0), h->format(QmlHighlighter::Keyword).foreground().color());
    QCOMPARE(colourAt(0, 20), h->format(QmlHighlighter::Number).foreground().color());
    QCOMPARE(colourAt(0, 25), h->format(QmlHighlighter::Comment).foreground().color());
    QCOMPARE(colourAt(1, 0), h->format(QmlHighlighter::Element).foreground().color());
    QCOMPARE(colourAt(1, 15), h->format(QmlHighlighter::String).foreground().color()); // not a keyword in a string
}

void TestDesigner::saveRoundTripAndChangedFlag()
{
    TempWorkDir dir;
    dir.write(QStringLiteral("kociol.qml"), "import QtQuick 1.0\r\nText { text: \"Kocioł\" }\r\n");
    TeskDesigner d;
    d.openFile(dir.filePath(QStringLiteral("kociol.qml")));
    QVERIFY(!d.isCurrentChanged());
    QCOMPARE(d.currentEditor()->toPlainText(), QStringLiteral("import QtQuick 1.0\nText { text: \"Kocioł\" }\n"));
    d.currentEditor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(d.currentEditor(), QStringLiteral("// nowe"));
    QVERIFY(d.isCurrentChanged());
    QCOMPARE(tabs(d)->tabText(0), QStringLiteral("kociol.qml*"));
    trigger(d, "actionSave");
    QVERIFY(!d.isCurrentChanged());
    QCOMPARE(tabs(d)->tabText(0), QStringLiteral("kociol.qml"));
    QCOMPARE(dir.read(QStringLiteral("kociol.qml")), QByteArray("import QtQuick 1.0\nText { text: \"Kocio\xc5\x82\" }\n// nowe"));
}

void TestDesigner::latin1FilesKeepTheirBytes()
{
    TempWorkDir dir;
    const QByteArray latin1("Text { text: \"Gr\xfc\xdf\" }\n");
    dir.write(QStringLiteral("old.qml"), latin1);
    TeskDesigner d;
    d.openFile(dir.filePath(QStringLiteral("old.qml")));
    QCOMPARE(d.currentEditor()->toPlainText(), QStringLiteral("Text { text: \"Grüß\" }\n"));
    d.currentEditor()->document()->setModified(true);
    d.saveFile();
    QCOMPARE(dir.read(QStringLiteral("old.qml")), latin1);
    // A letter ISO 8859-1 has no place for: the file becomes UTF-8, nothing lost.
    d.currentEditor()->moveCursor(QTextCursor::End);
    d.currentEditor()->insertPlainText(QStringLiteral("// ł"));
    d.saveFile();
    QCOMPARE(QString::fromUtf8(dir.read(QStringLiteral("old.qml"))), QStringLiteral("Text { text: \"Grüß\" }\n// ł"));
}

void TestDesigner::unsavedChangesAreAskedFor()
{
    TempWorkDir dir;
    dir.write(QStringLiteral("a.qml"), "Item {}\n");
    TeskDesigner d;
    d.openFile(dir.filePath(QStringLiteral("a.qml")));
    d.currentEditor()->insertPlainText(QStringLiteral("x"));
    Dialogs::presetAnswer(QMessageBox::Cancel);
    emit tabs(d)->tabCloseRequested(0);
    QCOMPARE(d.fileCount(), 1);
    QCOMPARE(Dialogs::shown().last().title, QStringLiteral("Potwierdzenie"));
    Dialogs::presetAnswer(QMessageBox::Cancel);
    QVERIFY(!d.close());
    Dialogs::presetAnswer(QMessageBox::Discard);
    emit tabs(d)->tabCloseRequested(0);
    QCOMPARE(d.fileCount(), 0);
    QCOMPARE(dir.read(QStringLiteral("a.qml")), QByteArray("Item {}\n"));
    QVERIFY(d.close());
}

void TestDesigner::newFileUndoRedo()
{
    TempWorkDir dir;
    TeskDesigner d;
    trigger(d, "actionNew");
    trigger(d, "actionNew");
    QCOMPARE(tabs(d)->tabText(1), QStringLiteral("nowyPlik2.qml"));
    QVERIFY(d.currentEditor()->toPlainText().contains(QStringLiteral("signal itemClicked(string name)")));
    const QString start = d.currentEditor()->toPlainText();
    QTest::keyClicks(d.currentEditor(), QStringLiteral("abc"));
    trigger(d, "actionUndo");
    QCOMPARE(d.currentEditor()->toPlainText(), start);
    trigger(d, "actionRedo");
    QVERIFY(d.currentEditor()->toPlainText().startsWith(QStringLiteral("abc")));

    Dialogs::presetPath(dir.filePath(QStringLiteral("nowy.qml")));
    trigger(d, "actionSave");
    QCOMPARE(d.currentPath(), dir.filePath(QStringLiteral("nowy.qml")));
    QCOMPARE(d.windowTitle(), QStringLiteral("Tesk-Designer [nowy.qml]"));
    QVERIFY(dir.read(QStringLiteral("nowy.qml")).startsWith("abcimport QtQuick 1.1"));
}

void TestDesigner::previewShowsErrorsWithLines()
{
    TeskDesigner d;
    d.openFile(TestPaths::dataDir() + QStringLiteral("/qml/scene/Heating.qml"));
    trigger(d, "actionRun");
    QVERIFY(d.preview()->isVisible());
    QVERIFY(d.preview()->view()->rootObject());
    QVERIFY(d.preview()->errorLines().isEmpty());
    // The unsaved text is what is shown; the file stays as it was.
    d.currentEditor()->moveCursor(QTextCursor::End);
    d.currentEditor()->insertPlainText(QStringLiteral("\nBroken {"));
    trigger(d, "actionRun");
    QVERIFY(!d.preview()->view()->rootObject());
    QVERIFY(!d.preview()->errorLines().isEmpty());
    QVERIFY(d.preview()->errorLines().first().contains(QStringLiteral("Heating.qml:")));
}

QTEST_MAIN(TestDesigner)
#include "tst_designer.moc"
