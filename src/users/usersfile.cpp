#include "usersfile.h"

#include "unreadablecopy.h"
#include "xmlkeep.h"
#include "xmlsave.h"

#include <QDomDocument>

namespace {

const QString kRoot = QStringLiteral("Users");
const QString kUser = QStringLiteral("User");

const QStringList &userAttributes()
{
    static const QStringList names{QStringLiteral("name"), QStringLiteral("fullName"), QStringLiteral("role"),
                                   QStringLiteral("password")};
    return names;
}

UserRecord readUser(const QDomElement &e)
{
    return {e.attribute(QStringLiteral("name")), e.attribute(QStringLiteral("fullName")),
            e.attribute(QStringLiteral("role")), e.attribute(QStringLiteral("password"))};
}

// The User elements of the file on disk by name, in their order, so that
// two entries of one name keep their own.
QHash<QString, QList<QDomElement>> oldUsers(const QDomElement &root)
{
    QHash<QString, QList<QDomElement>> users;
    for (QDomElement e = root.firstChildElement(kUser); !e.isNull(); e = e.nextSiblingElement(kUser))
        users[e.attribute(QStringLiteral("name"))].append(e);
    return users;
}

QDomElement userElement(QDomDocument &doc, const UserRecord &u, const QDomElement &old)
{
    QDomElement e = doc.createElement(kUser);
    e.setAttribute(QStringLiteral("name"), u.name);
    e.setAttribute(QStringLiteral("fullName"), u.fullName);
    e.setAttribute(QStringLiteral("role"), u.role);
    e.setAttribute(QStringLiteral("password"), u.password);
    if (old.isNull())
        return e;
    XmlKeep::unknownAttributes(old, userAttributes(), e);
    for (QDomElement child = old.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        e.appendChild(doc.importNode(child, true));
    return e;
}

// A document of another kind is no file of users.
XmlRead::Status parseUsers(const QString &path, QDomDocument &doc)
{
    const XmlRead::Status status = XmlRead::parse(path, doc);
    if (status == XmlRead::Status::Read && doc.documentElement().tagName() != kRoot)
        return XmlRead::Status::Unreadable;
    return status;
}

} // namespace

namespace UsersFile {

QString fileName()
{
    return QStringLiteral("users.xml");
}

QList<UserRecord> read(const QString &path, XmlRead::Status *status)
{
    QDomDocument doc;
    const XmlRead::Status parsed = parseUsers(path, doc);
    if (status)
        *status = parsed;
    QList<UserRecord> users;
    if (parsed != XmlRead::Status::Read)
        return users;
    for (QDomElement e = doc.documentElement().firstChildElement(kUser); !e.isNull(); e = e.nextSiblingElement(kUser))
        users.append(readUser(e));
    return users;
}

QString write(const QString &path, const QList<UserRecord> &users)
{
    static const XmlSave::AttributeOrder order{{kUser, userAttributes()}};
    QDomDocument old;
    const XmlRead::Status status = parseUsers(path, old);
    if (status == XmlRead::Status::Unreadable) {
        const QString error = UnreadableCopy::keep(path);
        if (!error.isEmpty())
            return error;
    }
    const QDomElement oldRoot = status == XmlRead::Status::Read ? old.documentElement() : QDomElement();
    QHash<QString, QList<QDomElement>> extras = oldUsers(oldRoot);
    QDomDocument doc = XmlSave::newDocument(QStringLiteral("users"));
    QDomElement root = doc.createElement(kRoot);
    doc.appendChild(root);
    for (const UserRecord &u : users) {
        QList<QDomElement> &same = extras[u.name];
        root.appendChild(userElement(doc, u, same.isEmpty() ? QDomElement() : same.takeFirst()));
    }
    XmlKeep::unknownAttributes(oldRoot, {}, root);
    for (QDomElement e = oldRoot.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() != kUser)
            root.appendChild(doc.importNode(e, true));
    }
    return XmlSave::write(path, doc, order);
}

} // namespace UsersFile
