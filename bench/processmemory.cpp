#include "processmemory.h"

#include <QFile>

#include <unistd.h>

namespace ProcessMemory {

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    statm.open(QIODevice::ReadOnly);
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

} // namespace ProcessMemory
