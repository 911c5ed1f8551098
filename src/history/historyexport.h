#pragma once

#include <QString>
#include <QStringList>

class HistoryStore;
struct MonitoringRecord;

// What an export covers: the points in their order, fromMs <= time < toMs,
// and the step (0: every raw sample; else the min, max and average of each
// step that has good values, the steps starting at fromMs or, when fromMs is
// 0, at the step that holds the first sample recorded).
struct HistoryExportRange
{
    QStringList points;
    qint64 fromMs = 0;
    qint64 toMs = 0;
    qint64 stepMs = 0;
};

// The one export of the history as CSV, for tesk-history and the window.
namespace HistoryExport {

// A step series past this many steps would not fit in memory.
constexpr qint64 kMaxSteps = 10'000'000;

enum class Failure { None, StoreUnreadable, TooManySteps };

struct Csv
{
    QString text;
    qint64 rows = 0; // below the header
    Failure failure = Failure::None;
    QString detail; // the store's error, or the number of steps asked
};

Csv csv(HistoryStore &store, const HistoryExportRange &range);

struct Written
{
    qint64 rows = 0;
    QString error; // empty on success
};

// Opens the project's store for reading on a connection of the calling
// thread, exports, and replaces the file at path only once all of it is
// written.
Written toFile(const MonitoringRecord &record, const QString &projectDir, const HistoryExportRange &range,
               const QString &path);

} // namespace HistoryExport
