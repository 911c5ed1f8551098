#include "qdeclarativezoompan.h"
#include "qtquick1text.h"
#include "testpaths.h"

#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QMenu>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

QString scenePath(const QString &name)
{
    return TestPaths::dataDir() + QStringLiteral("/qml/") + name;
}

QQuickItem *item(QDeclarativeZoomPan &view, const char *name)
{
    return view.rootObject()->findChild<QQuickItem *>(QString::fromLatin1(name));
}

// Mouse events carrying exactly the buttons given, as a real mouse sends them.
void mouse(QWidget *w, QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
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

QStringList folderState(const QString &folder)
{
    QStringList state;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        state << it.filePath() + QLatin1Char(' ') + it.fileInfo().lastModified().toString(Qt::ISODateWithMs);
    }
    state.sort();
    return state;
}

} // namespace

class TestSchemeView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void importsRewritten();
    void loadsQtQuick1Scene();
    void textValuesReachTypedProperties();
    void clickReachesSceneThenReleaseSignal();
    void wheelZoomsAboutTheCentre();
    void panFollowsLeftButtonOnly();
    void panStartsFromThePress();
    void spaceClickStaysOutOfTheScene();
    void keysNeverReachTheScene();
    void contextMenu();
    void failedLoads_data();
    void failedLoads();

private:
    QDeclarativeZoomPan *m_view = nullptr;
};

