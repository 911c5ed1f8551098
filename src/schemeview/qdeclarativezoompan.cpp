#include "qdeclarativezoompan.h"

#include "framecap.h"
#include "quickbackend.h"
#include "schemeurlinterceptor.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSaveFile>

namespace {

constexpr qreal kZoomIn = 1.1;
constexpr qreal kZoomOut = 0.9;

// The item the scenes are hung in; it always fills the view.
QUrl writeContainer(const QString &folder)
{
    const QString path = QDir(folder).filePath(QStringLiteral("SceneContainer.qml"));
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write("import QtQuick 2.0\nItem { clip: true }\n");
        file.commit();
    }
    return QUrl::fromLocalFile(path);
}

// The backend is chosen before the first Qt Quick window exists, which the
// base class makes; so start-up pays nothing for it until a scheme is shown.
QWidget *withBackendChosen(QWidget *parent)
{
    QuickBackend::ensureChosen();
    return parent;
}

} // namespace

QDeclarativeZoomPan::QDeclarativeZoomPan(QWidget *parent)
    : QQuickWidget(withBackendChosen(parent))
    , m_interceptor(new SchemeUrlInterceptor(&m_mirror))
    , m_menu(new QMenu(this))
{
    FrameCap::ensureInstalled();
    engine()->setUrlInterceptor(m_interceptor);
    setResizeMode(QQuickWidget::SizeRootObjectToView);
    QQuickWidget::setSource(writeContainer(m_mirror.folder()));
    setFocusPolicy(Qt::StrongFocus);
    connect(m_menu->addAction(tr("Odswież")), &QAction::triggered, this, &QDeclarativeZoomPan::slotRefresh);
    connect(m_menu->addAction(tr("Edytuj")), &QAction::triggered, this, &QDeclarativeZoomPan::slotEdit);
    connect(m_menu->addAction(tr("Widok domyślny")), &QAction::triggered, this, &QDeclarativeZoomPan::resetView);
    connect(m_menu->addAction(tr("Trend punktów schematu")), &QAction::triggered, this,
            &QDeclarativeZoomPan::trendRequested);
}

QDeclarativeZoomPan::~QDeclarativeZoomPan()
{
    clearScene();
    engine()->setUrlInterceptor(nullptr);
    delete m_interceptor;
}

void QDeclarativeZoomPan::setSource(const QUrl &url)
{
    load(url, nullptr);
}

void QDeclarativeZoomPan::setSourceText(const QUrl &url, const QString &text)
{
    load(url, &text);
}

void QDeclarativeZoomPan::clearScene()
{
    delete m_scene;
    m_scene = nullptr;
}

void QDeclarativeZoomPan::load(const QUrl &url, const QString *text)
{
    clearScene();
    // The files (or the previewed text) may have changed since the last load.
    engine()->clearComponentCache();
    m_source = url;
    m_errors.clear();
    m_pan = QPointF();
    m_resting = true;
    const QUrl shown = url.isLocalFile() ? m_mirror.prepare(url.toLocalFile(), text) : url;
    QQmlComponent component(engine(), shown, QQmlComponent::PreferSynchronous);
    QObject *object = component.isReady() ? component.create() : nullptr;
    if (!object) {
        m_errors = inOriginalFiles(component.errors());
        return;
    }
    m_scene = qobject_cast<QQuickItem *>(object);
    if (!m_scene) {
        QQmlError error;
        error.setUrl(url);
        error.setDescription(tr("Główny element schematu nie jest elementem graficznym"));
        m_errors << error;
        delete object;
        return;
    }
    QQmlEngine::setObjectOwnership(m_scene, QQmlEngine::CppOwnership);
    m_scene->setTransformOrigin(QQuickItem::TopLeft);
    m_scene->setParentItem(QQuickWidget::rootObject());
    applyTransform();
}

QList<QQmlError> QDeclarativeZoomPan::inOriginalFiles(QList<QQmlError> errors) const
{
    for (QQmlError &e : errors) {
        if (e.url().isLocalFile() && m_mirror.contains(e.url().toLocalFile()))
            e.setUrl(QUrl::fromLocalFile(m_mirror.originalOf(e.url().toLocalFile())));
    }
    return errors;
}

// Until the operator zooms or pans, a new scene, at the zoom the view has,
// stays in the middle of the view where it fits and shows its top or left
// edge where it does not: a view made shorter, by the strip over it say,
// never hides the scene's title.
QPointF QDeclarativeZoomPan::restingPosition() const
{
    const qreal w = m_zoom * m_scene->width(), h = m_zoom * m_scene->height();
    return QPointF(w > width() ? 0 : (width() - w) / 2, h > height() ? 0 : (height() - h) / 2);
}

// The scene moves from where it rests: its place is kept from the middle of
// the view from now on.
void QDeclarativeZoomPan::leaveRest()
{
    if (!m_resting || !m_scene)
        return;
    m_resting = false;
    m_offset = restingPosition() - QPointF(width(), height()) / 2;
}

void QDeclarativeZoomPan::applyTransform()
{
    if (!m_scene)
        return;
    m_scene->setScale(m_zoom);
    m_scene->setPosition(m_resting ? restingPosition() : QPointF(width(), height()) / 2 + m_offset + m_zoom * m_pan);
}

// The point in the middle of the view stays where it is.
void QDeclarativeZoomPan::zoomBy(qreal factor)
{
    leaveRest();
    m_zoom *= factor;
    m_offset *= factor;
    applyTransform();
}

void QDeclarativeZoomPan::resetView()
{
    m_zoom = 1.0;
    m_pan = QPointF();
    m_resting = true;
    applyTransform();
}

void QDeclarativeZoomPan::slotRefresh()
{
    emit refreshRequested();
}

void QDeclarativeZoomPan::slotEdit()
{
    emit editRequested();
}

void QDeclarativeZoomPan::mousePressEvent(QMouseEvent *event)
{
    if (!m_panMode)
        QQuickWidget::mousePressEvent(event);
    m_lastPosition = event->localPos();
    event->accept();
}

void QDeclarativeZoomPan::mouseMoveEvent(QMouseEvent *event)
{
    if (m_panMode && event->buttons() == Qt::LeftButton) {
        const QPointF step = event->localPos() - m_lastPosition;
        // The scene follows the mouse exactly, whatever the zoom.
        if (m_scene) {
            leaveRest();
            m_pan += step / m_zoom;
            applyTransform();
        }
        m_lastPosition = event->localPos();
    }
    event->accept();
    QQuickWidget::mouseMoveEvent(event);
}

void QDeclarativeZoomPan::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_panMode)
        QQuickWidget::mouseReleaseEvent(event);
    emit mouseReleased();
}

void QDeclarativeZoomPan::wheelEvent(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    zoomBy((delta.y() != 0 ? delta.y() : delta.x()) > 0 ? kZoomIn : kZoomOut);
    event->accept();
}

void QDeclarativeZoomPan::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space) {
        setCursor(Qt::SizeAllCursor);
        m_panMode = true;
    }
}

void QDeclarativeZoomPan::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space) {
        setCursor(Qt::ArrowCursor);
        m_panMode = false;
    }
}

void QDeclarativeZoomPan::contextMenuEvent(QContextMenuEvent *event)
{
    m_menu->exec(event->globalPos());
    event->accept();
}

// A resting scene rests anew; a moved one keeps the place of the scene
// under the middle of the view.
void QDeclarativeZoomPan::resizeEvent(QResizeEvent *event)
{
    QQuickWidget::resizeEvent(event);
    applyTransform();
}
