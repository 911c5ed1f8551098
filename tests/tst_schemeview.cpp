#include "framecap.h"
#include "qdeclarativezoompan.h"
#include "quickbackend.h"
#include "qtquick1text.h"
#include "testpaths.h"

#include <QApplication>
#include <QDirIterator>
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
    void init()
    {
        m_view = new QDeclarativeZoomPan;
        m_view->resize(600, 400);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view));
        m_view->setSource(scene(QStringLiteral("scene/Heating.qml")));
    }

    void cleanup() { delete m_view; }

    void importsRewritten()
    {
        QCOMPARE(QtQuick1Text::toQtQuick2(QStringLiteral(
                     "import QtQuick 1.0\n  import QtQuick 1.1 as Q\nimport Qt 4.7\n.import QtQuick 1.0 as J\nimport QtQuick 2.0\n"
                     "import \"components\"\n// import QtQuick 1.0\nText { text: \"import Qt 4.7\" }\n")),
                 QStringLiteral("import QtQuick 2.0\n  import QtQuick 2.0 as Q\nimport QtQuick 2.0\n.import QtQuick 2.0 as J\n"
                                "import QtQuick 2.0\nimport \"components\"\n// import QtQuick 1.0\nText { text: \"import Qt 4.7\" }\n"));
    }

    void loadsQtQuick1SceneTakingTextValues()
    {
        QVERIFY2(m_view->errors().isEmpty(), qPrintable(m_view->errors().value(0).toString()));
        // The sibling component, the one from a sub-folder, the relative images, a script.
        QCOMPARE(item(m_view, "valve")->width(), 60.0);
        QTRY_COMPARE(item(m_view, "flame")->property("status").toInt(), 1); // Image.Ready
        const QString folder = scene(QStringLiteral("scene")).toLocalFile();
        QStringList files; // nothing is written beside the scheme
        for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            files << it.next().mid(folder.size() + 1);
        files.sort();
        QCOMPARE(files.join(' '), QStringLiteral("Heating.qml Pump.qml components/Valve.qml images/flame.svg images/frame.svg logic.js"));
        QObject *root = m_view->rootObject(); // values come as text
        for (const auto &value : {std::make_pair("level", "42"), {"temperature", "21.5"}, {"pumpOn", "1"}, {"label", "Kocioł"}})
            root->setProperty(value.first, QString::fromUtf8(value.second));
        QCOMPARE(item(m_view, "valve")->property("opening").toInt(), 42);
        QCOMPARE(item(m_view, "caption")->property("text").toString(), QStringLiteral("Kocioł 21.5 °C, pompa pracuje"));
        QTRY_COMPARE(item(m_view, "lamp")->property("color").value<QColor>(), QColor(QStringLiteral("green")));

        wheel(m_view, 120); // the zoom belongs to the view: a new load keeps it
        m_view->setSource(scene(QStringLiteral("scene/Heating.qml")));
        QVERIFY(qFuzzyCompare(m_view->rootObject()->scale(), 1.1));
    }

    // Keys never reach the scene, the wheel zooms. Clicks reach the scene, before
    // mouseReleased(), except with the space bar held: then the left button alone
    // drags the scene by exactly the mouse's way at any zoom, the first step
    // counting from the press.
    void sceneGetsInputOutsidePanMode()
    {
        QQuickItem *root = m_view->rootObject();
        QSignalSpy clicked(root, SIGNAL(itemClicked(QString)));
        QList<int> clicksAtRelease;
        connect(m_view, &QDeclarativeZoomPan::mouseReleased, [&] { clicksAtRelease << clicked.count(); });
        const QPoint pump = item(m_view, "pump")->mapToScene(QPointF(40, 40)).toPoint();
        QTest::mouseClick(m_view, Qt::LeftButton, Qt::NoModifier, pump);
        QTRY_VERIFY(root->hasActiveFocus());
        QTest::keyClick(m_view, Qt::Key_A);
        const QPointF centre(m_view->width() / 2.0, m_view->height() / 2.0), underCentre = root->mapFromScene(centre);
        for (const auto &step : {std::make_pair(120, 1.1), {-120, 0.99}, {0, 0.891}, {120, 0.9801}}) {
            wheel(m_view, step.first); // about the middle of the view, without limits
            QVERIFY2(qFuzzyCompare(root->scale(), step.second), qPrintable(QString::number(root->scale())));
        }
        QVERIFY((root->mapToScene(underCentre) - centre).manhattanLength() < 1e-6);
        const QPointF start = root->position();
        mouse(m_view, QEvent::MouseButtonPress, pump);
        mouse(m_view, QEvent::MouseMove, pump + QPointF(5, 0));
        QTest::keyPress(m_view, Qt::Key_Space);
        QCOMPARE(m_view->cursor().shape(), Qt::SizeAllCursor);
        mouse(m_view, QEvent::MouseMove, pump + QPointF(30, 20));
        mouse(m_view, QEvent::MouseMove, pump + QPointF(40, 40), Qt::LeftButton | Qt::RightButton);
        QCOMPARE(root->position(), start + QPointF(30, 20));
        mouse(m_view, QEvent::MouseButtonRelease, pump + QPointF(30, 20), Qt::NoButton);
        mouse(m_view, QEvent::MouseButtonPress, QPointF(50, 50));
        mouse(m_view, QEvent::MouseMove, QPointF(65, 55));
        mouse(m_view, QEvent::MouseButtonRelease, QPointF(65, 55), Qt::NoButton);
        QCOMPARE(root->position(), start + QPointF(45, 25));
        QTest::keyRelease(m_view, Qt::Key_Space);
        QCOMPARE(m_view->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(clicksAtRelease, QList<int>({1, 1, 1}));
        QCOMPARE(clicked.first().first().toString(), QStringLiteral("pompa"));
        QCOMPARE(root->property("keys").toInt(), 0);
    }

    // Until zoomed or panned, a scene sits in the middle where it fits and shows
    // its top and left edges where it does not, however the view is resized.
    void restingPlace()
    {
        QQuickItem *root = m_view->rootObject(); // 400 x 300
        QCOMPARE(root->position(), QPointF(100, 50));
        m_view->resize(300, 200);
        QTRY_COMPARE(root->position(), QPointF(0, 0));
        m_view->resize(600, 200);
        QTRY_COMPARE(root->position(), QPointF(100, 0));
        wheel(m_view, 120); // from here on the middle of the view holds its place
        QCOMPARE(root->position(), QPointF(80, -10));
        m_view->resize(600, 240);
        QTRY_COMPARE(root->position(), QPointF(80, 10));
        m_view->resetView();
        QCOMPARE(root->position(), QPointF(100, 0));
        QCOMPARE(root->scale(), 1.0);
    }

    // A scheme that does not load leaves no scene, errors naming its own file
    // and line, and a view that zooms and pans nothing without harm.
    void failedLoads()
    {
        for (const auto &c : {std::make_pair("scene/NoSuchFile.qml", -1), {"broken/Syntax.qml", 9}, {"broken/Unknown.qml", 6}}) {
            m_view->setSource(scene(QLatin1String(c.first)));
            QVERIFY(!m_view->rootObject());
            QCOMPARE(m_view->errors().value(0).url(), scene(QLatin1String(c.first)));
            QCOMPARE(m_view->errors().value(0).line(), c.second);
            QTest::keyPress(m_view, Qt::Key_Space);
            mouse(m_view, QEvent::MouseButtonPress, QPointF(5, 5));
            mouse(m_view, QEvent::MouseMove, QPointF(25, 25));
            wheel(m_view, 120);
            QTest::keyRelease(m_view, Qt::Key_Space);
        }
    }

    // A turning pump is drawn at most 25 times a second, and not at all while
    // the view is hidden (another tab) or its window minimised.
    void framesCappedAndStoppedWhenUnseen()
    {
        m_view->rootObject()->setProperty("pumpOn", true);
        QSignalSpy frames(m_view->quickWindow(), &QQuickWindow::afterRendering);
        // Frames drawn while the loop waited; the bound follows the time the
        // wait really took, which a loaded machine stretches.
        const auto framesIn = [&frames](int ms, int *bound = nullptr) {
            QTest::qWait(100); // a frame under way when the state changed
            frames.clear();
            QElapsedTimer waited;
            waited.start();
            QTest::qWait(ms);
            if (bound)
                *bound = int(FrameCap::kFramesPerSecond * waited.elapsed() / 1000) + 2;
            return frames.count();
        };
        int bound = 0;
        const int shown = framesIn(1000, &bound);
        QVERIFY2(shown > 0 && shown <= bound, qPrintable(QString::number(shown)));
        m_view->hide();
        QCOMPARE(framesIn(300), 0);
        m_view->showMinimized();
        QVERIFY(!FrameCap::anyWindowSeen());
        QCOMPARE(framesIn(300), 0);
        m_view->showNormal();
        QTRY_VERIFY(frames.count() > 0);
    }

    // What the user set wins; a software rasterizer or no OpenGL at all gets the
    // software backend; a GPU keeps OpenGL.
    void backendChoice()
    {
        using C = QuickBackend::Choice;
        const QList<std::tuple<const char *, const char *, C>> cases = {
            {"openvg", "llvmpipe (LLVM 15.0.6, 256 bits)", C::UserSet}, {"", "", C::Software},
            {"", "llvmpipe (LLVM 15.0.6, 256 bits)", C::Software}, {"", "softpipe", C::Software}, {"", "Mesa swrast", C::Software},
            {"", "Mesa Intel(R) UHD Graphics 620 (KBL GT2)", C::OpenGL}};
        for (const auto &c : cases)
            QVERIFY2(QuickBackend::decide(QLatin1String(std::get<0>(c)), QLatin1String(std::get<1>(c))) == std::get<2>(c), std::get<1>(c));
    }

private:
    QDeclarativeZoomPan *m_view = nullptr;
};

QTEST_MAIN(TestSchemeView)
#include "tst_schemeview.moc"
