// tesk-demo-shots: runs the real main window in the current folder (which
// holds config.xml opening the demo project), walks through the demo the
// way an operator would and saves screenshots into the folder given.

#include "configfile.h"
#include "logmodel.h"
#include "mainwindow.h"
#include "qdeclarativezoompan.h"
#include "startup.h"
#include "teskdesigner.h"

#include <QApplication>
#include <QQuickItem>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>
#include <QTreeWidget>

namespace {

void wait(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

int passes(MainWindow &w)
{
    int n = 0;
    for (const LogEntry &e : w.logModel()->entries())
        n += e.text.startsWith(QCoreApplication::translate("MainWindow", "Aktualizacja zakończona, czas odczytu: "));
    return n;
}

// Picks the tree row with the text and waits for its values.
bool show(MainWindow &w, const QString &text)
{
    auto *tree = w.findChild<QTreeWidget *>(QStringLiteral("menuTree"));
    for (QTreeWidgetItem *item : w.treeItems()) {
        if (item->text(0) != text)
            continue;
        const int before = passes(w);
        tree->setCurrentItem(item);
        QElapsedTimer t;
        t.start();
        while (passes(w) == before && t.elapsed() < 10000)
            wait(50);
        wait(600); // let the scene's animations settle
        return passes(w) > before;
    }
    return false;
}

bool save(QWidget *widget, const QString &path, QTextStream &out)
{
    const bool ok = widget->grab().save(path);
    out << (ok ? "wrote " : "could not write ") << path << '\n';
    out.flush();
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Startup::installTranslation(app, ConfigFile::startupLanguage(ConfigFile::defaultPath()));
    QTextStream out(stdout);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);

    MainWindow window;
    window.resize(1294, 783);
    window.show();
    wait(300);
    bool ok = show(window, QStringLiteral("Przegląd obiektu"));
    ok = save(&window, folder + QStringLiteral("/overview.png"), out) && ok;
    ok = show(window, QStringLiteral("Kotłownia")) && ok;
    ok = save(&window, folder + QStringLiteral("/boiler.png"), out) && ok;

    // An operator clicks the boiler setpoint: the value dialog comes up. It
    // runs its own event loop, so it is photographed from a timer there.
    bool photographed = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || photographed)
            return;
        photographed = true;
        ok = save(dialog, folder + QStringLiteral("/value-dialog.png"), out) && ok;
        dialog->reject();
    });
    poll.start(300);
    QMetaObject::invokeMethod(window.schemeView()->rootObject(), "itemClicked",
                              Q_ARG(QString, QStringLiteral("t_zadana")));
    QElapsedTimer t;
    t.start();
    while (!photographed && t.elapsed() < 10000)
        wait(50);
    poll.stop();
    if (!photographed) {
        out << "the value dialog did not come up\n";
        ok = false;
    }
    ok = show(window, QStringLiteral("Obiegi grzewcze")) && ok;
    ok = save(&window, folder + QStringLiteral("/circuits.png"), out) && ok;
    ok = show(window, QStringLiteral("Centrala wentylacyjna")) && ok;
    ok = save(&window, folder + QStringLiteral("/ahu.png"), out) && ok;
    ok = show(window, QStringLiteral("Ciepła woda")) && ok;
    ok = save(&window, folder + QStringLiteral("/dhw.png"), out) && ok;
    window.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(1);
    wait(300);
    ok = save(&window, folder + QStringLiteral("/log.png"), out) && ok;
    window.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(0);
    window.schemeEditRequested();
    wait(300);
    ok = save(window.designer(), folder + QStringLiteral("/designer.png"), out) && ok;
    return ok ? 0 : 1;
}
