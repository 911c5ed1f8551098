#pragma once

#include <QString>

// Where a project's files go.
namespace ProjectPaths {

// The separator a new project's folder is joined with: the workspace path's
// own one after a drive letter ("C:/..." or "C:\..."), else the platform's.
QChar separatorFor(const QString &workspaceDir);

// The folder made for a new project.
QString newProjectFolder(const QString &workspaceDir, const QString &directory);

// A project location always ends with a separator.
QString newProjectLocation(const QString &workspaceDir, const QString &directory);
QString openedProjectLocation(const QString &chosenFolder);

// A folder path as a location: with a trailing separator added when it has
// none (a location typed into config.xml may lack it). Empty stays empty.
QString asLocation(const QString &folder);

} // namespace ProjectPaths
