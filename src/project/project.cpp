#include "project.h"

#include "devicelistfile.h"
#include "menufile.h"
#include "projectfile.h"

MenuTree Project::load(const QString &folderLocation)
{
    location = folderLocation;
    devices = DeviceListFile::read(location + DeviceListFile::fileName());
    MenuTree tree = MenuFile::read(location);
    menu = tree.records;
    ProjectFile::read(location + ProjectFile::fileName(), info);
    return tree;
}

QStringList Project::save(const QString &versionLabel) const
{
    QStringList errors;
    const QString projectPath = location + ProjectFile::fileName();
    QString error = ProjectFile::save(projectPath, info, versionLabel);
    if (!error.isEmpty())
        errors << projectPath + QStringLiteral(": ") + error;
    const QString devicesPath = location + DeviceListFile::fileName();
    error = DeviceListFile::write(devicesPath, devices);
    if (!error.isEmpty())
        errors << devicesPath + QStringLiteral(": ") + error;
    return errors + MenuFile::write(location, menu);
}
