#include "project.h"

#include "asidepath.h"
#include "devicelistfile.h"
#include "menufile.h"
#include "projectfile.h"
#include "xmlsave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

MenuTree Project::load(const QString &folderLocation, const QString &fallbackName)
{
    *this = Project();
    location = folderLocation;
    XmlSave::removeLeftovers(location);
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
    return tree;
}

QStringList Project::save(const QString &versionLabel)
{
    QStringList errors;
    XmlSave::removeLeftovers(location);
    for (const QString &path : qAsConst(unreadable)) {
        if (QFile::exists(path) && !QFile::copy(path, AsidePath::unreadable(path)))
            errors << QDir::toNativeSeparators(path) + QStringLiteral(": ")
                    + QCoreApplication::translate("Project", "nie udało się zachować kopii nieczytelnego pliku");
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
    return errors + MenuFile::write(location, menu);
}
