#pragma once

#include "appsettings.h"

#include <QString>

// Reading and writing the application settings file, config.xml.
namespace ConfigFile {

QString defaultPath(); // "config.xml" in the working directory

// Language code for start-up: "eng" when the file cannot be opened, empty
// when it does not parse or names no language.
QString startupLanguage(const QString &path);

enum class LoadResult { Missing, Unparsable, Loaded };

// Fills settings from the file; fields the file does not mention keep their
// values. logSwitchesRead tells whether a LogSettings element was found.
LoadResult load(const QString &path, AppSettings &settings, bool *logSwitchesRead = nullptr);

// The complete document written after the first-run wizard.
QString writeFirstRun(const QString &path, const QString &workspaceDir, const QString &language);

// Rewrites the last project and the log switches, keeping everything else in
// the file. Returns an empty string on success, else what went wrong.
QString save(const QString &path, const AppSettings &settings);

} // namespace ConfigFile
