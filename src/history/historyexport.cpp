#include "historyexport.h"

#include "historycsv.h"
#include "historystore.h"
#include "monitoringrecord.h"
#include "storeread.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace {

using HistoryExport::Csv;
using HistoryExport::Failure;

QString tr(const char *text)
{
    return QCoreApplication::translate("HistoryExport", text);
}

Csv failed(Failure failure, const QString &detail)
{
    Csv result;
    result.failure = failure;
    result.detail = detail;
    return result;
}

Csv samples(HistoryStore &store, const HistoryExportRange &range)
{
    Csv result;
    result.text = HistoryCsv::sampleHeader();
    for (const QString &point : range.points) {
        QString error;
        const QVector<HistorySample> rows = store.samples(point, range.fromMs, range.toMs, &error);
        if (!error.isEmpty())
            return failed(Failure::StoreUnreadable, error);
        for (const HistorySample &s : rows)
            result.text += HistoryCsv::sampleRow(s);
        result.rows += rows.size();
    }
    return result;
}

Csv steps(HistoryStore &store, HistoryExportRange range)
{
    QString error;
    if (range.fromMs == 0) {
        HistoryStats stats;
        if (!store.stats(&stats, &error))
            return failed(Failure::StoreUnreadable, error);
        range.fromMs = stats.samples > 0 ? stats.firstMs - stats.firstMs % range.stepMs : range.toMs - range.stepMs;
    }
    const qint64 count = (range.toMs - range.fromMs + range.stepMs - 1) / range.stepMs;
    if (count > HistoryExport::kMaxSteps)
        return failed(Failure::TooManySteps, QString::number(count));
    Csv result;
    result.text = HistoryCsv::stepHeader();
    for (const QString &point : qAsConst(range.points)) {
        const QVector<HistoryStep> rows =
            store.steps(point, range.fromMs, range.fromMs + count * range.stepMs, int(count), &error);
        if (!error.isEmpty())
            return failed(Failure::StoreUnreadable, error);
        for (const HistoryStep &s : rows) {
            if (s.count > 0) {
                result.text += HistoryCsv::stepRow(point, s);
                ++result.rows;
            }
        }
    }
    return result;
}

} // namespace

namespace HistoryExport {

Csv csv(HistoryStore &store, const HistoryExportRange &range)
{
    return range.stepMs > 0 ? steps(store, range) : samples(store, range);
}

Written toFile(const MonitoringRecord &record, const QString &projectDir, const HistoryExportRange &range,
               const QString &path)
{
    Written written;
    HistoryStore store;
    QString error;
    if (!store.openForReading(record.store, projectDir, record.retentionDays, record.rollupDays, &error)) {
        written.error = StoreRead::unavailable(error);
        return written;
    }
    const Csv exported = csv(store, range);
    if (exported.failure == Failure::StoreUnreadable) {
        written.error = StoreRead::unavailable(exported.detail);
        return written;
    }
    if (exported.failure == Failure::TooManySteps) {
        written.error = tr("za dużo kroków: %1 (najwyżej %2)").arg(exported.detail).arg(kMaxSteps);
        return written;
    }
    QSaveFile file(path);
    const QByteArray bytes = exported.text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        written.error = tr("nie można zapisać pliku %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return written;
    }
    written.rows = exported.rows;
    return written;
}

} // namespace HistoryExport
