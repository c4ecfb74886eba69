#include "reel/widgets/displayrenderer_p.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QThread>

#if QT_CONFIG(opengl)
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#endif

namespace reel::system {

namespace {

// Platforms whose windows can be drawn with OpenGL.
bool platformHasOpenGL(const QString &platform)
{
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))
        || platform.startsWith(QLatin1String("eglfs"));
}

QString contextRenderer()
{
#if QT_CONFIG(opengl)
    QOpenGLContext *previous = QOpenGLContext::currentContext();
    QSurface *previousSurface = previous ? previous->surface() : nullptr;
    QString renderer;
    {
        QOffscreenSurface surface;
        surface.create();
        QOpenGLContext context;
        if (surface.isValid() && context.create() && context.makeCurrent(&surface)) {
            const GLubyte *name = context.functions()->glGetString(GL_RENDERER);
            if (name)
                renderer = QString::fromLatin1(reinterpret_cast<const char *>(name));
            context.doneCurrent();
        }
    }
    if (previous && previousSurface)
        previous->makeCurrent(previousSurface);
    return renderer;
#else
    return QString();
#endif
}

} // namespace

QString displayRenderer()
{
    const auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app || QThread::currentThread() != app->thread())
        return QString();
    if (!platformHasOpenGL(QGuiApplication::platformName()))
        return QString();
    if (qEnvironmentVariableIntValue("LIBGL_ALWAYS_SOFTWARE") != 0
        || QCoreApplication::testAttribute(Qt::AA_UseSoftwareOpenGL))
        return QString();
    return contextRenderer();
}

} // namespace reel::system
