#pragma once

#include "menutree.h"
#include "projectinfo.h"

#include <QByteArray>
#include <QStringList>

// Records, sample folders and hostile files shared by the project suites.
namespace Fixtures {

MenuItemRecord group(const QString &id, const QString &text, const QString &parent);
MenuItemRecord scheme(const QString &id, const QString &text, const QString &parent, int interval = 0);

// Project information holding nothing but a name.
ProjectInfo named(const QString &name);

// "id<parent ID" per record, in order.
QStringList ids(const QList<MenuItemRecord> &records);

// Copies the sample project (its p1.xml does not parse) to folder.
void copySample(const QString &folder);

// A document whose elements nest `levels` deep: the DOM parser's stack
// would not survive it.
QByteArray deepDocument(const QString &root, int levels = 40000);

} // namespace Fixtures
