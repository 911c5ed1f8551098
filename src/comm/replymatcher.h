#pragma once

#include <QHash>
#include <QStringList>
#include <QVector>

// Finds, for many variable names at once, which parts of a prepared reply
// name them: a part is a candidate for a name when the name occurs anywhere
// in it, and a match when its key equals the name or contains the name
// followed by ".value". The results are those of testing every name against
// every part, but one pass over the reply gives them all (an Aho-Corasick
// automaton over the names, built once per scheme; each occurrence of a name
// is then checked for being the whole key or for ".value" after it).
class ReplyMatcher
{
public:
    // What one scan found, asked by the position of a name as given at
    // construction.
    class Found
    {
    public:
        bool present(int name) const { return m_present.at(m_nameIndex.at(name)); }
        // Indices of the matching parts, in reply order.
        const int *begin(int name) const { return m_parts.constData() + m_offsets.at(m_nameIndex.at(name)); }
        const int *end(int name) const { return m_parts.constData() + m_offsets.at(m_nameIndex.at(name) + 1); }
        QVector<int> matches(int name) const { return QVector<int>(begin(name), end(name)); }

    private:
        friend class ReplyMatcher;
        QVector<int> m_nameIndex;
        QVector<char> m_present; // per distinct name
        QVector<int> m_offsets;  // per distinct name, into m_parts, plus the end
        QVector<int> m_parts;
    };

    ReplyMatcher() = default;
    explicit ReplyMatcher(const QStringList &names);

    Found scan(const QVector<QStringRef> &parts) const;

private:
    void build(const QStringList &patterns);
    int addPattern(const QString &pattern);
    int classOf(QChar c) const;
    struct Hit
    {
        int name;
        int part;
    };
    void namesEndingAt(int node, const QStringRef &part, int p, int position, int keyEnd, Found &found,
                       QVector<int> &matchedIn, QVector<Hit> &hits) const;
    void group(const QVector<Hit> &hits, Found &found) const;

    QVector<int> m_nameIndex;   // name given -> distinct name
    QVector<int> m_lengths;     // per distinct name
    int m_distinct = 0;
    int m_emptyName = -1;       // the empty name occurs in every part

    int m_classes = 1;          // character classes; 0 is "in no name"
    int m_ascii[128] = {};
    QHash<ushort, int> m_otherClasses;
    QVector<int> m_delta;       // node * classes + class -> node; once built, that node's row
                                // (node * classes), negated when the node reports names
    QVector<int> m_outBegin;    // per node: its outputs in m_outputs
    QVector<int> m_outEnd;
    QVector<int> m_dict;        // nearest node on the failure chain with outputs
    QVector<int> m_report;      // the node itself when it has outputs, else its m_dict
    QVector<int> m_outputs;     // distinct names ending at a node
};
