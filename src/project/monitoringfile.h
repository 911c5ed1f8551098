#pragma once

#include "monitoringrecord.h"
#include "xmlread.h"

// Reading and writing a project's monitoring.xml. The file is optional: a
// project without it is not monitored and gets none written.
namespace MonitoringFile {

QString fileName(); // "monitoring.xml"

// The record the file holds, missing attributes at their defaults; a
// default record when the file is missing or unreadable (status tells).
MonitoringRecord read(const QString &path, XmlRead::Status *status = nullptr);

// Elements and attributes this program does not know, in the file as it is
// on disk, are kept: a later version's file survives a save. Returns an
// empty string on success, else the file and what went wrong.
QString write(const QString &path, const MonitoringRecord &record);

} // namespace MonitoringFile
