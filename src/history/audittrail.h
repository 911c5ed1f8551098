#pragma once

#include "auditquery.h"
#include "auditrecord.h"

#include <QVector>

class QSqlDatabase;
class StatementCache;

// The audit table of a store: appended to and never changed, nor purged.
// Runs inside the caller's transaction.
namespace AuditTrail {

bool append(QSqlDatabase &db, StatementCache &statements, const QVector<AuditRecord> &records, QString *error);
// The rows the query asks for, oldest first, rows of one time in the order
// they were written.
bool read(QSqlDatabase &db, StatementCache &statements, const AuditQuery &query, QVector<AuditRecord> *records,
          QString *error);

} // namespace AuditTrail
