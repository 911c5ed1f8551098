#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QStringList>

// The store's points: each point ID has a small integer key, which is what
// the samples and rollups hold, so that a sample does not repeat its name.
class HistoryPoints
{
public:
    bool load(QSqlDatabase &db, QString *error);
    void clear() { m_keys.clear(); }

    // -1 when the store has no such point, or when the look-up fails (then
    // error says why). Points another connection added since the load are
    // looked up in the database.
    int find(QSqlDatabase &db, const QString &id, QString *error);
    // Adds the point when it is new; -1 when that fails.
    int ensure(QSqlDatabase &db, const QString &id, QString *error);
    QList<int> keys() const { return m_keys.values(); }

private:
    QHash<QString, int> m_keys;
};
