#include "menufile.h"

#include "menutreelayout.h"
#include "schemefile.h"
#include "xmlsave.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QHash>
#include <QRegularExpression>

#include <limits>

namespace MenuFile {

namespace {

const QString kGroup = QStringLiteral("Group");
const QString kItem = QStringLiteral("Item");
const QString kTop = QStringLiteral("0");

// What the menu file names; the records are made once the whole file read.
struct Entry
{
    QString id;
    QString text;
    QString qmlFile;
    QString interval;
};

struct GroupEntry
{
    Entry group;
    QVector<Entry> schemes; // its direct Item children
};

Entry entryOf(const XmlRead::ElementStream &stream)
{
    return {stream.attribute(QStringLiteral("id")), stream.attribute(QStringLiteral("text")),
            stream.attribute(QStringLiteral("qmlFile")), stream.attribute(QStringLiteral("interval"))};
}

// Builds the rows, finding a group's parent by ID and its parent row by shown
// text, as the tree widget holds them (the last group matching wins in both).
class TreeBuilder
{
public:
    TreeBuilder(const QString &location, QStringList *unreadable)
        : m_location(location)
        , m_unreadable(unreadable)
    {
    }

    void addGroup(const Entry &g)
    {
        MenuItemRecord r;
        r.kind = MenuItemRecord::groupKind();
        r.text = g.text;
        r.id = g.id;
        int treeParent = -1;
        const int dot = g.id.lastIndexOf(QLatin1Char('.'));
        if (dot >= 0) {
            r.parent = g.id.left(dot);
            // A parent that does not exist leaves the group at the top level.
            const int parentRecord = m_lastGroupWithId.value(r.parent, -1);
            if (parentRecord >= 0)
                treeParent = m_lastGroupWithText.value(m_tree.records.at(parentRecord).text, -1);
        }
        append(r, treeParent);
    }

    void addScheme(const Entry &e, const QString &parent, int treeParent)
    {
        MenuItemRecord r;
        r.kind = MenuItemRecord::schemeKind();
        r.text = e.text;
        r.id = e.id;
        r.qmlFile = e.qmlFile;
        r.parent = parent;
        // An ID that is not a plain file name must not reach outside the folder.
        if (SchemeFile::isValidSchemeId(r.id)) {
            const QString definition = SchemeFile::path(m_location, r.id);
            if (SchemeFile::read(definition, r) == XmlRead::Status::Unreadable && m_unreadable)
                m_unreadable->append(definition);
        }
        r.interval = intervalFromText(e.interval);
        append(r, treeParent);
    }

    int lastRow() const { return m_tree.records.size() - 1; }
    MenuTree tree() const { return m_tree; }

private:
    // Only groups are looked up: a group's parent is a group, even where a
    // scheme shares its ID or text.
    void append(const MenuItemRecord &r, int treeParent)
    {
        if (r.isGroup()) {
            m_lastGroupWithId.insert(r.id, m_tree.records.size());
            m_lastGroupWithText.insert(r.text, m_tree.records.size());
        }
        m_tree.records.append(r);
        m_tree.treeParents.append(treeParent);
    }

