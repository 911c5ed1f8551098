#include "controllerport.h"

namespace ControllerPort {

quint16 fromText(const QString &port)
{
    return port.isEmpty() ? kDefault : quint16(port.toUInt(nullptr, 10));
}

} // namespace ControllerPort
