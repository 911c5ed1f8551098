#pragma once

#include "schememirror.h"

#include <QList>
#include <QPointF>
#include <QQmlError>
#include <QQuickWidget>
#include <QUrl>

class QMenu;
class QQuickItem;
class SchemeUrlInterceptor;

// Shows a scheme's QML scene (written for QtQuick 1) with zoom on the wheel,
// panning while the space bar is held, a context menu to refresh or edit,
// and a signal after every mouse release. Key presses never reach the scene.
class QDeclarativeZoomPan : public QQuickWidget
{
    Q_OBJECT

public:
    explicit QDeclarativeZoomPan(QWidget *parent = nullptr);
    ~QDeclarativeZoomPan() override;

    // Loads a scheme file. On failure there is no root object and errors()
    // tells why, with the scheme's own file names and lines.
    void setSource(const QUrl &url);
    // Shows text as if it were the content of the file at url (a preview).
    void setSourceText(const QUrl &url, const QString &text);
    QUrl source() const { return m_source; }
    QQuickItem *rootObject() const { return m_scene; }
    QList<QQmlError> errors() const { return m_errors; }

    qreal zoom() const { return m_zoom; }
    bool isPanning() const { return m_panMode; }

signals:
    void refreshRequested();
    void editRequested();
    // The history of the points bound on the scheme shown.
    void trendRequested();
    void mouseReleased();

public slots:
    void slotRefresh();
    void slotEdit();
    // Back to zoom 1, the scene resting as when it was loaded.
    void resetView();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void load(const QUrl &url, const QString *text);
    void clearScene();
    void applyTransform();
    QPointF restingPosition() const;
    void leaveRest();
    void zoomBy(qreal factor);
    QList<QQmlError> inOriginalFiles(QList<QQmlError> errors) const;

    SchemeMirror m_mirror;
    SchemeUrlInterceptor *m_interceptor;
    QQuickItem *m_scene = nullptr;
    QUrl m_source;
    QList<QQmlError> m_errors;

    bool m_panMode = false;
    QPointF m_lastPosition;
    qreal m_zoom = 1.0;
    bool m_resting = true; // neither zoomed nor panned since the scene was loaded
    QPointF m_offset; // once moved: the scene's origin from the middle of the view, in pixels
    QPointF m_pan;    // the root item's own position, in scene units
    QMenu *m_menu;
};
