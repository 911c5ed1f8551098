#include "startup.h"

#include <QCoreApplication>
#include <QTranslator>

namespace Startup {

bool installTranslation(QCoreApplication &app, const QString &languageCode)
{
    auto *translator = new QTranslator(&app);
    const bool loaded = translator->load(QStringLiteral("lang/tesk_control_") + languageCode);
    app.installTranslator(translator);
    return loaded;
}

bool shouldMaximize(int desktopHeight)
{
    return desktopHeight - 1 <= 767;
}

} // namespace Startup
