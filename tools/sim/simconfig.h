#pragma once

#include "simcontroller.h"
#include "simfault.h"
#include "simpast.h"

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
    quint32 seed = 1;
    SimPast past;
};

bool parse(const QByteArray &xml, QList<Entry> *entries, QString *error);

} // namespace SimConfig
