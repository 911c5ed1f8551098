#include "menufile.h"

#include "schemefile.h"
#include "xmlread.h"
#include "xmlsave.h"

#include <QCoreApplication>
#include <QDomDocument>

namespace MenuFile {

namespace {

const QString kGroup = QStringLiteral("Group");
const QString kItem = QStringLiteral("Item");

int lastRecordWithId(const QList<MenuItemRecord> &records, const QString &id)
{
    for (int i = records.size() - 1; i >= 0; --i) {
        if (records.at(i).id == id)
            return i;
    }
    return -1;
}

// Tree items are found by their shown text, as the tree widget holds them.
int lastRecordWithText(const QList<MenuItemRecord> &records, const QString &text)
{
    for (int i = records.size() - 1; i >= 0; --i) {
        if (records.at(i).text == text)
            return i;
    }
    return -1;
}

void appendScheme(MenuTree &tree, const QDomElement &e, const QString &parent, int treeParent,
                  const QString &location)
{
    MenuItemRecord r;
    r.kind = MenuItemRecord::schemeKind();
    r.text = e.attribute(QStringLiteral("text"));
    r.id = e.attribute(QStringLiteral("id"));
    r.qmlFile = e.attribute(QStringLiteral("qmlFile"));
    r.parent = parent;
    // An ID that is not a plain file name must not reach outside the folder.
    if (SchemeFile::isValidSchemeId(r.id)) {
        const QString definition = SchemeFile::path(location, r.id);
        r.readVariables = SchemeFile::readVariables(definition);
        r.events = SchemeFile::readEvents(definition);
    }
    r.interval = e.attribute(QStringLiteral("interval")).toInt(nullptr, 10);
    tree.records.append(r);
    tree.treeParents.append(treeParent);
}

void appendGroup(MenuTree &tree, const QDomElement &g, const QString &location)
{
    const QString id = g.attribute(QStringLiteral("id"));
    const QStringList parts = id.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    MenuItemRecord r;
    r.kind = MenuItemRecord::groupKind();
    r.text = g.attribute(QStringLiteral("text"));
    r.id = id;
    int treeParent = -1;
    if (parts.size() > 1) {
        r.parent = parts.mid(0, parts.size() - 1).join(QLatin1Char('.'));
        const int parentRecord = lastRecordWithId(tree.records, r.parent);
        // A parent that does not exist leaves the group at the top level.
        if (parentRecord >= 0)
            treeParent = lastRecordWithText(tree.records, tree.records.at(parentRecord).text);
    }
    tree.records.append(r);
    tree.treeParents.append(treeParent);
    const int groupIndex = tree.records.size() - 1;
    for (QDomElement e = g.firstChildElement(kItem); !e.isNull(); e = e.nextSiblingElement(kItem))
        appendScheme(tree, e, id, groupIndex, location);
}

QDomElement recordElement(QDomDocument &doc, const MenuItemRecord &r, const QString &location,
                          QStringList &errors)
{
    QDomElement e = doc.createElement(r.kind);
    e.setAttribute(QStringLiteral("id"), r.id);
    e.setAttribute(QStringLiteral("text"), r.text);
    if (!r.isScheme())
        return e;
    e.setAttribute(QStringLiteral("qmlFile"), r.qmlFile);
    if (!SchemeFile::isValidSchemeId(r.id)) {
        errors << r.id + QStringLiteral(".xml: ")
                + QCoreApplication::translate("MenuFile", "identyfikator schematu nie jest poprawną nazwą pliku");
    } else {
        const QString path = SchemeFile::path(location, r.id);
        const QString error = SchemeFile::write(path, r);
        if (!error.isEmpty())
            errors << path + QStringLiteral(": ") + error;
    }
    e.setAttribute(QStringLiteral("interval"), QString::number(r.interval));
    return e;
}

// The last group element with this ID, in document order.
QDomElement lastGroup(const QDomElement &root, const QString &id)
{
    QDomElement found;
    const QDomNodeList groups = root.elementsByTagName(kGroup);
    for (int i = 0; i < groups.size(); ++i) {
        const QDomElement g = groups.at(i).toElement();
        if (g.attribute(QStringLiteral("id")) == id)
            found = g;
    }
    return found;
}

} // namespace

QString fileName()
{
    return QStringLiteral("menuList.xml");
}

MenuTree read(const QString &location)
{
    MenuTree tree;
    QDomDocument doc;
    if (!XmlRead::parse(location + fileName(), doc))
        return tree;
    const QDomElement root = doc.documentElement();
    const QDomNodeList groups = root.elementsByTagName(kGroup);
    for (int i = 0; i < groups.size(); ++i)
        appendGroup(tree, groups.at(i).toElement(), location);
    // Schemes at the top level: the writer puts them there, so they are read
    // back rather than lost.
    for (QDomElement e = root.firstChildElement(kItem); !e.isNull(); e = e.nextSiblingElement(kItem))
        appendScheme(tree, e, QStringLiteral("0"), -1, location);
    return tree;
}

QStringList write(const QString &location, const QList<MenuItemRecord> &records)
{
    QStringList errors;
    QDomDocument doc = XmlSave::newDocument(QStringLiteral("menuList"));
    QDomElement root = doc.createElement(QStringLiteral("Menu"));
    doc.appendChild(root);

    QVector<bool> placed(records.size(), false);
    int left = records.size();
    bool progress = true;
    // Passes place each record once its group is in the document; records
    // whose group never comes are put at the top level rather than lost.
    while (left > 0) {
        const bool lastResort = !progress;
        progress = false;
        for (int i = 0; i < records.size(); ++i) {
            if (placed[i])
                continue;
            const MenuItemRecord &r = records.at(i);
            QDomElement host = r.parent == QLatin1String("0") ? root : lastGroup(root, r.parent);
            if (host.isNull() && lastResort)
                host = root;
            if (host.isNull())
                continue;
            host.appendChild(recordElement(doc, r, location, errors));
            placed[i] = true;
            --left;
            progress = true;
            if (lastResort)
                break;
        }
    }
    const QString error = XmlSave::write(location + fileName(), doc);
    if (!error.isEmpty())
        errors.prepend(location + fileName() + QStringLiteral(": ") + error);
    return errors;
}

} // namespace MenuFile
