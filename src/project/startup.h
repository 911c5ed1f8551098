#pragma once

#include <QString>

class QCoreApplication;

// What start-up decides before the main window exists.
namespace Startup {

// Loads "lang/tesk_control_" + code relative to the working directory and,
// when it is not there, from the translations installed with the program;
// then Qt's own translation for the language the interface ends up in (a
// failed load leaves the built-in Polish texts, so Qt's Polish one). Both are
// installed in the application; the outcome goes to the debug output.
// Returns whether the program's translation was loaded.
bool installTranslation(QCoreApplication &app, const QString &languageCode);

// Small desktops (at most 768 pixels high) get a maximized window.
bool shouldMaximize(int desktopHeight);

} // namespace Startup
