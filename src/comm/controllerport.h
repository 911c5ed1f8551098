#pragma once

#include <QString>

// The port a device record's port text stands for: the default controller
// port when empty, the text read as a decimal number otherwise (0 when it is
// not one).
namespace ControllerPort {

constexpr quint16 kDefault = 16483;

quint16 fromText(const QString &port);

} // namespace ControllerPort
