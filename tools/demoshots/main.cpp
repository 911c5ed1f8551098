// tesk-demo-shots [--walkthrough] FOLDER: runs the real main window in the
// current folder (which holds config.xml opening the demo project), walks
// through the demo the way an operator would and saves screenshots into the
// folder given. With --walkthrough it starts from an empty workspace and
// configures a scheme through the dialogs instead.

#include "addplotdialog.h"
#include "configfile.h"
#include "deviceaddedit.h"
#include "devicemanagement.h"
#include "logmodel.h"
#include "qtcolorpicker.h"
#include "mainwindow.h"
#include "dataread.h"
#include "qdeclarativezoompan.h"
#include "qteskcmd.h"
#include "stalestrip.h"
#include "startup.h"
#include "teskdesigner.h"
#include "walkthrough.h"

#include <QAction>
#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QQuickItem>
#include <QDialog>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPainter>
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

// Walks the controller list and the device editor, which are modal, from a
// timer inside their event loops: the list, the editor's two tabs, then two
// variables onto the chart and, after a few seconds of updates, the chart.
class DeviceTour : public QObject
{
public:
    DeviceTour(const QString &folder, QTextStream &out)
        : m_folder(folder)
        , m_out(out)
    {
        connect(&m_poll, &QTimer::timeout, this, [this] { step(); });
        m_poll.start(200);
    }
    bool done() const { return m_done; }
    bool ok() const { return m_ok; }

private:
    void shoot(QWidget *w, const char *name)
    {
        m_ok = save(w, m_folder + QLatin1Char('/') + QLatin1String(name), m_out) && m_ok;
    }

    void step()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *plot = qobject_cast<AddPlotDialog *>(modal)) {
            plot->colorPicker()->setCurrentColor(m_lines == 0 ? QColor(Qt::red) : QColor(Qt::darkBlue));
            plot->accept();
            ++m_lines;
        } else if (auto *editor = qobject_cast<deviceAddEdit *>(modal)) {
            editorStep(editor);
        } else if (auto *list = qobject_cast<deviceManagement *>(modal)) {
            if (m_editorShown) {
                list->reject();
                m_done = true;
                return;
            }
            shoot(list, "devices.png");
            auto *tree = list->findChild<QTreeWidget *>(QStringLiteral("treeWidget"));
            tree->setCurrentItem(tree->topLevelItem(0));
            // Dialogs opened from here run their own loops; this timer does
            // not fire inside them, so they are opened after it returns.
            QTimer::singleShot(0, tree, [tree] { emit tree->itemDoubleClicked(tree->topLevelItem(0), 0); });
        }
    }

    void editorStep(deviceAddEdit *editor)
    {
        m_editorShown = true;
        if (editor->findChild<QProgressBar *>(QStringLiteral("dataReadProgressBar"))->isVisible())
            return;
        auto *tabs = editor->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
        if (m_editorStep == 0) {
            editor->resize(900, 600);
            shoot(editor, "device-general.png");
            tabs->setCurrentIndex(1);
        } else if (m_editorStep == 2) {
            shoot(editor, "device-parameters.png");
        } else if (m_editorStep == 3 || m_editorStep == 4) {
            QTreeWidgetItem *row = editor->rowOf(QString::fromLatin1(m_editorStep == 3 ? "kot1.t_zas" : "kot.t_pow"));
            QTimer::singleShot(0, editor, [editor, row] {
                QMetaObject::invokeMethod(editor, "on_varTree_itemDoubleClicked", Q_ARG(QTreeWidgetItem *, row),
                                          Q_ARG(int, 3));
            });
        } else if (m_editorStep == 5) {
            tabs->setCurrentIndex(2);
        } else if (m_editorStep == 60) {
            shoot(editor, "device-chart.png");
            editor->reject();
        }
        ++m_editorStep;
    }

    QString m_folder;
    QTextStream &m_out;
    QTimer m_poll;
    int m_editorStep = 0;
    int m_lines = 0;
    bool m_editorShown = false;
    bool m_done = false;
    bool m_ok = true;
};

