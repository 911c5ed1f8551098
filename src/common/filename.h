#pragma once

#include <QString>

// Names that become a single file or folder inside a project or workspace.
namespace FileName {

// Why name cannot be one plain file or folder name on every system a
// project may travel to: empty, a path separator, "." or "..", a character
// some system refuses, a name reserved for a device (CON, NUL, COM1...),
// trailing spaces or dots, too long. Empty when the name is fine. extension
// is what will be appended to the name on disk (".xml" for a scheme).
QString problem(const QString &name, const QString &extension = QString());

} // namespace FileName
