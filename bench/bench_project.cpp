// Opening and saving a large project, and laying out a deep menu tree.
// Prints milliseconds and ratios; no thresholds are checked here.

#include "menufile.h"
#include "menutreelayout.h"
#include "project.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamReader>

#include <algorithm>
#include <functional>

namespace {

const int kSchemes = 1000;

Project largeProject(const QString &location)
{
    Project p;
    p.location = location;
    p.info.name = QStringLiteral("Duży obiekt");
    p.info.revision = QStringLiteral("0");
    for (int d = 0; d < 20; ++d)
        p.devices.append({QStringLiteral("S%1").arg(d), QStringLiteral("10.0.0.%1").arg(d + 1), "16483", "Sterownik"});
    for (int g = 0; g < kSchemes / 20; ++g) {
        MenuItemRecord group;
        group.kind = MenuItemRecord::groupKind();
        group.id = QString::number(g + 1);
        group.text = QStringLiteral("Budynek %1").arg(g + 1);
        p.menu.append(group);
        for (int s = 0; s < 20; ++s) {
            MenuItemRecord r;
            r.kind = MenuItemRecord::schemeKind();
            r.parent = group.id;
            r.id = QStringLiteral("s%1_%2").arg(g).arg(s);
            r.text = QStringLiteral("Schemat %1").arg(r.id);
            r.qmlFile = QStringLiteral("qml/") + r.id + QStringLiteral(".qml");
            r.interval = 5;
            for (int v = 0; v < 20; ++v)
                r.readVariables.append({QStringLiteral("S%1").arg(v % 20), QStringLiteral("kot.t%1").arg(v),
                                        QStringLiteral("temperatura%1").arg(v), "temp", QString()});
            for (int e = 0; e < 5; ++e) {
                EventItemRecord value{"temp", QStringLiteral("kot.zad%1").arg(e), "S1", "Zadana", {}};
                EventItemRecord combo{"combo", QStringLiteral("kot.pompa%1").arg(e), "S1", "Pompa", {{"1", "Włącz"}, {"0", "Wyłącz"}}};
                r.events.append({QStringLiteral("zdarzenie%1").arg(e), {value, combo}});
            }
            p.menu.append(r);
        }
    }
    return p;
}

// The best of a few runs, in milliseconds.
double best(int runs, const std::function<void()> &work)
{
    double fastest = 1e12;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        fastest = std::min(fastest, t.nsecsElapsed() / 1e6);
    }
    return fastest;
}

// The floor: every file of the folder through the streaming reader, nothing built.
void parseOnly(const QString &folder)
{
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.xml")}, QDir::Files)) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::ReadOnly);
        QXmlStreamReader reader(&file);
        while (!reader.atEnd()) {
            if (reader.readNext() == QXmlStreamReader::StartElement)
                reader.attributes();
        }
    }
}

QList<MenuItemRecord> childFirstChain(int levels)
{
    QList<MenuItemRecord> chain;
    for (int level = 0; level < levels; ++level) {
        MenuItemRecord r;
        r.kind = MenuItemRecord::groupKind();
        r.id = QStringLiteral("g%1").arg(level);
        r.text = r.id;
        r.parent = level == 0 ? QStringLiteral("0") : QStringLiteral("g%1").arg(level - 1);
        chain.prepend(r);
    }
    return chain;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString location = dir.path() + QStringLiteral("/p/");
    QDir().mkpath(location);

    Project project = largeProject(location);
    const double fullSave = best(3, [&] {
        QDir(location).removeRecursively();
        QDir().mkpath(location);
        project.save(QStringLiteral("v 0.8.12"));
    });
    const double floor = best(5, [&] { parseOnly(location); });
    const double open = best(5, [&] { Project().load(location, QString()); });
    out << kSchemes << " schemes, 20 variables and 5 events each\n";
    out << "  open: " << open << " ms, parse floor: " << floor << " ms, ratio " << open / floor << "\n";

    Project opened;
    opened.load(location, QString());
    const double unchanged = best(3, [&] { opened.save(QStringLiteral("v 0.8.12")); });
    int round = 0;
    const double oneChanged = best(3, [&] {
        opened.menu[1].readVariables[0].devVar = QStringLiteral("kot.zmiana%1").arg(++round);
        opened.save(QStringLiteral("v 0.8.12"));
    });
    out << "  full save (every file written): " << fullSave << " ms\n";
    out << "  save, one scheme changed: " << oneChanged << " ms (" << 100 * oneChanged / fullSave
        << " % of a full save)\n";
    out << "  save, nothing changed: " << unchanged << " ms\n";

    const QList<MenuItemRecord> chain = childFirstChain(400);
    const double layout = best(5, [&] { MenuTreeLayout::rebuild(chain); });
    const double writerOrder = best(5, [&] { MenuTreeLayout::placementOrder(chain, false, true); });
    const double menuWrite = best(3, [&] { MenuFile::write(location, chain); });
    out << "menu tree, 400 nested levels listed child first\n";
    out << "  tree rows: " << layout << " ms, file placement: " << writerOrder << " ms, menu file written: "
        << menuWrite << " ms\n";
    return 0;
}
