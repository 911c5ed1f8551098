#pragma once

#include "devicerecord.h"
#include "xmlread.h"

// Reading and writing a project's deviceList.xml.
namespace DeviceListFile {

QString fileName(); // "deviceList.xml"

// The records of the file in file order; empty when the file is missing or
// does not parse. Every child of the root counts, whatever its tag.
DeviceList read(const QString &path, XmlRead::Status *status = nullptr);

// Returns an empty string on success, else the file and what went wrong.
QString write(const QString &path, const DeviceList &devices);

} // namespace DeviceListFile
