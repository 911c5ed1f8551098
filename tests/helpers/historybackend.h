#pragma once

#include "monitoringrecord.h"
#include "tempworkdir.h"

#include <QString>

// Where one test case keeps its history: a SQLite file in a temporary
// folder, or a database of its own on the PostgreSQL server that
// scripts/test starts (TESK_TEST_PG_HOST, _PORT, _USER, _DB; the password
// through libpq's PGPASSWORD), dropped again when the case ends.
class HistoryBackend
{
public:
    // created false: the PostgreSQL database is made only by create().
    explicit HistoryBackend(bool postgres, bool created = true);
    ~HistoryBackend();
    HistoryBackend(const HistoryBackend &) = delete;
    HistoryBackend &operator=(const HistoryBackend &) = delete;

    static bool postgresGiven();
    bool isPostgres() const { return m_postgres; }
    const StoreRecord &record() const { return m_record; }
    QString projectDir() const { return m_dir.path(); }
    const TempWorkDir &dir() const { return m_dir; }
    bool create(QString *error);
    // Ends every connection to the case's database, as a server restart would.
    bool dropConnections(QString *error) const;
    // Runs the statements in order on the case's own store (history.sqlite
    // of its folder, or its database), up to the first that fails.
    bool exec(const QStringList &statements, QString *error) const;

private:
    bool admin(const QString &sql, QString *error) const;
    bool run(const QString &database, const QStringList &statements, QString *error) const;

    bool m_postgres;
    bool m_created = false;
    TempWorkDir m_dir;
    StoreRecord m_record;
};
