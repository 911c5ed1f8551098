// Writes passes of samples into a SQLite history for ever, printing the
// number of each pass once it is committed, until it is killed.

#include "historystore.h"
#include "monitoringrecord.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const int points = QString::fromLocal8Bit(argv[2]).toInt();
    HistoryStore store;
    QString error;
    QTextStream out(stdout);
    if (!store.open(StoreRecord(), QString::fromLocal8Bit(argv[1]), 0, 0, &error)) {
        QTextStream(stderr) << error << '\n';
        return 1;
    }
    for (qint64 pass = 0;; ++pass) {
        QVector<HistorySample> samples;
        for (int p = 0; p < points; ++p)
            samples.append({QStringLiteral("p%1").arg(p), 1700000000000 + pass * 1000, double(pass), {}});
        if (!store.write(samples, &error)) {
            QTextStream(stderr) << error << '\n';
            return 1;
        }
        out << pass << '\n';
        out.flush();
    }
}
