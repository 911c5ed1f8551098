#include "project.h"

#include "devicelistfile.h"
#include "menufile.h"
#include "monitoringfile.h"
#include "projectfile.h"
#include "unreadablecopy.h"

MenuTree Project::load(const QString &folderLocation, const QString &fallbackName)
{
    *this = Project();
    location = folderLocation;
    XmlRead::Status status;
    devices = DeviceListFile::read(location + DeviceListFile::fileName(), &status);
    if (status == XmlRead::Status::Unreadable)
        unreadable << location + DeviceListFile::fileName();
    MenuTree tree = MenuFile::read(location, &unreadable);
    menu = tree.records;
    info.name = fallbackName;
    status = ProjectFile::read(location + ProjectFile::fileName(), info);
    if (status == XmlRead::Status::Unreadable)
        unreadable << location + ProjectFile::fileName();
    monitoring = MonitoringFile::read(location + MonitoringFile::fileName(), &status);
    monitored = status == XmlRead::Status::Read;
    if (status == XmlRead::Status::Unreadable)
        unreadable << location + MonitoringFile::fileName();
    return tree;
}

QStringList Project::save(const QString &versionLabel)
{
    QStringList errors;
    for (const QString &path : qAsConst(unreadable)) {
        const QString error = UnreadableCopy::keep(path);
        if (!error.isEmpty())
            errors << error;
    }
    // A file not copied aside must not be replaced.
    if (!errors.isEmpty())
        return errors;
    unreadable.clear();
    QString error = ProjectFile::save(location + ProjectFile::fileName(), info, versionLabel);
    if (!error.isEmpty())
        errors << error;
    error = DeviceListFile::write(location + DeviceListFile::fileName(), devices);
    if (!error.isEmpty())
        errors << error;
    error = monitored ? MonitoringFile::write(location + MonitoringFile::fileName(), monitoring) : QString();
    if (!error.isEmpty())
        errors << error;
    return errors + MenuFile::write(location, menu);
}
