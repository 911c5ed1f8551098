#include "pointreplyreader.h"

#include "commandlanguage.h"

#include <QHash>

namespace {

// The err attributes a reply carries, by the name of their variable.
QHash<QStringRef, QStringRef> errorsOf(const QVector<QStringRef> &parts)
{
    QHash<QStringRef, QStringRef> errors;
    const QLatin1String suffix(".err");
    for (const QStringRef &part : parts) {
        const QStringRef key = CommandLanguage::entryKeyRef(part);
        if (key.endsWith(suffix))
            errors.insert(key.left(key.size() - suffix.size()), CommandLanguage::entryValueRef(part));
    }
    return errors;
}

QList<TeskSchemeVariable> variablesOf(const QList<MonitoringPoint> &points)
{
    QList<TeskSchemeVariable> variables;
    for (const MonitoringPoint &p : points)
        variables.append({p.device, p.devVar, p.id, p.type, QString()});
    return variables;
}

} // namespace

PointReplyReader::PointReplyReader(const QList<MonitoringPoint> &points)
    : m_points(points)
    , m_decoder(variablesOf(points))
{
}

void PointReplyReader::read(const QString &deviceId, const QVector<int> &points, const QString &reply,
                            QVector<HistorySample> *readings) const
{
    const QVector<QStringRef> parts = CommandLanguage::prepareValueRefs(reply);
    if (!CommandLanguage::isProcessable(parts))
        return;
    for (const int point : points)
        (*readings)[point].quality = HistorySample::Quality::Missing;
    const QHash<QStringRef, QStringRef> errors = errorsOf(parts);
    for (const SchemeReplyDecoder::Report &r : m_decoder.decode(deviceId, parts)) {
        if (!r.present)
            continue;
        HistorySample &s = (*readings)[r.variable];
        s.value = r.value.toDouble();
        const QStringRef err = errors.value(QStringRef(&m_points.at(r.variable).devVar));
        s.quality = err.isEmpty() || err == QLatin1String("0") ? HistorySample::Quality::Good
                                                                 : HistorySample::Quality::Error;
    }
}
