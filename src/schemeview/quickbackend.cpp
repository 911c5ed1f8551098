#include "quickbackend.h"

#include <QDebug>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>

namespace QuickBackend {

namespace {

// The renderer of a default OpenGL context, or empty when there is none.
QString openGLRenderer()
{
    QOpenGLContext context;
    if (!context.create())
        return QString();
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return QString();
    const auto *name = reinterpret_cast<const char *>(context.functions()->glGetString(GL_RENDERER));
    const QString renderer = QString::fromLatin1(name ? name : "");
    context.doneCurrent();
    return renderer;
}

QString choose()
{
    QString userSet = qEnvironmentVariable("QT_QUICK_BACKEND");
    if (userSet.isEmpty())
        userSet = qEnvironmentVariable("QMLSCENE_DEVICE"); // Qt's older name for it
    const QString renderer = userSet.isEmpty() ? openGLRenderer() : QString();
    QString text;
    switch (decide(userSet, renderer)) {
    case Choice::UserSet:
        text = QStringLiteral("Qt Quick backend: %1 (set by QT_QUICK_BACKEND)").arg(userSet);
        break;
    case Choice::Software:
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
        text = QStringLiteral("Qt Quick backend: software (OpenGL: %1)")
                   .arg(renderer.isEmpty() ? QStringLiteral("none") : renderer);
        break;
    case Choice::OpenGL:
        text = QStringLiteral("Qt Quick backend: OpenGL (%1)").arg(renderer);
        break;
    }
    qInfo().noquote() << text;
    return text;
}

} // namespace

bool isSoftwareRenderer(const QString &glRenderer)
{
    for (const char *word : {"llvmpipe", "softpipe", "swrast", "software rasterizer"}) {
        if (glRenderer.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

Choice decide(const QString &userSet, const QString &glRenderer)
{
    if (!userSet.isEmpty())
        return Choice::UserSet;
    return glRenderer.isEmpty() || isSoftwareRenderer(glRenderer) ? Choice::Software : Choice::OpenGL;
}

QString ensureChosen()
{
    static const QString choice = choose();
    return choice;
}

} // namespace QuickBackend
