#pragma once

#include "simconfig.h"
#include "simserver.h"

#include <QList>
#include <QObject>

class QTimer;

// A set of simulated controllers read from a configuration file, each served
// on its own address, all moved on by one clock.
class Simulator : public QObject
{
    Q_OBJECT

public:
    explicit Simulator(QObject *parent = nullptr);

    // Reads the configuration; returns false and says why on failure.
    bool load(const QString &path, QString *error);
    bool loadXml(const QByteArray &xml, QString *error);

    // Starts listening and the clock (one step a second); false when an
    // address cannot be listened on.
    bool start(QString *error, int tickMs = 1000);

    const QList<SimServer *> &servers() const { return m_servers; }
    // The controllers as the configuration describes them, their pasts too.
    const QList<SimConfig::Entry> &entries() const { return m_entries; }
    SimServer *server(const QString &name) const;

private:
    void tick();

    QList<SimConfig::Entry> m_entries;
    QList<SimServer *> m_servers;
    QTimer *m_clock;
    int m_tickMs = 1000;
};
