#include "stagedpasses.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

// point (4 bytes), time (8), value (8, the double's bits), quality (1),
// little-endian.
const int kRecordBytes = 21;

bool before(const StagedPasses::Sample &a, const StagedPasses::Sample &b)
{
    return a.point != b.point ? a.point < b.point : a.timeMs < b.timeMs;
}

void put(char *at, const StagedPasses::Sample &s)
{
    quint64 bits;
    std::memcpy(&bits, &s.value, sizeof bits);
    qToLittleEndian<qint32>(s.point, at);
    qToLittleEndian<qint64>(s.timeMs, at + 4);
    qToLittleEndian<quint64>(bits, at + 12);
    at[20] = char(s.quality);
}

StagedPasses::Sample take(const char *at)
{
    StagedPasses::Sample s;
    s.point = qFromLittleEndian<qint32>(at);
    s.timeMs = qFromLittleEndian<qint64>(at + 4);
    const quint64 bits = qFromLittleEndian<quint64>(at + 12);
    std::memcpy(&s.value, &bits, sizeof bits);
    s.quality = HistorySample::Quality(quint8(at[20]));
    return s;
}

int pointAt(const char *records, int i)
{
    return qFromLittleEndian<qint32>(records + i * kRecordBytes);
}

// Of several samples of one point and time the last is kept, as if they had
// been written one after another.
QByteArray encode(QVector<StagedPasses::Sample> &samples)
{
    std::stable_sort(samples.begin(), samples.end(), before);
    QByteArray data(samples.size() * kRecordBytes, Qt::Uninitialized);
    int kept = 0;
    for (int i = 0; i < samples.size(); ++i) {
        const bool overwritten = i + 1 < samples.size() && !before(samples.at(i), samples.at(i + 1));
        if (!overwritten)
            put(data.data() + kept++ * kRecordBytes, samples.at(i));
    }
    data.truncate(kept * kRecordBytes);
    return data;
}

QString damaged()
{
    return QCoreApplication::translate("StagedPasses", "uszkodzony zapis ostatnich przebiegów w historii");
}

} // namespace

bool StagedPasses::load(QSqlDatabase &db, QString *error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT sum(n), min(t_first), max(t_last) FROM recent")) || !query.next()) {
        *error = query.lastError().text();
        return false;
    }
    m_count = query.value(0).toLongLong();
    m_firstMs = query.value(1).toLongLong();
    m_lastMs = query.value(2).toLongLong();
    return true;
}

bool StagedPasses::append(QSqlDatabase &db, QVector<Sample> samples, QString *error)
{
    if (samples.isEmpty())
        return true;
    const auto [first, last] = std::minmax_element(samples.cbegin(), samples.cend(),
        [](const Sample &a, const Sample &b) { return a.timeMs < b.timeMs; });
    const qint64 firstMs = first->timeMs;
    const qint64 lastMs = last->timeMs;
    const QByteArray data = encode(samples);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO recent (t_first, t_last, n, data) VALUES (?, ?, ?, ?)"));
    query.addBindValue(firstMs);
    query.addBindValue(lastMs);
    query.addBindValue(data.size() / kRecordBytes);
    query.addBindValue(data);
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    m_firstMs = m_count ? qMin(m_firstMs, firstMs) : firstMs;
    m_lastMs = m_count ? qMax(m_lastMs, lastMs) : lastMs;
    m_count += data.size() / kRecordBytes;
    return true;
}

bool StagedPasses::readAll(QSqlDatabase &db, QVector<Sample> *samples, QString *error) const
{
    samples->reserve(int(m_count));
    const bool read = select(db, QString(), {},
                             [&](const QByteArray &data) {
                                 for (int i = 0; i < data.size() / kRecordBytes; ++i)
                                     samples->append(take(data.constData() + i * kRecordBytes));
                             },
                             error);
    std::stable_sort(samples->begin(), samples->end(), before);
    return read;
}

bool StagedPasses::read(QSqlDatabase &db, int point, qint64 fromMs, qint64 toMs, QVector<Sample> *samples,
                        QString *error) const
{
    return select(db, QStringLiteral(" WHERE t_last >= ? AND t_first < ?"), {fromMs, toMs},
                  [&](const QByteArray &data) {
                      const int count = data.size() / kRecordBytes;
                      int low = 0;
                      for (int high = count; low < high;) {
                          const int mid = (low + high) / 2;
                          if (pointAt(data.constData(), mid) < point)
                              low = mid + 1;
                          else
                              high = mid;
                      }
                      for (int i = low; i < count && pointAt(data.constData(), i) == point; ++i) {
                          const Sample s = take(data.constData() + i * kRecordBytes);
                          if (s.timeMs >= fromMs && s.timeMs < toMs)
                              samples->append(s);
                      }
                  },
                  error);
}

bool StagedPasses::clear(QSqlDatabase &db, QString *error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("DELETE FROM recent"))) {
        *error = query.lastError().text();
        return false;
    }
    m_count = 0;
    return true;
}

bool StagedPasses::select(QSqlDatabase &db, const QString &where, const QVariantList &values,
                          const std::function<void(const QByteArray &)> &each, QString *error) const
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT data FROM recent%1 ORDER BY pass").arg(where));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    while (query.next()) {
        const QByteArray data = query.value(0).toByteArray();
        if (data.size() % kRecordBytes) {
            *error = damaged();
            return false;
        }
        each(data);
    }
    if (!query.lastError().isValid())
        return true;
    *error = query.lastError().text();
    return false;
}
