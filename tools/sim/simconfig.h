#pragma once

#include "simcontroller.h"
#include "simfault.h"

#include <QHostAddress>
#include <QList>

// The simulator's configuration file: controllers, their identity, their
// variables and how those move. The format is described in the README.
namespace SimConfig {

struct Entry
{
    SimController controller;
    QHostAddress address;
    quint16 port = 16483;
    SimFault fault = SimFault::None;
    int delayMs = 0;
};

bool parse(const QByteArray &xml, QList<Entry> *entries, QString *error);

} // namespace SimConfig