void TestSchemeView::init()
{
    m_view = new QDeclarativeZoomPan;
    m_view->resize(600, 400);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void TestSchemeView::cleanup()
{
    delete m_view;
}

void TestSchemeView::importsRewritten()
{
    const QString in = QStringLiteral("import QtQuick 1.0\n  import QtQuick 1.1 as Q\nimport Qt 4.7\n.import QtQuick 1.0 as J\n"
                                      "import QtQuick 2.0\nimport \"components\"\n// import QtQuick 1.0\nText { text: \"import Qt 4.7\" }\n");
    QCOMPARE(QtQuick1Text::toQtQuick2(in),
             QStringLiteral("import QtQuick 2.0\n  import QtQuick 2.0 as Q\nimport QtQuick 2.0\n.import QtQuick 2.0 as J\n"
                            "import QtQuick 2.0\nimport \"components\"\n// import QtQuick 1.0\nText { text: \"import Qt 4.7\" }\n"));
}

void TestSchemeView::loadsQtQuick1Scene()
{
    const QStringList before = folderState(scenePath(QStringLiteral("scene")));
    m_view->setSource(QUrl::fromLocalFile(scenePath(QStringLiteral("scene/Heating.qml"))));
    QVERIFY2(m_view->errors().isEmpty(), qPrintable(m_view->errors().value(0).toString()));
    QVERIFY(m_view->rootObject());
    // The sibling component, the one from a sub-folder, the relative images.
    QVERIFY(item(*m_view, "pump"));
    QCOMPARE(item(*m_view, "valve")->width(), 60.0);
    QTRY_COMPARE(item(*m_view, "flame")->property("status").toInt(), 1); // Image.Ready
    QTRY_COMPARE(item(*m_view, "frame")->property("status").toInt(), 1);
    QCOMPARE(item(*m_view, "list")->property("count").toInt(), 2);
    QCOMPARE(item(*m_view, "row")->childItems().size(), 4); // three boxes and the repeater
    QTRY_VERIFY(m_view->rootObject()->findChild<QObject *>(QStringLiteral("ticker"))->property("ticks").toInt() > 2);
    QVERIFY(item(*m_view, "caption")->property("text").toString().contains(QStringLiteral("pompa stoi")));
    QCOMPARE(folderState(scenePath(QStringLiteral("scene"))), before); // nothing written beside the scheme

    // The zoom belongs to the view: a new load keeps it.
    wheel(m_view, 120);
    m_view->setSource(QUrl::fromLocalFile(scenePath(QStringLiteral("scene/Heating.qml"))));
    QVERIFY(qFuzzyCompare(m_view->rootObject()->scale(), 1.1));
}

void TestSchemeView::textValuesReachTypedProperties()
{
    m_view->setSource(QUrl::fromLocalFile(scenePath(QStringLiteral("scene/Heating.qml"))));
    QObject *root = m_view->rootObject();
    root->setProperty("level", QStringLiteral("42"));
    root->setProperty("temperature", QStringLiteral("21.5"));
    root->setProperty("pumpOn", QStringLiteral("1"));
    root->setProperty("label", QStringLiteral("Kocioł"));
    root->setProperty("accent", QStringLiteral("#ff0000"));
    root->setProperty("anything", QStringLiteral("x"));
    QCOMPARE(root->property("level").toInt(), 42);
    QCOMPARE(root->property("temperature").toDouble(), 21.5);
    QCOMPARE(root->property("pumpOn").toBool(), true);
    QCOMPARE(root->property("accent").value<QColor>(), QColor(Qt::red));
    QCOMPARE(item(*m_view, "valve")->property("opening").toInt(), 42);
    QCOMPARE(item(*m_view, "caption")->property("text").toString(), QStringLiteral("Kocioł 21.5 °C, pompa pracuje"));
    QCOMPARE(root->property("lastState").toString(), QStringLiteral("on"));
    QTRY_COMPARE(item(*m_view, "lamp")->property("color").value<QColor>(), QColor(QStringLiteral("green")));
    root->setProperty("pumpOn", QStringLiteral("0"));
    QCOMPARE(root->property("pumpOn").toBool(), false);
}

void TestSchemeView::clickReachesSceneThenReleaseSignal()
{
    m_view->setSource(QUrl::fromLocalFile(scenePath(QStringLiteral("scene/Heating.qml"))));
    QStringList order;
    QObject *root = m_view->rootObject();
    QObject probe;
    connect(root, SIGNAL(itemClicked(QString)), &probe, SLOT(deleteLater()));
    QSignalSpy clicked(root, SIGNAL(itemClicked(QString)));
    connect(m_view, &QDeclarativeZoomPan::mouseReleased, [&] { order << QStringLiteral("released:") + QString::number(clicked.count()); });
    QQuickItem *pump = item(*m_view, "pump");
    const QPoint at = pump->mapToScene(QPointF(40, 40)).toPoint();
    QTest::mouseClick(m_view, Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().first().toString(), QStringLiteral("pompa"));
    QCOMPARE(order, QStringList(QStringLiteral("released:1"))); // after the scene saw the click
}

void TestSchemeView::wheelZoomsAboutTheCentre()
{
    m_view->setSource(QUrl::fromLocalFile(scenePath(QStringLiteral("scene/Heating.qml"))));
    QQuickItem *root = m_view->rootObject();
    const QPointF centre(m_view->width() / 2.0, m_view->height() / 2.0);
    const QPointF underCentre = root->mapFromScene(centre);
    wheel(m_view, 120);
    QVERIFY(qFuzzyCompare(m_view->zoom(), 1.1));
    wheel(m_view, -120);
    QVERIFY(qFuzzyCompare(m_view->zoom(), 0.99));
    wheel(m_view, 0);
    QVERIFY(qFuzzyCompare(m_view->zoom(), 0.891));
    QVERIFY(qFuzzyCompare(root->scale(), 0.891));
    const QPointF stillThere = root->mapToScene(underCentre);
    QVERIFY(qAbs(stillThere.x() - centre.x()) < 1e-6 && qAbs(stillThere.y() - centre.y()) < 1e-6);
}

void TestSchemeView::panFollowsLeftButtonOnly()
{
    m_view->setSource(QUrl::fromLocalFile(scenePath(QStringLiteral("scene/Heating.qml"))));
    wheel(m_view, 120); // the scene follows the mouse exactly at any zoom
    QQuickItem *root = m_view->rootObject();
    const QPointF start = root->position();
    key(m_view, QEvent::KeyPress, Qt::Key_Space);
    QVERIFY(m_view->isPanning());
    QCOMPARE(m_view->cursor().shape(), Qt::SizeAllCursor);
    mouse(m_view, QEvent::MouseButtonPress, QPointF(50, 50), Qt::LeftButton, Qt::LeftButton);
    mouse(m_view, QEvent::MouseMove, QPointF(80, 70), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(root->position(), start + QPointF(30, 20));
    mouse(m_view, QEvent::MouseMove, QPointF(90, 90), Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    QCOMPARE(root->position(), start + QPointF(30, 20));
    mouse(m_view, QEvent::MouseMove, QPointF(95, 75), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(root->position(), start + QPointF(45, 25));
    mouse(m_view, QEvent::MouseButtonRelease, QPointF(95, 75), Qt::LeftButton, Qt::NoButton);
    key(m_view, QEvent::KeyRelease, Qt::Key_Space);
    QVERIFY(!m_view->isPanning());
    QCOMPARE(m_view->cursor().shape(), Qt::ArrowCursor);
}

void TestSchemeView::panStartsFromThePress()
{
    m_view->setSource(QUrl::fromLocalFile(scenePath(QStringLiteral("scene/Heating.qml"))));
    QQuickItem *root = m_view->rootObject();
    const QPointF start = root->position();
    mouse(m_view, QEvent::MouseButtonPress, QPointF(10, 300), Qt::LeftButton, Qt::LeftButton);
    mouse(m_view, QEvent::MouseMove, QPointF(15, 300), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(root->position(), start);
    key(m_view, QEvent::KeyPress, Qt::Key_Space);
    mouse(m_view, QEvent::MouseMove, QPointF(30, 310), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(root->position(), start + QPointF(20, 10));
}

void TestSchemeView::spaceClickStaysOutOfTheScene()
{
    m_view->setSource(QUrl::fromLocalFile(scenePath(QStringLiteral("scene/Heating.qml"))));
    QSignalSpy released(m_view, &QDeclarativeZoomPan::mouseReleased);
    QObject *root = m_view->rootObject();
    const QPoint at = item(*m_view, "pump")->mapToScene(QPointF(40, 40)).toPoint();
    key(m_view, QEvent::KeyPress, Qt::Key_Space);
    mouse(m_view, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    mouse(m_view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(root->property("clicks").toInt(), 0);
    QCOMPARE(released.count(), 1);
    key(m_view, QEvent::KeyRelease, Qt::Key_Space);
    QTest::mouseClick(m_view, Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(root->property("clicks").toInt(), 1);
    QCOMPARE(released.count(), 2);
}

void TestSchemeView::keysNeverReachTheScene()
{
    m_view->setSource(QUrl::fromLocalFile(scenePath(QStringLiteral("scene/Heating.qml"))));
    QTRY_VERIFY(m_view->rootObject()->hasActiveFocus());
    key(m_view, QEvent::KeyPress, Qt::Key_A);
    key(m_view, QEvent::KeyRelease, Qt::Key_A);
    key(m_view, QEvent::KeyPress, Qt::Key_Space);
    QCOMPARE(m_view->rootObject()->property("keys").toInt(), 0);
}

void TestSchemeView::contextMenu()
{
    QSignalSpy refresh(m_view, &QDeclarativeZoomPan::refreshRequested);
    QSignalSpy edit(m_view, &QDeclarativeZoomPan::editRequested);
    const auto openMenu = [this](std::function<void(QMenu *)> act) {
        QTimer::singleShot(50, [act] { act(qobject_cast<QMenu *>(QApplication::activePopupWidget())); });
        QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(20, 20), m_view->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(m_view, &e);
    };
    QStringList texts;
    openMenu([&texts](QMenu *menu) {
        for (QAction *a : menu->actions())
            texts << a->text();
        menu->close();
    });
    QCOMPARE(texts, QStringList({QStringLiteral("Odswież"), QStringLiteral("Edytuj")}));
    QCOMPARE(refresh.count() + edit.count(), 0);
    openMenu([](QMenu *menu) { menu->actions().at(0)->trigger(); menu->close(); });
    openMenu([](QMenu *menu) { menu->actions().at(1)->trigger(); menu->close(); });
    QCOMPARE(refresh.count(), 1);
    QCOMPARE(edit.count(), 1);
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
    m_view->setSource(QUrl::fromLocalFile(scenePath(QStringLiteral("scene/Heating.qml"))));
    m_view->setSource(QUrl::fromLocalFile(scenePath(file)));
    QVERIFY(!m_view->rootObject());
    QVERIFY(!m_view->errors().isEmpty());
    const QQmlError first = m_view->errors().first();
    QCOMPARE(first.url().toLocalFile(), scenePath(file));
    if (line > 0)
        QCOMPARE(first.line(), line);
    // Panning with nothing to pan is harmless.
    key(m_view, QEvent::KeyPress, Qt::Key_Space);
    mouse(m_view, QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton);
    mouse(m_view, QEvent::MouseMove, QPointF(25, 25), Qt::NoButton, Qt::LeftButton);
    wheel(m_view, 120);
    QVERIFY(!m_view->rootObject());
}

QTEST_MAIN(TestSchemeView)
#include "tst_schemeview.moc"
