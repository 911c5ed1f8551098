#pragma once

#include <QStringList>
#include <QVariant>

// What the store's SQL says differently on SQLite and on PostgreSQL: the
// tables, the functions that merge rollups, and how a sample's value is
// kept.
//
// On SQLite a value that is an exact number of hundredths (a temperature
// read in tenths, a percentage, a switch) is kept as that integer, which
// takes one to three bytes instead of a double's eight; any other value is
// kept as a double, so that every value reads back exactly as it was given.
// The column has no declared type, so SQLite keeps each as it comes.
class HistoryDialect
{
public:
    explicit HistoryDialect(bool postgres = false)
        : m_postgres(postgres)
    {
    }

    bool isPostgres() const { return m_postgres; }
    // The statements that make the tables of schema version 1.
    QStringList schemaVersion1() const;
    // Version 2 adds the passes staged before they are folded in.
    QStringList schemaVersion2() const;
    QStringList schemaVersion3() const;
    // Version 4 indexes the samples that are not good, so that a trend
    // finds its gaps without reading every sample of its range.
    QStringList schemaVersion4() const;
    // Version 5 adds the audit trail.
    QStringList schemaVersion5() const;
    // Version 6 adds the lease of the engine that records and the alarm
    // actions other stations send it.
    QStringList schemaVersion6() const;
    // The store's clock in UTC milliseconds, as an SQL expression.
    QString nowMs() const;
    // The two-argument minimum and maximum of SQL values.
    QString least() const { return m_postgres ? QStringLiteral("LEAST") : QStringLiteral("min"); }
    QString greatest() const { return m_postgres ? QStringLiteral("GREATEST") : QStringLiteral("max"); }
    // The samples table read through its index of the samples that are not
    // good: SQLite's planner, without statistics, takes the primary key of
    // the same columns instead and reads every sample of the range.
    QString badSamples() const
    {
        return m_postgres ? QStringLiteral("samples") : QStringLiteral("samples INDEXED BY samples_bad");
    }
    // The samples' value column as a number, for SQL aggregates.
    QString valueExpression() const;

    // What is bound for a value; a null for NaN, which neither database keeps.
    QVariant encode(double value) const;
    double decode(const QVariant &stored) const;

private:
    bool m_postgres;
};
