#include "configfile.h"
#include "mainwindow.h"
#include "startup.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Startup::installTranslation(app, ConfigFile::startupLanguage(ConfigFile::defaultPath()));

    int result = 0;
    {
        MainWindow window;
        const int desktopHeight = QGuiApplication::primaryScreen()->virtualGeometry().height();
        if (Startup::shouldMaximize(desktopHeight))
            window.showMaximized();
        else
            window.show();
        result = app.exec();
    }
    return result;
}