    const QString m_location;
    QStringList *m_unreadable;
    MenuTree m_tree;
    QHash<QString, int> m_lastGroupWithId;
    QHash<QString, int> m_lastGroupWithText;
};

QDomElement recordElement(QDomDocument &doc, const MenuItemRecord &r, const QString &location,
                          QStringList &errors)
{
    QDomElement e = doc.createElement(r.kind);
    e.setAttribute(QStringLiteral("id"), r.id);
    e.setAttribute(QStringLiteral("text"), r.text);
    if (!r.isScheme())
        return e;
    e.setAttribute(QStringLiteral("qmlFile"), r.qmlFile);
    QString reason;
    if (!SchemeFile::isValidSchemeId(r.id, &reason)) {
        errors << r.id + QStringLiteral(".xml: ") + reason;
    } else {
        const QString error = SchemeFile::write(SchemeFile::path(location, r.id), r);
        if (!error.isEmpty())
            errors << error;
    }
    e.setAttribute(QStringLiteral("interval"), QString::number(r.interval));
    return e;
}

} // namespace

QString fileName()
{
    return QStringLiteral("menuList.xml");
}

int intervalFromText(const QString &text)
{
    // The refresh timer counts milliseconds in an int.
    const qlonglong longest = std::numeric_limits<int>::max() / 1000;
    static const QRegularExpression integer(QStringLiteral("^\\s*([+-]?)[0-9]+\\s*$"));
    const QRegularExpressionMatch match = integer.match(text);
    if (!match.hasMatch())
        return 0;
    bool ok = false;
    const qlonglong seconds = text.trimmed().toLongLong(&ok, 10);
    if (!ok)
        return match.captured(1) == QLatin1String("-") ? 0 : int(longest);
    return int(qBound(0LL, seconds, longest));
}

MenuTree read(const QString &location, QStringList *unreadable)
{
    QVector<GroupEntry> groups;   // in document order, a group before those nested in it
    QVector<Entry> topSchemes;    // Item children of the root
    QVector<int> openGroups;      // per open element: its group, or -1
    XmlRead::ElementStream stream(location + fileName());
    while (stream.next()) {
        const int depth = stream.depth();
        openGroups.resize(depth - 1);
        const int enclosing = depth >= 2 ? openGroups.at(depth - 2) : -1;
        int group = -1;
        if (depth >= 2 && stream.name() == kGroup) {
            groups.append({entryOf(stream), {}});
            group = groups.size() - 1;
        } else if (stream.name() == kItem && enclosing >= 0) {
            groups[enclosing].schemes.append(entryOf(stream));
        } else if (stream.name() == kItem && depth == 2) {
            topSchemes.append(entryOf(stream));
        }
        openGroups.append(group);
    }
    if (stream.status() != XmlRead::Status::Read) {
        if (stream.status() == XmlRead::Status::Unreadable && unreadable)
            unreadable->append(location + fileName());
        return MenuTree();
    }
    TreeBuilder builder(location, unreadable);
    for (const GroupEntry &g : qAsConst(groups)) {
        builder.addGroup(g.group);
        const int row = builder.lastRow();
        for (const Entry &e : g.schemes)
            builder.addScheme(e, g.group.id, row);
    }
    // Schemes at the top level: the writer puts them there, so they are read
    // back rather than lost.
    for (const Entry &e : qAsConst(topSchemes))
        builder.addScheme(e, kTop, -1);
    return builder.tree();
}

QStringList write(const QString &location, const QList<MenuItemRecord> &records)
{
    static const XmlSave::AttributeOrder order{
        {kGroup, {QStringLiteral("id"), QStringLiteral("text")}},
        {kItem, {QStringLiteral("id"), QStringLiteral("text"), QStringLiteral("qmlFile"), QStringLiteral("interval")}}};
    QStringList errors;
    QDomDocument doc = XmlSave::newDocument(QStringLiteral("menuList"));
    QDomElement root = doc.createElement(QStringLiteral("Menu"));
    doc.appendChild(root);

    // Each record goes into the group element made last with its parent's ID;
    // records whose group never comes are put at the top level rather than lost.
    QHash<QString, QDomElement> groupById;
    for (const MenuTreeLayout::Step &step : MenuTreeLayout::placementOrder(records, false, true)) {
        const MenuItemRecord &r = records.at(step.record);
        QDomElement host = r.parent == kTop || step.forcedTop ? root : groupById.value(r.parent);
        const QDomElement e = recordElement(doc, r, location, errors);
        host.appendChild(e);
        if (r.isGroup())
            groupById.insert(r.id, e);
    }
    const QString error = XmlSave::write(location + fileName(), doc, order);
    if (!error.isEmpty())
        errors.prepend(error);
    return errors;
}

} // namespace MenuFile
