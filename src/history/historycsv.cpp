#include "historycsv.h"

#include <QDateTime>

#include <cmath>
#include <utility>

namespace {

const QStringList kQualities{QStringLiteral("good"), QStringLiteral("noanswer"), QStringLiteral("missing"),
                             QStringLiteral("error")};

QString field(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString number(double v)
{
    return QString::number(v, 'g', 15);
}

QString row(const QStringList &fields)
{
    QStringList out;
    for (const QString &f : fields)
        out << field(f);
    return out.join(QLatin1Char(',')) + QLatin1Char('\n');
}

} // namespace

namespace HistoryCsv {

QString sampleHeader()
{
    return QStringLiteral("time,point,value,quality\n");
}

QString stepHeader()
{
    return QStringLiteral("time,point,min,max,avg,count\n");
}

// The value as the program shows it; none for a pass without one.
QString sampleRow(const HistorySample &s)
{
    return row({timeText(s.timeMs), s.point, s.hasValue() ? number(s.value) : QString(), qualityText(s.quality)});
}

QString stepRow(const QString &point, const HistoryStep &s)
{
    return row({timeText(s.startMs), point, number(s.min), number(s.max), number(s.avg), QString::number(s.count)});
}

QString alarmHeader()
{
    return QStringLiteral("time,point,kind,priority,event,value,user,comment,text\n");
}

QString alarmRow(const AlarmEvent &e)
{
    return row({timeText(e.timeMs), e.point, e.kind, QString::number(e.priority), AlarmEvent::eventName(e.event),
                qIsNaN(e.value) ? QString() : number(e.value), e.user, e.comment, e.text});
}

QString auditHeader()
{
    return QStringLiteral("time,user,station,action,controller,variable,before,sent,confirmed,detail\n");
}

QString auditRow(const AuditRecord &r)
{
    return row({timeText(r.timeMs), r.user, r.station, AuditRecord::actionName(r.action), r.controller, r.variable,
                r.before, r.sent, r.confirmed, r.detail});
}

QString timeText(qint64 utcMs)
{
    return QDateTime::fromMSecsSinceEpoch(utcMs, Qt::UTC).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"));
}

bool parseTime(const QString &text, qint64 *utcMs)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid() && text.size() == 10) {
        *utcMs = QDateTime(date, QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
        return true;
    }
    QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!time.isValid() || !text.contains(QLatin1Char('T')))
        return false;
    if (time.timeSpec() == Qt::LocalTime)
        time.setTimeSpec(Qt::UTC);
    *utcMs = time.toMSecsSinceEpoch();
    return true;
}

QString qualityText(HistorySample::Quality quality)
{
    return kQualities.at(int(quality));
}

bool parseQuality(const QString &text, HistorySample::Quality *quality)
{
    const int index = kQualities.indexOf(text);
    if (index < 0)
        return false;
    *quality = HistorySample::Quality(index);
    return true;
}

bool parseRecords(const QString &text, QList<QStringList> *records, int *badLine)
{
    QStringList fields;
    QString current;
    bool quoted = false;
    bool any = false; // the record has begun
    int line = 1;
    int quoteLine = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                current += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                line += c == QLatin1Char('\n');
                current += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            quoteLine = line;
            any = true;
        } else if (c == QLatin1Char(',')) {
            fields << std::exchange(current, QString());
            any = true;
        } else if (c == QLatin1Char('\n')) {
            if (any || !current.isEmpty())
                records->append(fields << std::exchange(current, QString()));
            fields.clear();
            any = false;
            ++line;
        } else if (c != QLatin1Char('\r')) {
            current += c;
        }
    }
    if (quoted) {
        *badLine = quoteLine;
        return false;
    }
    if (any || !current.isEmpty())
        records->append(fields << current);
    return true;
}

bool parseSample(const QStringList &record, HistorySample *sample, QString *why)
{
    if (record.size() != 4) {
        *why = QStringLiteral("expected 4 fields (time,point,value,quality), found %1").arg(record.size());
        return false;
    }
    if (!parseTime(record.at(0), &sample->timeMs)) {
        *why = QStringLiteral("not a time: ") + record.at(0);
        return false;
    }
    sample->point = record.at(1);
    if (!parseQuality(record.at(3), &sample->quality)) {
        *why = QStringLiteral("not a quality (good, noanswer, missing, error): ") + record.at(3);
        return false;
    }
    bool ok = true;
    sample->value = sample->hasValue() ? record.at(2).toDouble(&ok) : 0;
    if (!ok || !std::isfinite(sample->value)) {
        *why = QStringLiteral("not a value: ") + record.at(2);
        return false;
    }
    return true;
}

} // namespace HistoryCsv
