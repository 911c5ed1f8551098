// Start-up to the main window shown, without a project, against a minimal
// Qt program showing a main window with a Qt Quick widget in it. Each run is
// a fresh process, the two turn about; prints the medians and their ratio.
// Run it on a display, e.g. under xvfb-run -a -s "-screen 0 1400x900x24".
//   bench_startup [runs]            the comparison (20 runs by default)
//   bench_startup --program ...     one start of the program, as main() does it

#include "configfile.h"
#include "mainwindow.h"
#include "startup.h"
#include "startupprobe.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <ctime>

namespace {

int runProgram(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Startup::installTranslation(app, ConfigFile::startupLanguage(ConfigFile::defaultPath()));
    MainWindow window;
    StartupProbe::watch(&window, argc, argv);
    if (Startup::shouldMaximize(QGuiApplication::primaryScreen()->virtualGeometry().height()))
        window.showMaximized();
    else
        window.show();
    return app.exec();
}

// Wall and CPU milliseconds of one start.
QPair<double, double> startOnce(const QString &program, QStringList args, const QString &folder,
                                const QString &quickBackend = QString())
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    args << QStringLiteral("--since") << QString::number(qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec);
    QProcess process;
    process.setWorkingDirectory(folder);
    if (!quickBackend.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QUICK_BACKEND"), quickBackend);
        process.setProcessEnvironment(env);
    }
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, args);
    process.waitForFinished(60000);
    const QStringList figures = QString::fromLatin1(process.readAllStandardOutput()).split(QLatin1Char(' '));
    return {figures.value(0).toDouble(), figures.value(1).toDouble()};
}

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--program") == 0)
        return runProgram(argc, argv);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 20;
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("lang"));
    QFile::copy(QStringLiteral(TESK_BUILD_DIR "/lang/tesk_control_eng.qm"), dir.filePath(QStringLiteral("lang/tesk_control_eng.qm")));
    QFile config(dir.filePath(QStringLiteral("config.xml")));
    config.open(QIODevice::WriteOnly);
    config.write("<Config><AppSettings workspaceDir=\"" + dir.path().toUtf8() + "\" Language=\"eng\"/>"
                 "<LastProject location=\"\" name=\"\"/></Config>");
    config.close();

    const QString self = QCoreApplication::applicationFilePath();
    const QString floor = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_startup_floor");
    // The floor as it starts by default (Qt Quick on OpenGL, which is a
    // software rasterizer on a PC without GPU drivers) and with Qt Quick's
    // software backend; then the program.
    QVector<double> wall[3], cpu[3];
    for (int i = 0; i < runs; ++i) {
        const QPair<double, double> figures[3] = {startOnce(floor, {}, dir.path()),
                                                  startOnce(floor, {}, dir.path(), QStringLiteral("software")),
                                                  startOnce(self, {QStringLiteral("--program")}, dir.path())};
        for (int k = 0; k < 3; ++k)
            wall[k] << figures[k].first, cpu[k] << figures[k].second;
    }
    QTextStream out(stdout);
    out << "start to main window shown, medians of " << runs << " runs\n";
    const char *names[3] = {"floor, default Qt Quick backend", "floor, software Qt Quick backend",
                            "program, no project"};
    for (int k = 0; k < 3; ++k)
        out << QStringLiteral("  %1: %2 ms wall, %3 ms CPU\n")
                   .arg(QLatin1String(names[k]), -33).arg(median(wall[k]), 6, 'f', 1).arg(median(cpu[k]), 6, 'f', 1);
    for (int k = 0; k < 2; ++k)
        out << QStringLiteral("  ratio to the %1: %2 wall, %3 CPU (goal: at most 1.3)\n")
                   .arg(QLatin1String(names[k]))
                   .arg(median(wall[2]) / median(wall[k]), 0, 'f', 2)
                   .arg(median(cpu[2]) / median(cpu[k]), 0, 'f', 2);
    return 0;
}
