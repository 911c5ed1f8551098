// The audit trail of a busy site over a year: 10,000 rows a day (3.65
// million) by 20 users, some far busier than others, each mostly at one of
// six stations; mostly writes to 40 controllers (some changed or refused by
// the controller), then logins, logouts, failed logins, locks, saves and
// changes of the users. Prints the time of searches by user and range and
// by range alone (median and slowest of 7), on a SQLite file and on
// PostgreSQL when a server is given; the goal is at most 1 s.
//
//     scripts/pg-server run build/bench/bench_audit

#include "benchstores.h"
#include "historystore.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTextStream>

#include <cmath>

namespace {

using Action = AuditRecord::Action;

const int kDays = 365;
const int kRowsPerDay = 10000;
const int kUsers = 20;
const int kStations = 6;
const int kControllers = 40;
const int kRuns = 7;
const qint64 kDay = 24 * 3600 * 1000LL;

QTextStream out(stdout);

// A small generator of its own, so that every run writes the same site.
quint32 next(quint32 *state)
{
    *state = *state * 1664525u + 1013904223u;
    return *state >> 8;
}

QString userName(int user)
{
    return QStringLiteral("operator%1").arg(user + 1, 2, 10, QLatin1Char('0'));
}

// User i acts in proportion to 1 / (i + 1)^0.4: the busiest about 11 % of
// the rows, the quietest about 3 %.
QVector<double> userShares()
{
    QVector<double> shares;
    double sum = 0;
    for (int i = 0; i < kUsers; ++i)
        sum += 1 / std::pow(i + 1, 0.4);
    for (int i = 0; i < kUsers; ++i)
        shares << (1 / std::pow(i + 1, 0.4)) / sum;
    return shares;
}

int pickUser(quint32 r, const QVector<double> &shares)
{
    double x = double(r % 1000000) / 1e6;
    for (int i = 0; i < kUsers - 1; ++i) {
        if ((x -= shares.at(i)) < 0)
            return i;
    }
    return kUsers - 1;
}

// Per 1,000 rows: writes 700, changed 60, refused 40, logins 70, logouts 70,
// failed logins 20, locks 20, saves 15, users changed 5.
Action pickAction(quint32 r)
{
    struct Share {
        int perMille;
        Action action;
    };
    static const Share shares[] = {{700, Action::Write}, {60, Action::WriteChanged}, {40, Action::WriteRefused},
                                   {70, Action::Login},  {70, Action::Logout},       {20, Action::LoginFailed},
                                   {20, Action::Locked}, {15, Action::Save},         {5, Action::UsersChanged}};
    int x = int(r % 1000);
    for (const Share &s : shares) {
        if ((x -= s.perMille) < 0)
            return s.action;
    }
    return Action::Write;
}

AuditRecord row(qint64 t, quint32 *rng, const QVector<double> &shares)
{
    AuditRecord r;
    r.timeMs = t;
    const int user = pickUser(next(rng), shares);
    r.user = userName(user);
    r.station = QStringLiteral("stacja-%1").arg(next(rng) % 10 ? user % kStations + 1 : next(rng) % kStations + 1);
    r.action = pickAction(next(rng));
    if (r.action == Action::Write || r.action == Action::WriteChanged || r.action == Action::WriteRefused) {
        const int controller = int(next(rng) % kControllers);
        r.controller = QStringLiteral("KOT%1").arg(controller + 1);
        r.variable = QStringLiteral("obieg%1.t_zad").arg(next(rng) % 8 + 1);
        const int before = 400 + int(next(rng) % 300);
        const int sent = before + int(next(rng) % 41) - 20;
        r.before = QString::number(before / 10.0, 'f', 1);
        r.sent = QString::number(sent / 10.0, 'f', 1);
        r.confirmed = r.action == Action::Write ? r.sent
            : r.action == Action::WriteChanged  ? QStringLiteral("65.0")
                                                : QString();
        if (r.action == Action::WriteRefused)
            r.detail = QStringLiteral("brak w odpowiedzi sterownika");
    } else if (r.action == Action::LoginFailed) {
        r.detail = QStringLiteral("błędne hasło");
    } else if (r.action == Action::Locked) {
        r.detail = QStringLiteral("3 nieudane logowania, blokada na 5 min");
    } else if (r.action == Action::Save) {
        r.detail = QStringLiteral("deviceList.xml, menuList.xml");
    } else if (r.action == Action::UsersChanged) {
        r.detail = QStringLiteral("dodano: %1").arg(userName(int(next(rng) % kUsers)));
    }
    return r;
}

bool generate(HistoryStore &history, qint64 start, QString *error)
{
    QElapsedTimer t;
    t.start();
    quint32 rng = 4242;
    const QVector<double> shares = userShares();
    const qint64 spacing = kDay / kRowsPerDay;
    for (int d = 0; d < kDays; ++d) {
        QVector<AuditRecord> day;
        day.reserve(kRowsPerDay);
        // One row in four of the same time as the one before, as a write of
        // several variables.
        for (qint64 i = 0; i < kRowsPerDay; ++i) {
            const qint64 slot = i > 0 && next(&rng) % 4 == 0 ? i - 1 : i;
            day << row(start + d * kDay + slot * spacing, &rng, shares);
        }
        if (!history.appendAudit(day, error))
            return false;
    }
    const double s = double(t.elapsed()) / 1000;
    out << "  " << kDays << " days of " << kRowsPerDay << " rows written, a day a transaction, in " << s << " s ("
        << qRound(kDays * kRowsPerDay / s) << " rows a second)\n";
    return true;
}

void search(HistoryStore &history, const QString &what, const AuditQuery &query)
{
    QVector<AuditRecord> rows;
    QString error;
    const QVector<double> times = BenchStores::timesMs(kRuns, [&] { return history.audit(query, &rows, &error); });
    if (times.isEmpty()) {
        out << "  " << what << " failed: " << error << "\n";
        return;
    }
    out << "  " << what << " (" << rows.size() << " rows): median " << times.at(kRuns / 2) << " ms, slowest "
        << times.last() << " ms (goal: at most 1000 ms)\n";
    out.flush();
}

void run(const BenchStore &store, const QString &dir)
{
    HistoryStore history;
    const qint64 start = QDateTime(QDate(2025, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
    if (!BenchStores::filled(&history, store, dir, "audit",
                             [&](QString *why) { return generate(history, start, why); }))
        return;
    QString error;
    HistoryStats stats;
    if (history.stats(&stats, &error))
        out << "  store on disk: " << stats.bytes / (1024 * 1024) << " MiB\n";
    out.flush();
    const qint64 june = start + 151 * kDay;
    const qint64 year = start + kDays * kDay;
    const QString typical = userName(kUsers / 2);
    search(history, QStringLiteral("a typical user (%1) over a month").arg(typical), {june, june + 30 * kDay, typical});
    search(history, QStringLiteral("a typical user (%1) over the year").arg(typical), {start, year, typical});
    search(history, QStringLiteral("the busiest user (%1) over the year").arg(userName(0)), {start, year, userName(0)});
    search(history, QStringLiteral("a user over a year without a row"), {start, year, QStringLiteral("nobody")});
    search(history, QStringLiteral("everyone over a day"), {june, june + kDay, QString()});
    search(history, QStringLiteral("everyone over a week"), {june, june + 7 * kDay, QString()});
}

} // namespace

int main(int argc, char *argv[])
{
    return BenchStores::main(argc, argv, [](const BenchStore &store, const QString &dir) {
        run(store, dir);
        out.flush();
    });
}
