#include "alarmreport.h"

#include "alarmjournal.h"
#include "alarmloadpass.h"
#include "sqlitestatement.h"
#include "sqlrows.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

using Key = AlarmLoadPass::Key;

// The rows that count, each read once: SQL's window functions over a year's
// rows took several seconds on SQLite, this pass a fraction of one. On
// SQLite they are read with SQLite's own calls, which cost a few times less
// a row than QSqlQuery's.
bool scan(QSqlDatabase &db, AlarmLoadPass *pass, qint64 fromMs, qint64 toMs, QString *error)
{
    static const QString sql = QStringLiteral(
        "SELECT t, id, point, kind, event, priority FROM alarm_journal WHERE t >= ? AND t < ?"
        " AND event IN ('raised', 'cleared', 'shelved', 'outofservice')");
    if (db.driverName() == QLatin1String("QSQLITE")) {
        const std::unique_ptr<SqliteStatement> s = SqliteStatement::prepare(db, sql, error);
        return s && s->forEachRow({fromMs, toMs}, [&] {
            pass->add(s->integer(0), s->integer(1), s->text(2), s->text(3), s->text(4), int(s->integer(5)));
        }, error);
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(sql);
    q.addBindValue(fromMs);
    q.addBindValue(toMs);
    if (!q.exec()) {
        *error = q.lastError().text();
        return false;
    }
    while (q.next()) {
        pass->add(q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toString().toUtf8(),
                  q.value(3).toString().toUtf8(), q.value(4).toString().toUtf8(), q.value(5).toInt());
    }
    if (!q.lastError().isValid())
        return true;
    *error = q.lastError().text();
    return false;
}

// The texts of the alarms listed, as they were last raised in the range.
bool readTexts(QSqlDatabase &db, const QVector<qint64> &ids, QHash<qint64, QString> *texts, QString *error)
{
    for (int first = 0, count; first < ids.size(); first += count) {
        count = SqlRows::perStatement(ids.size() - first);
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT id, alarm_text FROM alarm_journal WHERE id IN %1")
                      .arg(SqlRows::placeholders(1, count)));
        for (int i = first; i < first + count; ++i)
            q.addBindValue(ids.at(i));
        if (!q.exec()) {
            *error = q.lastError().text();
            return false;
        }
        while (q.next())
            texts->insert(q.value(0).toLongLong(), q.value(1).toString());
    }
    return true;
}

template <typename Row>
void setTexts(QVector<Row> *rows, const QHash<Key, qint64> &lastRaises, const QHash<qint64, QString> &texts)
{
    for (Row &r : *rows)
        r.text = texts.value(lastRaises.value({r.point, r.kind}));
}

bool addTexts(QSqlDatabase &db, AlarmReport *r, const QHash<Key, qint64> &lastRaises, QString *error)
{
    QVector<qint64> ids;
    const auto want = [&](const QString &point, const QString &kind) {
        const qint64 id = lastRaises.value({point, kind});
        if (!ids.contains(id))
            ids << id;
    };
    for (const AlarmReport::Alarm &a : qAsConst(r->mostFrequent) + r->chattering)
        want(a.point, a.kind);
    for (const AlarmReport::Stale &s : qAsConst(r->stale))
        want(s.point, s.kind);
    QHash<qint64, QString> texts;
    if (!readTexts(db, ids, &texts, error))
        return false;
    setTexts(&r->mostFrequent, lastRaises, texts);
    setTexts(&r->chattering, lastRaises, texts);
    setTexts(&r->stale, lastRaises, texts);
    return true;
}

bool heldNow(QSqlDatabase &db, AlarmReport *r, QString *error)
{
    QVector<AlarmSnapshot> states;
    if (!AlarmJournal::states(db, &states, error))
        return false;
    for (const AlarmSnapshot &s : qAsConst(states)) {
        if (s.shelvedUntilMs)
            r->shelvedNow << s;
        if (s.outOfService)
            r->outOfServiceNow << s;
    }
    return true;
}

} // namespace

bool AlarmReport::compute(QSqlDatabase &db, qint64 fromMs, qint64 toMs, AlarmReport *report, QString *error)
{
    AlarmLoadPass pass(fromMs, toMs);
    if (toMs > fromMs && !scan(db, &pass, fromMs, toMs, error))
        return false;
    QHash<Key, qint64> lastRaises;
    pass.finish(report, &lastRaises);
    return addTexts(db, report, lastRaises, error) && heldNow(db, report, error);
}
