#pragma once

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

// The text language spoken with controllers: the commands we send, and how a
// reply is cut into entries, matched to configured variables and decoded.
namespace CommandLanguage {

QString getAllCommand();      // get_all;
QString describeAllCommand(); // describe_all;
QString identityCommand();    // get(dev.mac;dev.serial;dev.ver;);
// get(a;b;); names are inserted as they are, without quoting.
QString getCommand(const QStringList &names);
// set(a=1;b=2;); values are sent exactly as given.
QString setCommand(const QList<QPair<QString, QString>> &assignments);

// The three ways replies are cut into parts ("prepared"), all keeping
// empty parts:
// reader and writer: trim, drop through the first "(", drop the last two characters;
QStringList prepareValues(const QString &reply);
// the same parts as pieces of the reply, copying nothing: the reader's way;
QVector<QStringRef> prepareValueRefs(const QString &reply);
// device editor: trim, drop the last three characters, drop through the first "(";
QStringList prepareForDeviceEditor(const QString &reply);
// variable and event item editors: trim, drop through the first "(".
QStringList prepareDescription(const QString &reply);

// Reader and writer handle a prepared reply only when it has two or more parts.
bool isProcessable(const QStringList &parts);
bool isProcessable(const QVector<QStringRef> &parts);

// An entry's key and value: the texts before and after its first "=". A part
// without "=" is all key.
QString entryKey(const QString &part);
QString entryValue(const QString &part);

// A part is a candidate for a variable when the name occurs anywhere in it,
// and a match when its key is the name or contains name + ".value".
bool isCandidate(const QString &part, const QString &devVar);
bool isMatch(const QString &part, const QString &devVar);

// What the parts of a reply to "set(" say the controller kept of devVar
// (the last entry that matches); false when they lack it: it refused the
// value.
bool keptValue(const QStringList &parts, const QString &devVar, QString *kept);
// Values that read as the same number ("055" and "55") are the same value.
bool sameValue(const QString &sent, const QString &kept);

// Decodes a matched entry by the scheme type word ("temp": tenths of a
// degree; "int", "real", "logic", "percent": integers). Returns false when the
// type is not decoded (other words, and "temp" with a key ending ".err").
bool decode(const QString &schemeType, const QString &key, const QString &value, QString *decoded);
bool decode(const QString &schemeType, const QStringRef &key, const QStringRef &value, QString *decoded);

// The key and the value of a part, without copying them.
QStringRef entryKeyRef(const QStringRef &part);
QStringRef entryValueRef(const QStringRef &part);

struct Identity
{
    QString mac;     // six parts joined by ":"
    QString serial;  // 0000-0000-x-000000
    QString version; // three parts joined by "."
};
// From the parts of an identity reply (dev.mac.k, dev.serial.k, dev.ver.k).
Identity composeIdentity(const QStringList &parts);

// The variable names a description offers, in reply order: keys cut at their
// last ".", a name equal to the one before it not repeated. Parts whose key
// has no "." (the closing part) give no name.
QStringList variableCatalogue(const QStringList &parts);

} // namespace CommandLanguage
