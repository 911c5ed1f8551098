#pragma once

#include <QString>

class HistoryStore;
struct MonitoringRecord;

// What the windows beside the recorder share to read the store. Each call
// opens it for reading on a connection of the calling thread; the errors
// are sentences for the operator.
namespace StoreRead {

// What an export to a file did.
struct Written
{
    qint64 rows = 0;
    QString error; // empty on success
};

bool open(HistoryStore &store, const MonitoringRecord &record, const QString &projectDir, QString *error);
// The store's own error, said as the windows say it.
QString unavailable(const QString &why);
// text as UTF-8 in the file at path, replaced only once all of it is
// written. Returns an empty string on success, else why not.
QString save(const QString &path, const QString &text);

} // namespace StoreRead
