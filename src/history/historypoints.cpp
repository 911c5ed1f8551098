#include "historypoints.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

bool HistoryPoints::load(QSqlDatabase &db, QString *error)
{
    m_keys.clear();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, name FROM points"))) {
        *error = query.lastError().text();
        return false;
    }
    while (query.next())
        m_keys.insert(query.value(1).toString(), query.value(0).toInt());
    return true;
}

int HistoryPoints::find(QSqlDatabase &db, const QString &id, QString *error)
{
    const auto known = m_keys.constFind(id);
    if (known != m_keys.constEnd())
        return *known;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT id FROM points WHERE name = ?"));
    query.addBindValue(id);
    if (!query.exec()) {
        *error = query.lastError().text();
        return -1;
    }
    if (!query.next())
        return -1;
    const int key = query.value(0).toInt();
    m_keys.insert(id, key);
    return key;
}

int HistoryPoints::ensure(QSqlDatabase &db, const QString &id, QString *error)
{
    const int known = find(db, id, error);
    if (known >= 0 || !error->isEmpty())
        return known;
    QSqlQuery query(db);
    // Another connection may add the same point meanwhile.
    query.prepare(QStringLiteral("INSERT INTO points (name) VALUES (?) ON CONFLICT (name) DO NOTHING"));
    query.addBindValue(id);
    if (!query.exec()) {
        *error = query.lastError().text();
        return -1;
    }
    const int added = find(db, id, error);
    if (added < 0 && error->isEmpty())
        *error = QStringLiteral("point %1 not added").arg(id);
    return added;
}