// The second heating circuit's controller unplugged (nothing answers at its
// port): the strip over the scheme names it and the circuit greys. Then it
// is plugged back.
bool silentController(MainWindow &w, const QString &folder, QTextStream &out)
{
    const DeviceList devices = w.project().devices;
    DeviceList unplugged = devices;
    for (DeviceRecord &d : unplugged) {
        if (d.id == QLatin1String("CO2"))
            d.port = QStringLiteral("16499");
    }
    w.reader()->setLinkTimeoutMs(1500);
    w.applyDeviceList(unplugged);
    QElapsedTimer t;
    t.start();
    while (!w.staleStrip()->isVisible() && t.elapsed() < 10000)
        wait(50);
    wait(600);
    const bool ok = w.staleStrip()->isVisible() && save(&w, folder + QStringLiteral("/stale-strip.png"), out);
    w.applyDeviceList(devices);
    w.reader()->setLinkTimeoutMs(QTeskCmd::kDefaultTimeoutMs);
    return ok;
}

// The operator asks for a boiler setpoint of 95 °C; the controller keeps its
// limit of 85 °C, and the program says so once the write is done. The
// message is photographed over the window.
bool refusedWrite(MainWindow &w, const QString &folder, QTextStream &out)
{
    bool shot = false;
    bool ok = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->findChild<QDoubleSpinBox *>(QStringLiteral("kot.t_zadanaKOT"))) {
            modal->findChild<QDoubleSpinBox *>(QStringLiteral("kot.t_zadanaKOT"))->setValue(95);
            modal->findChild<QPushButton *>(QStringLiteral("saveBtn"))->click();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            poll.stop();
            wait(300);
            QPixmap pixmap = w.grab();
            QPainter painter(&pixmap);
            painter.drawPixmap(box->mapToGlobal(QPoint()) - w.mapToGlobal(QPoint()), box->grab());
            painter.end();
            const QString path = folder + QStringLiteral("/refused-write.png");
            ok = pixmap.save(path);
            out << (ok ? "wrote " : "could not write ") << path << '\n';
            shot = true;
            box->accept();
        }
    });
    poll.start(300);
    QMetaObject::invokeMethod(w.schemeView()->rootObject(), "itemClicked", Q_ARG(QString, QStringLiteral("t_zadana")));
    QElapsedTimer t;
    t.start();
    while (!shot && t.elapsed() < 10000)
        wait(50);
    if (!shot)
        out << "no message after the refused write\n";
    return ok;
}

} // namespace

// From an empty workspace to a live scheme, through the dialogs.
int walkthrough(const QString &folder, QTextStream &out)
{
    MainWindow window;
    window.resize(1294, 783);
    window.show();
    wait(300);
    Walkthrough walk(window, folder, out);
    QElapsedTimer t;
    t.start();
    while (!walk.done() && t.elapsed() < 60000)
        wait(50);
    if (!walk.done()) {
        out << "the walk-through stopped on the way\n";
        return 1;
    }
    QElapsedTimer pass;
    pass.start();
    while (passes(window) == 0 && pass.elapsed() < 10000)
        wait(50);
    wait(500);
    const bool ok = save(&window, folder + QStringLiteral("/walk-10-live.png"), out) && walk.ok();
    return ok && passes(window) > 0 ? 0 : 1;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Startup::installTranslation(app, ConfigFile::startupLanguage(ConfigFile::defaultPath()));
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    const bool walk = args.contains(QStringLiteral("--walkthrough"));
    const QString folder = args.size() > (walk ? 2 : 1) ? args.last() : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    if (walk)
        return walkthrough(folder, out);

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
    ok = refusedWrite(window, folder, out) && ok;
    ok = show(window, QStringLiteral("Obiegi grzewcze")) && ok;
    ok = save(&window, folder + QStringLiteral("/circuits.png"), out) && ok;
    ok = silentController(window, folder, out) && ok;
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
    window.designer()->hide();

    DeviceTour tour(folder, out);
    window.findChild<QAction *>(QStringLiteral("actionDevices"))->trigger();
    ok = tour.ok() && tour.done() && ok;
    return ok ? 0 : 1;
}
