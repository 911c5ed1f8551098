#include "historybackend.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace {

QString env(const char *name)
{
    return qEnvironmentVariable(name);
}

} // namespace

HistoryBackend::HistoryBackend(bool postgres, bool created)
    : m_postgres(postgres)
{
    if (!postgres || !postgresGiven())
        return;
    static QAtomicInt counter;
    m_record.driver = QStringLiteral("postgresql");
    m_record.host = env("TESK_TEST_PG_HOST");
    m_record.port = env("TESK_TEST_PG_PORT");
    m_record.user = env("TESK_TEST_PG_USER");
    m_record.database = QStringLiteral("tesk_test_%1_%2")
                            .arg(QCoreApplication::applicationPid())
                            .arg(counter.fetchAndAddRelaxed(1));
    QString ignored;
    if (created)
        create(&ignored);
}

HistoryBackend::~HistoryBackend()
{
    QString ignored;
    if (m_created)
        admin(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_record.database), &ignored);
}

bool HistoryBackend::postgresGiven()
{
    return !env("TESK_TEST_PG_HOST").isEmpty() && !env("TESK_TEST_PG_PORT").isEmpty()
        && !env("TESK_TEST_PG_USER").isEmpty() && !env("TESK_TEST_PG_DB").isEmpty();
}

bool HistoryBackend::create(QString *error)
{
    m_created = admin(QStringLiteral("CREATE DATABASE %1").arg(m_record.database), error);
    return m_created;
}

bool HistoryBackend::dropConnections(QString *error) const
{
    return admin(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = '%1'")
                     .arg(m_record.database),
                 error);
}

bool HistoryBackend::exec(const QStringList &statements, QString *error) const
{
    return run(m_postgres ? m_record.database : m_dir.filePath(QStringLiteral("history.sqlite")), statements, error);
}

bool HistoryBackend::admin(const QString &sql, QString *error) const
{
    return run(env("TESK_TEST_PG_DB"), {sql}, error);
}

bool HistoryBackend::run(const QString &database, const QStringList &statements, QString *error) const
{
    const QString name = QStringLiteral("tesk_test_admin");
    bool done = false;
    {
        QSqlDatabase db
            = QSqlDatabase::addDatabase(m_postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), name);
        db.setHostName(m_record.host);
        db.setPort(m_record.port.toInt());
        db.setUserName(m_record.user);
        db.setDatabaseName(database);
        if (db.open()) {
            QSqlQuery query(db);
            done = std::all_of(statements.cbegin(), statements.cend(),
                               [&](const QString &sql) { return query.exec(sql); });
            if (!done)
                *error = query.lastError().text();
        } else {
            *error = db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return done;
}
