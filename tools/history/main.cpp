// tesk-history: exports, imports and sums up a project's value history, and
// lists its alarm journal and audit trail.

#include "historycli.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");
    HistoryCli cli(out, err);
    return cli.run(app.arguments().mid(1));
}
