#include "passwordhash.h"

#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace PasswordHash {

namespace {

const QString kScheme = QStringLiteral("pbkdf2-sha256");
const int kSaltBytes = 16;
const int kHashBytes = 32;
const int kMostIterations = 10'000'000;

struct Parsed
{
    int iterations = 0;
    QByteArray salt;
    QByteArray hash;
};

bool decode(const QString &base64, QByteArray *out)
{
    const QByteArray::FromBase64Result r
        = QByteArray::fromBase64Encoding(base64.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    *out = r.decoded;
    return r.decodingStatus == QByteArray::Base64DecodingStatus::Ok;
}

bool parse(const QString &stored, Parsed *p)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts.at(0) != kScheme)
        return false;
    bool ok = false;
    p->iterations = parts.at(1).toInt(&ok);
    return ok && p->iterations >= iterations() && p->iterations <= kMostIterations && decode(parts.at(2), &p->salt)
        && p->salt.size() >= kSaltBytes && decode(parts.at(3), &p->hash) && p->hash.size() == kHashBytes;
}

// A password typed as composed or as decomposed characters is the same.
QByteArray bytesOf(const QString &password)
{
    return password.normalized(QString::NormalizationForm_C).toUtf8();
}

bool sameInConstantTime(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (int i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a.at(i) ^ b.at(i));
    return difference == 0;
}

} // namespace

int iterations()
{
    return 100'000;
}

QString make(const QString &password)
{
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(salt.data()), kSaltBytes / 4);
    const QByteArray hash = derive(bytesOf(password), salt, iterations(), kHashBytes);
    return QStringList{kScheme, QString::number(iterations()), QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(hash.toBase64())}
        .join(QLatin1Char('$'));
}

bool isUsable(const QString &stored)
{
    Parsed p;
    return parse(stored, &p);
}

bool matches(const QString &password, const QString &stored)
{
    Parsed p;
    return parse(stored, &p) && sameInConstantTime(derive(bytesOf(password), p.salt, p.iterations, kHashBytes), p.hash);
}

void spendTime(const QString &password)
{
    derive(bytesOf(password), QByteArray(kSaltBytes, '\0'), iterations(), kHashBytes);
}

QByteArray derive(const QByteArray &password, const QByteArray &salt, int iterations, int length)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password, salt, iterations, quint64(length));
}

} // namespace PasswordHash
