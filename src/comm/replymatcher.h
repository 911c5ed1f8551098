#pragma once

#include <QHash>
#include <QStringList>
#include <QVector>

// Finds, for many variable names at once, which parts of a prepared reply
// name them: a part is a candidate for a name when the name occurs anywhere
// in it, and a match when its key equals the name or contains the name
// followed by ".value". The results are those of testing every name against
// every part, but one pass over the reply gives them all (an Aho-Corasick
// automaton over the names, built once per scheme).
class ReplyMatcher
{
public:
    struct Result
    {
        bool present = false;  // some part is a candidate
        QVector<int> matches;  // indices of the matching parts, in reply order
    };

    ReplyMatcher() = default;
    explicit ReplyMatcher(const QStringList &names);

    // One result per name given at construction, in that order.
    QVector<Result> scan(const QStringList &parts) const;

private:
    void build(const QStringList &patterns);
    int addPattern(const QString &pattern);
    int classOf(QChar c) const;
    void record(int code, int part, int position, int keyEnd, QVector<Result> &results,
                QVector<int> &matchedIn) const;

    QVector<int> m_nameIndex;   // name given -> distinct name
    QVector<int> m_lengths;     // per distinct name
    int m_distinct = 0;
    int m_emptyName = -1;       // the empty name occurs in every part

    int m_classes = 1;          // character classes; 0 is "in no name"
    int m_ascii[128] = {};
    QHash<ushort, int> m_otherClasses;
    QVector<int> m_delta;       // node * classes + class -> node
    QVector<int> m_outBegin;    // per node: its outputs in m_outputs
    QVector<int> m_outEnd;
    QVector<int> m_dict;        // nearest node on the failure chain with outputs
    QVector<int> m_outputs;     // distinct name * 2, + 1 for name + ".value"
};
