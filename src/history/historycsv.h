#pragma once

#include "alarmevent.h"
#include "auditrecord.h"
#include "historysample.h"
#include "historystep.h"

#include <QStringList>

// History as CSV (RFC 4180: a field with a comma, a quote or a line break
// is quoted, UTF-8, "\n" line ends), with times in ISO 8601 UTC to the
// millisecond ("2026-12-07T05:53:55.123Z").
namespace HistoryCsv {

QString sampleHeader(); // "time,point,value,quality\n"
QString stepHeader();   // "time,point,min,max,avg,count\n"
QString sampleRow(const HistorySample &s);
QString stepRow(const QString &point, const HistoryStep &s);
QString alarmHeader(); // "time,point,kind,priority,event,value,user,comment,text\n"
QString alarmRow(const AlarmEvent &e);
QString auditHeader(); // "time,user,station,action,controller,variable,before,sent,confirmed,detail\n"
QString auditRow(const AuditRecord &r);

QString timeText(qint64 utcMs);
// An ISO 8601 time, or a date alone (its midnight); UTC unless it names an
// offset. False when it is neither.
bool parseTime(const QString &text, qint64 *utcMs);
QString qualityText(HistorySample::Quality quality);
bool parseQuality(const QString &text, HistorySample::Quality *quality);

// The records of a CSV text, each a list of fields; false, with the line
// it stopped at, when a quoted field is not closed.
bool parseRecords(const QString &text, QList<QStringList> *records, int *badLine);
// A record of the sample columns as a sample; false, with why, when a field
// does not read.
bool parseSample(const QStringList &record, HistorySample *sample, QString *why);

} // namespace HistoryCsv
