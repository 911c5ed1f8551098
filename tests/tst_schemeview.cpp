#include "framecap.h"
#include "qdeclarativezoompan.h"
#include "quickbackend.h"
#include "qtquick1text.h"
#include "testpaths.h"

#include <QApplication>
#include <QDirIterator>
#include <QMenu>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

namespace {

QUrl scene(const QString &name)
{
    return QUrl::fromLocalFile(TestPaths::dataDir() + QStringLiteral("/qml/") + name);
}

QQuickItem *item(QDeclarativeZoomPan *view, const char *name)
{
    return view->rootObject()->findChild<QQuickItem *>(QString::fromLatin1(name));
}

// Mouse events carrying exactly the buttons given, as a real mouse sends them.
void mouse(QWidget *w, QEvent::Type type, QPointF pos, Qt::MouseButtons buttons = Qt::LeftButton)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, pos, w->mapToGlobal(pos.toPoint()), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void key(QWidget *w, QEvent::Type type, int k)
{
    QKeyEvent e(type, k, Qt::NoModifier, k == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("a"));
    QApplication::sendEvent(w, &e);
}

void wheel(QWidget *w, int delta)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent e(at, w->mapToGlobal(at.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TestSchemeView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { delete m_view; }
    void importsRewritten();
    void loadsQtQuick1SceneTakingTextValues();
    void sceneGetsInputOutsidePanMode();
    void wheelZoomsAboutTheCentre();
    void contextMenu();
    void failedLoads_data();
    void failedLoads();
    void framesCappedAndStoppedWhenUnseen();
    void backendChoice_data();
    void backendChoice();

private:
    QDeclarativeZoomPan *m_view = nullptr;
};

void TestSchemeView::init()
{
    m_view = new QDeclarativeZoomPan;
    m_view->resize(600, 400);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
    m_view->setSource(scene(QStringLiteral("scene/Heating.qml")));
}

void TestSchemeView::importsRewritten()
{
    QCOMPARE(QtQuick1Text::toQtQuick2(QStringLiteral(
                 "import QtQuick 1.0\n  import QtQuick 1.1 as Q\nimport Qt 4.7\n.import QtQuick 1.0 as J\nimport QtQuick 2.0\n"
                 "import \"components\"\n// import QtQuick 1.0\nText { text: \"import Qt 4.7\" }\n")),
             QStringLiteral("import QtQuick 2.0\n  import QtQuick 2.0 as Q\nimport QtQuick 2.0\n.import QtQuick 2.0 as J\n"
                            "import QtQuick 2.0\nimport \"components\"\n// import QtQuick 1.0\nText { text: \"import Qt 4.7\" }\n"));
}

void TestSchemeView::loadsQtQuick1SceneTakingTextValues()
{
    QVERIFY2(m_view->errors().isEmpty(), qPrintable(m_view->errors().value(0).toString()));
    // The sibling component, the one from a sub-folder, the relative images, a script.
    QCOMPARE(item(m_view, "valve")->width(), 60.0);
    QTRY_COMPARE(item(m_view, "flame")->property("status").toInt(), 1); // Image.Ready
    QTRY_COMPARE(item(m_view, "frame")->property("status").toInt(), 1);
    QCOMPARE(item(m_view, "list")->property("count").toInt(), 2);
    QCOMPARE(item(m_view, "row")->childItems().size(), 4); // three boxes and the repeater
    QTRY_VERIFY(m_view->rootObject()->findChild<QObject *>(QStringLiteral("ticker"))->property("ticks").toInt() > 2);
    const QString folder = scene(QStringLiteral("scene")).toLocalFile();
    QStringList files; // nothing is written beside the scheme
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << it.next().mid(folder.size() + 1);
    files.sort();
    QCOMPARE(files, QStringList({"Heating.qml", "Pump.qml", "components/Valve.qml", "images/flame.svg",
                                 "images/frame.svg", "logic.js"}));

    QObject *root = m_view->rootObject();
    const QStringList names = {"level", "temperature", "pumpOn", "label", "accent", "anything"};
    const QStringList texts = {"42", "21.5", "1", "Kocioł", "#ff0000", "x"};
    for (int i = 0; i < names.size(); ++i)
        root->setProperty(qPrintable(names.at(i)), texts.at(i));
    QCOMPARE(root->property("accent").value<QColor>(), QColor(Qt::red));
    QCOMPARE(item(m_view, "valve")->property("opening").toInt(), 42);
    QCOMPARE(item(m_view, "caption")->property("text").toString(), QStringLiteral("Kocioł 21.5 °C, pompa pracuje"));
    QTRY_COMPARE(item(m_view, "lamp")->property("color").value<QColor>(), QColor(QStringLiteral("green")));
    root->setProperty("pumpOn", QStringLiteral("0"));
    QCOMPARE(root->property("pumpOn").toBool(), false);

    wheel(m_view, 120); // the zoom belongs to the view: a new load keeps it
    m_view->setSource(scene(QStringLiteral("scene/Heating.qml")));
    QVERIFY(qFuzzyCompare(m_view->rootObject()->scale(), 1.1));
}

// Keys never reach the scene. Clicks do, before mouseReleased(), except
// with the space bar held: then the left button alone drags the scene by
// exactly the mouse's way at any zoom, the first step counting from the press.
void TestSchemeView::sceneGetsInputOutsidePanMode()
{
    QQuickItem *root = m_view->rootObject();
    QSignalSpy clicked(root, SIGNAL(itemClicked(QString)));
    QList<int> clicksAtRelease;
    connect(m_view, &QDeclarativeZoomPan::mouseReleased, [&] { clicksAtRelease << clicked.count(); });
    const QPoint pump = item(m_view, "pump")->mapToScene(QPointF(40, 40)).toPoint();
    QTest::mouseClick(m_view, Qt::LeftButton, Qt::NoModifier, pump);
    QTRY_VERIFY(root->hasActiveFocus());
    key(m_view, QEvent::KeyPress, Qt::Key_A);
    wheel(m_view, 120);
    const QPointF start = root->position();
    mouse(m_view, QEvent::MouseButtonPress, pump);
    mouse(m_view, QEvent::MouseMove, pump + QPointF(5, 0));
    key(m_view, QEvent::KeyPress, Qt::Key_Space);
    QCOMPARE(m_view->cursor().shape(), Qt::SizeAllCursor);
    mouse(m_view, QEvent::MouseMove, pump + QPointF(30, 20));
    mouse(m_view, QEvent::MouseMove, pump + QPointF(40, 40), Qt::LeftButton | Qt::RightButton);
    QCOMPARE(root->position(), start + QPointF(30, 20));
    mouse(m_view, QEvent::MouseButtonRelease, pump + QPointF(30, 20), Qt::NoButton);
    mouse(m_view, QEvent::MouseButtonPress, QPointF(50, 50));
    mouse(m_view, QEvent::MouseMove, QPointF(65, 55));
    mouse(m_view, QEvent::MouseButtonRelease, QPointF(65, 55), Qt::NoButton);
    QCOMPARE(root->position(), start + QPointF(45, 25));
    key(m_view, QEvent::KeyRelease, Qt::Key_Space);
    QCOMPARE(m_view->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(clicksAtRelease, QList<int>({1, 1, 1}));
    QCOMPARE(clicked.first().first().toString(), QStringLiteral("pompa"));
    QCOMPARE(root->property("keys").toInt(), 0);
}

void TestSchemeView::wheelZoomsAboutTheCentre()
{
    QQuickItem *root = m_view->rootObject();
    const QPointF centre(m_view->width() / 2.0, m_view->height() / 2.0);
    const QPointF underCentre = root->mapFromScene(centre);
    for (const auto &step : {std::make_pair(120, 1.1), {-120, 0.99}, {0, 0.891}}) {
        wheel(m_view, step.first);
        QVERIFY2(qFuzzyCompare(root->scale(), step.second), qPrintable(QString::number(root->scale())));
    }
    QVERIFY((root->mapToScene(underCentre) - centre).manhattanLength() < 1e-6);
}

void TestSchemeView::contextMenu()
{
    QSignalSpy refresh(m_view, &QDeclarativeZoomPan::refreshRequested);
    QSignalSpy edit(m_view, &QDeclarativeZoomPan::editRequested);
    for (int choice : {-1, 0, 1}) { // closed without a choice, "Odswież", "Edytuj"
        QTimer::singleShot(50, [choice] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (choice >= 0)
                menu->actions().at(choice)->trigger();
            menu->close();
        });
        QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(20, 20), m_view->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(m_view, &e);
        QCOMPARE(refresh.count(), choice >= 0 ? 1 : 0);
        QCOMPARE(edit.count(), choice >= 1 ? 1 : 0);
    }
}

void TestSchemeView::failedLoads_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("line");
    QTest::newRow("missing") << "scene/NoSuchFile.qml" << -1;
    QTest::newRow("syntax error") << "broken/Syntax.qml" << 9;
    QTest::newRow("unknown type") << "broken/Unknown.qml" << 6;
}

void TestSchemeView::failedLoads()
{
    QFETCH(QString, file);
    QFETCH(int, line);
    m_view->setSource(scene(file));
    QVERIFY(!m_view->rootObject());
    QCOMPARE(m_view->errors().value(0).url(), scene(file));
    QCOMPARE(m_view->errors().value(0).line(), line);
    key(m_view, QEvent::KeyPress, Qt::Key_Space); // panning with nothing to pan is harmless
    mouse(m_view, QEvent::MouseButtonPress, QPointF(5, 5));
    mouse(m_view, QEvent::MouseMove, QPointF(25, 25));
    wheel(m_view, 120);
}

// A turning pump is drawn at most 25 times a second, and not at all while
// the view is hidden (another tab) or its window minimised.
void TestSchemeView::framesCappedAndStoppedWhenUnseen()
{
    m_view->rootObject()->setProperty("pumpOn", true);
    QSignalSpy frames(m_view->quickWindow(), &QQuickWindow::afterRendering);
    const auto framesIn = [&frames](int ms) {
        QTest::qWait(100); // a frame under way when the state changed
        frames.clear();
        QTest::qWait(ms);
        return frames.count();
    };
    const int shown = framesIn(1000);
    QVERIFY2(shown > 0 && shown <= FrameCap::kFramesPerSecond + 2, qPrintable(QString::number(shown)));
    m_view->hide();
    QCOMPARE(framesIn(300), 0);
    m_view->showMinimized();
    QVERIFY(!FrameCap::anyWindowSeen());
    QCOMPARE(framesIn(300), 0);
    m_view->showNormal();
    QVERIFY(framesIn(300) > 0);
}

void TestSchemeView::backendChoice_data()
{
    QTest::addColumn<QString>("userSet");
    QTest::addColumn<QString>("renderer");
    QTest::addColumn<int>("choice");
    using C = QuickBackend::Choice;
    QTest::newRow("user set, rasterizer") << "openvg" << "llvmpipe (LLVM 15.0.6, 256 bits)" << int(C::UserSet);
    QTest::newRow("user set, no OpenGL") << "software" << "" << int(C::UserSet);
    QTest::newRow("no OpenGL") << "" << "" << int(C::Software);
    QTest::newRow("llvmpipe") << "" << "llvmpipe (LLVM 15.0.6, 256 bits)" << int(C::Software);
    QTest::newRow("softpipe") << "" << "softpipe" << int(C::Software);
    QTest::newRow("swrast") << "" << "Mesa swrast" << int(C::Software);
    QTest::newRow("classic rasterizer") << "" << "Software Rasterizer" << int(C::Software);
    QTest::newRow("intel") << "" << "Mesa Intel(R) UHD Graphics 620 (KBL GT2)" << int(C::OpenGL);
    QTest::newRow("nvidia") << "" << "NVIDIA GeForce GTX 1050/PCIe/SSE2" << int(C::OpenGL);
}

void TestSchemeView::backendChoice()
{
    QFETCH(QString, userSet);
    QFETCH(QString, renderer);
    QFETCH(int, choice);
    QCOMPARE(int(QuickBackend::decide(userSet, renderer)), choice);
}

QTEST_MAIN(TestSchemeView)
#include "tst_schemeview.moc"
