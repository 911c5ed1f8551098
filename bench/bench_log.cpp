// Writing and re-filtering a large event log in the real main window.
// Prints milliseconds; run under QT_QPA_PLATFORM=offscreen.

#include "logmodel.h"
#include "mainwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QFile config(QStringLiteral("config.xml"));
    config.open(QIODevice::WriteOnly);
    config.write("<Config><AppSettings workspaceDir=\"/tmp\" Language=\"pl\"/></Config>");
    config.close();

    const int entries = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 300000;
    MainWindow window;
    window.show();
    window.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(0);
    QTextStream out(stdout);

    QElapsedTimer t;
    t.start();
    for (int i = 0; i < entries; ++i) {
        window.writeLog(QStringLiteral("Odczytano parametr ze sterownika: 127.0.0.2 [t%1=21.5]").arg(i),
                        i % 5);
        if (i % 1000 == 0)
            QCoreApplication::processEvents(); // the GUI paints between bursts
    }
    QCoreApplication::processEvents();
    out << "write " << entries << " entries (painting every 1000): " << t.elapsed() << " ms\n";

    auto *data = window.findChild<QCheckBox *>(QStringLiteral("dataCheckBox"));
    t.restart();
    data->click();
    QCoreApplication::processEvents();
    out << "filter click, hide data (" << window.logModel()->rowCount() << " rows left): " << t.elapsed() << " ms\n";
    t.restart();
    data->click();
    QCoreApplication::processEvents();
    out << "filter click, show all (" << window.logModel()->rowCount() << " rows): " << t.elapsed() << " ms\n";
    t.restart();
    window.writeLog(QStringLiteral("one more"), 0);
    QCoreApplication::processEvents();
    out << "one entry on a full log, painted: " << t.elapsed() << " ms\n";
    return 0;
}
