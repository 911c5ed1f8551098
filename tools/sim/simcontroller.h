#pragma once

#include "simvariable.h"

#include <QList>
#include <QRandomGenerator>
#include <QStringList>

// A controller's answers to commands, and its variables moving over time.
// Knows nothing of sockets.
class SimController
{
public:
    QString name;
    QStringList mac;     // six parts
    QStringList serial;  // four parts
    QStringList version; // three parts
    QList<SimVariable> variables;

    explicit SimController(quint32 seed = 1);

    // The reply text to one command.
    QString answer(const QString &command);

    // Moves every variable on by the given time.
    void step(double seconds);

    SimVariable *variable(const QString &name);
    QString valueText(const QString &name) const;

private:
    QString valuesEntries(const SimVariable &v) const;
    QString describeEntries(const SimVariable &v) const;
    QString getEntries(const QString &name) const;
    bool write(const QString &name, const QString &value);
    bool followedIsOn(const SimVariable &v) const;

    QRandomGenerator m_random;
};
