#include "simhistory.h"

#include "commandlanguage.h"
#include "controllerport.h"
#include "historycsv.h"
#include "pointreplyreader.h"
#include "samplefilter.h"
#include "simpastplan.h"

SimHistory::SimHistory(const QList<SimConfig::Entry> &entries, const MonitoringRecord &monitoring,
                       const DeviceList &devices)
    : m_entries(entries)
    , m_monitoring(monitoring)
    , m_devices(devices)
{
    QHash<QString, int> byDevice;
    for (int i = 0; i < monitoring.points.size(); ++i) {
        const MonitoringPoint &p = monitoring.points.at(i);
        const int entry = entryFor(p.device);
        if (entry < 0) {
            m_unsimulated << p.id;
            continue;
        }
        auto it = byDevice.constFind(p.device);
        if (it == byDevice.constEnd()) {
            it = byDevice.insert(p.device, m_readers.size());
            m_readers.append({p.device, entry, {}});
        }
        m_readers[it.value()].points.append(i);
    }
}

// The simulated controller at the device's address and port.
int SimHistory::entryFor(const QString &deviceId) const
{
    const DeviceRecord *d = deviceWithId(m_devices, deviceId);
    if (!d)
        return -1;
    const QHostAddress address(d->networkAdress);
    for (int i = 0; i < m_entries.size(); ++i) {
        const SimConfig::Entry &e = m_entries.at(i);
        if (e.address == address && e.port == ControllerPort::fromText(d->port))
            return i;
    }
    return -1;
}

bool SimHistory::write(int days, qint64 endMs, QTextStream &out, QString *error)
{
    const qint64 intervalMs = qint64(m_monitoring.interval) * 1000;
    const qint64 lastMs = endMs / intervalMs * intervalMs;
    const qint64 firstMs = lastMs - qint64(days) * 24 * 3600 * 1000;
    QVector<SimPastPlan> plans(m_entries.size());
    for (int i = 0; i < m_entries.size(); ++i) {
        SimConfig::Entry &e = m_entries[i];
        if (!plans[i].build(e.past, &e.controller, e.seed, firstMs, lastMs, error))
            return false;
    }
    const PointReplyReader reader(m_monitoring.points);
    SampleFilter filter;
    filter.setPoints(m_monitoring.points);
    QVector<HistorySample> readings(m_monitoring.points.size());
    out << HistoryCsv::sampleHeader();
    for (qint64 t = firstMs; t < lastMs; t += 1000) {
        for (int i = 0; i < m_entries.size(); ++i) {
            plans[i].apply(t);
            m_entries[i].controller.step(1.0);
        }
        if ((t - firstMs) % intervalMs != 0)
            continue;
        for (int i = 0; i < readings.size(); ++i)
            readings[i] = {m_monitoring.points.at(i).id, t, 0, HistorySample::Quality::NoAnswer};
        for (const Reader &r : qAsConst(m_readers)) {
            if (plans.at(r.entry).isSilent(t))
                continue;
            const QString reply = m_entries[r.entry].controller.answer(CommandLanguage::getAllCommand());
            reader.read(r.deviceId, r.points, reply, &readings);
        }
        for (const HistorySample &s : filter.recorded(readings))
            out << HistoryCsv::sampleRow(s);
    }
    return true;
}
