#include "projectpaths.h"

#include <QDir>

namespace ProjectPaths {

QChar separatorFor(const QString &workspaceDir)
{
    const bool driveLetter = workspaceDir.size() >= 3 && workspaceDir.at(0).isLetter()
        && workspaceDir.at(1) == QLatin1Char(':')
        && (workspaceDir.at(2) == QLatin1Char('/') || workspaceDir.at(2) == QLatin1Char('\\'));
    return driveLetter ? workspaceDir.at(2) : QDir::separator();
}

QString newProjectFolder(const QString &workspaceDir, const QString &directory)
{
    return workspaceDir + separatorFor(workspaceDir) + directory;
}

QString newProjectLocation(const QString &workspaceDir, const QString &directory)
{
    return newProjectFolder(workspaceDir, directory) + separatorFor(workspaceDir);
}

QString openedProjectLocation(const QString &chosenFolder)
{
    return asLocation(chosenFolder);
}

QString asLocation(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder;
    return folder + separatorFor(folder);
}

} // namespace ProjectPaths
