// The floor of the start-up benchmark: a minimal Qt program that shows a
// main window holding a Qt Quick widget.

#include "startupprobe.h"

#include <QApplication>
#include <QMainWindow>
#include <QQuickWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QQuickWidget);
    StartupProbe::watch(&window, argc, argv);
    window.show();
    return app.exec();
}
