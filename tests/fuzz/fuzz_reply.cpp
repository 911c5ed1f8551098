// A reply frame from a controller: its decoding, the fast matcher and
// number decoding against their plain definitions, and the reader's and the
// writer's handling of the reply against what those definitions give.
#include "commandlanguage.h"
#include "dataset.h"
#include "fuzzcheck.h"
#include "replymatcher.h"
#include "schemereplydecoder.h"
#include "teskframe.h"

using namespace CommandLanguage;
using Reports = QList<QStringList>;

namespace {

// Port 0: nobody listens; the replies are fed in directly.
const QString kAddress = QStringLiteral("127.0.0.1");
const DeviceList kDevices = {{QStringLiteral("K"), kAddress, QStringLiteral("0"), QString()}};
const QStringList kTypes = QStringLiteral("temp int real logic percent combo").split(QLatin1Char(' '));

bool plainDecode(const QString &type, const QString &key, const QString &value, QString *out)
{
    const int t = kTypes.indexOf(type);
    if (t == 0 && !key.endsWith(QLatin1String(".err")))
        *out = QString::number(value.toDouble() / 10.0, 'g', 6);
    else if (t == 2)
        *out = QString::number(value.toDouble() + 0.0, 'g', 15);
    else if (t >= 1 && t <= 4)
        *out = QString::number(value.toLongLong(nullptr, 10));
    else
        return false;
    return true;
}

void checkFrameAndDecoding(const QByteArray &frame, const QStringList &parts)
{
    const QByteArray payload = frame.size() < 15 ? QByteArray() : frame.mid(12, frame.size() - 15);
    FUZZ_CHECK(TeskFrame::payloadOf(frame) == payload);
    FUZZ_CHECK(TeskFrame::replyText(frame) == QString::fromUtf8(payload.constData()));
    const QByteArray encoded = TeskFrame::encode(payload);
    FUZZ_CHECK(encoded.size() == payload.size() + 15 && TeskFrame::payloadOf(encoded) == payload
               && TeskFrame::checksumMatches(encoded));
    for (const QString &part : parts) {
        for (const QString &type : kTypes) {
            QString fast, plain;
            const bool decoded = decode(type, entryKey(part), entryValue(part), &fast);
            FUZZ_CHECK(decoded == plainDecode(type, entryKey(part), entryValue(part), &plain) && fast == plain);
        }
    }
}

// Fixed names, and names cut out of the reply so that they occur in it.
QStringList namesFor(const QStringList &parts)
{
    QStringList names{QStringLiteral("t1"), QStringLiteral("pump"), QString()};
    for (int i = 0; i < parts.size() && i < 4; ++i) {
        const QString key = entryKey(parts.at(i));
        names << key << key.left(key.size() / 2) << key.mid(key.size() / 3, 3);
    }
    return names;
}

// The reader's values and read errors ("!"), in the order it reports them
// (an unprocessable reply reports nothing: its controller counts as failing).
Reports readerReports(const QString &reply, const QList<TeskSchemeVariable> &variables)
{
    Reports reports;
    const QVector<QStringRef> parts = prepareValueRefs(reply);
    if (!isProcessable(parts))
        return reports;
    for (const SchemeReplyDecoder::Report &r : SchemeReplyDecoder(variables).decode(kDevices[0].id, parts)) {
        const TeskSchemeVariable &v = variables.at(r.variable);
        reports << (r.present ? QStringList{kAddress, v.qmlVar, r.value}
                              : QStringList{kAddress, v.devVar, v.qmlVar, QStringLiteral("!")});
    }
    return reports;
}

// The writer's read-back reports, then the values of the list it hands over.
Reports writerReports(const QString &reply, const EventRecord &event)
{
    DataSet writer;
    Reports reports;
    QObject::connect(&writer, &DataSet::dataReady, [&](const QStringList &r) { reports << r; });
    QObject::connect(&writer, &DataSet::allDataReady, [&](const QList<TeskSchemeVariable> &list) {
        reports << QStringList();
        for (const TeskSchemeVariable &v : list)
            reports.last() << v.value;
    });
    writer.setTargets({kAddress}, {kDevices[0].port});
    writer.setDevices(kDevices);
    writer.setEvent(event);
    writer.readValues(); // its request to port 0 fails only once the loop turns
    writer.readFinished(reply);
    return reports;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzApplication();
    const QByteArray frame(reinterpret_cast<const char *>(data), int(size));
    const QString reply = TeskFrame::replyText(frame);
    const QStringList parts = prepareValues(reply);
    checkFrameAndDecoding(frame, parts);

    // What the plain definitions give, variable by variable and part by part.
    const QStringList names = namesFor(parts);
    const ReplyMatcher::Found found = ReplyMatcher(names).scan(prepareValueRefs(reply));
    QList<TeskSchemeVariable> variables;
    QStringList finalValues;
    Reports reader, writer;
    EventRecord event;
    for (int i = 0; i < names.size(); ++i) {
        const TeskSchemeVariable v{kDevices[0].id, names.at(i), QStringLiteral("q%1").arg(i % 5),
                                   kTypes.at(i % kTypes.size()), QString()};
        variables << v;
        finalValues << QString();
        event.items << EventItemRecord{v.type, v.devVar, v.device, QString::number(i), {}};
        QVector<int> matches;
        bool present = false;
        for (int p = 0; p < parts.size(); ++p) {
            QString value = entryValue(parts.at(p));
            present = present || isCandidate(parts.at(p), v.devVar);
            if (!isCandidate(parts.at(p), v.devVar) || !isMatch(parts.at(p), v.devVar))
                continue;
            matches << p;
            if (plainDecode(v.type, entryKey(parts.at(p)), value, &value))
                reader << QStringList{kAddress, v.qmlVar, value};
            writer << QStringList{kAddress, QString::number(i), value};
            finalValues.last() = value;
        }
        if (!present)
            reader << QStringList{kAddress, v.devVar, v.qmlVar, QStringLiteral("!")};
        FUZZ_CHECK(found.present(i) == present && found.matches(i) == matches);
    }
    FUZZ_CHECK(readerReports(reply, variables) == (isProcessable(parts) ? reader : Reports()));
    // The writer takes any reply shaped "...(...);", values or none.
    const QString trimmed = reply.trimmed();
    const bool shaped = trimmed.contains(QLatin1Char('(')) && trimmed.endsWith(QLatin1String(");"));
    FUZZ_CHECK(writerReports(reply, event) == (shaped ? writer << finalValues : Reports()));
    return 0;
}
