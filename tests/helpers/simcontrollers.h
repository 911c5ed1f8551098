#pragma once

#include "devicerecord.h"
#include "simserver.h"

#include <QByteArray>

// Simulated controllers for tests, in-process on loopback.
namespace SimControllers {

// A started controller at address:port (0: any free port) whose variables are
// given as the simulator's <Variable .../> elements.
SimServer *start(QObject *parent, const QString &address, const QByteArray &variables, quint16 port = 0);

// The device record that reaches it under the given ID.
DeviceRecord device(const QString &id, const SimServer *server);

} // namespace SimControllers
