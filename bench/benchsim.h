#pragma once

#include <QProcess>
#include <QStringList>

namespace BenchSim {

// Starts tesk-sim on config and waits until it serves controllers of
// them; their endpoints ("127.0.78.1:40123"), as it prints them.
QStringList start(QProcess &sim, const QString &program, const QString &config, int controllers);

} // namespace BenchSim
