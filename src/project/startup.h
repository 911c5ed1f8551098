#pragma once

#include <QString>

class QCoreApplication;

// What start-up decides before the main window exists.
namespace Startup {

// Loads "lang/tesk_control_" + code relative to the working directory and
// installs it; a failed load leaves the built-in Polish texts. Returns
// whether a translation was loaded.
bool installTranslation(QCoreApplication &app, const QString &languageCode);

// Small desktops (at most 768 pixels high) get a maximized window.
bool shouldMaximize(int desktopHeight);

} // namespace Startup
