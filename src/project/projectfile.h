#pragma once

#include "projectinfo.h"
#include "xmlread.h"

// Reading and writing a project's project.xml.
namespace ProjectFile {

QString fileName(); // "project.xml"

// Replaces info with what the file holds (a missing element or attribute
// reads as empty). Changes nothing when the file is missing or unreadable.
XmlRead::Status read(const QString &path, ProjectInfo &info);

// The file of a new project: revision 0, the version label as shown, an
// empty SIP account.
QString create(const QString &path, const QString &name, const QString &author, const QString &versionLabel);

// Rewrites the file: name and author, the revision read at opening plus one,
// the version (the label's second word) and the SIP account; every other
// element and attribute is kept. A missing or broken file is written whole.
// Returns an empty string on success, else what went wrong.
QString save(const QString &path, const ProjectInfo &info, const QString &versionLabel);

} // namespace ProjectFile
