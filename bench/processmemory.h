#pragma once

#include <QtGlobal>

namespace ProcessMemory {

// Resident memory of this process, in bytes.
qint64 residentBytes();

} // namespace ProcessMemory
