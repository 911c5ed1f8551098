#pragma once

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

// A failed check ends the run with the input that broke it, as a crash does.
#define FUZZ_CHECK(condition) \
    ((condition) ? void() : (std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condition), std::abort()))

// Timers and signals need an application object, kept past libFuzzer's exit.
// Qt's messages (the link's trace among them) would only slow the run down.
inline void fuzzApplication()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static const QCoreApplication *app = new QCoreApplication(argc, argv);
    Q_UNUSED(app)
}
