#include "replymatcher.h"

#include "commandlanguage.h"

#include <QQueue>

namespace {
const QString kValueSuffix = QStringLiteral(".value");
}

ReplyMatcher::ReplyMatcher(const QStringList &names)
{
    QStringList distinct;
    QHash<QString, int> byName;
    for (const QString &name : names) {
        auto it = byName.constFind(name);
        if (it == byName.constEnd()) {
            it = byName.insert(name, distinct.size());
            distinct << name;
        }
        m_nameIndex << it.value();
    }
    m_distinct = distinct.size();
    m_emptyName = byName.value(QString(), -1);
    for (const QString &name : qAsConst(distinct))
        m_lengths << name.size();
    build(distinct);
}

int ReplyMatcher::classOf(QChar c) const
{
    const ushort u = c.unicode();
    return u < 128 ? m_ascii[u] : m_otherClasses.value(u, 0);
}

int ReplyMatcher::addPattern(const QString &pattern)
{
    int node = 0;
    for (const QChar c : pattern) {
        const int slot = node * m_classes + classOf(c);
        if (m_delta[slot] < 0) {
            m_delta[slot] = m_outBegin.size();
            m_delta.insert(m_delta.size(), m_classes, -1);
            m_outBegin.append(0);
        }
        node = m_delta[slot];
    }
    return node;
}

void ReplyMatcher::build(const QStringList &names)
{
    for (const QString &pattern : {names.join(QString()), kValueSuffix}) {
        for (const QChar c : pattern) {
            if (classOf(c) != 0)
                continue;
            if (c.unicode() < 128)
                m_ascii[c.unicode()] = m_classes++;
            else
                m_otherClasses.insert(c.unicode(), m_classes++);
        }
    }
    m_delta.fill(-1, m_classes);
    m_outBegin = {0};

    // Outputs per node, gathered before they are laid out flat.
    QHash<int, QVector<int>> ends;
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i).isEmpty())
            continue;
        ends[addPattern(names.at(i))].append(2 * i);
        ends[addPattern(names.at(i) + kValueSuffix)].append(2 * i + 1);
    }
    const int nodes = m_outBegin.size();
    m_outEnd.fill(0, nodes);
    for (int n = 0; n < nodes; ++n) {
        m_outBegin[n] = m_outputs.size();
        m_outputs += ends.value(n);
        m_outEnd[n] = m_outputs.size();
    }

    // Breadth first: failure links, then every missing transition borrowed
    // from the failure node, so scanning is one table step per character.
    QVector<int> fail(nodes, 0);
    m_dict.fill(-1, nodes);
    QQueue<int> queue;
    for (int c = 0; c < m_classes; ++c) {
        int &next = m_delta[c];
        if (next < 0)
            next = 0;
        else
            queue.enqueue(next);
    }
    while (!queue.isEmpty()) {
        const int u = queue.dequeue();
        const int f = fail[u];
        for (int c = 0; c < m_classes; ++c) {
            int &next = m_delta[u * m_classes + c];
            if (next < 0) {
                next = m_delta[f * m_classes + c];
                continue;
            }
            const int nextFail = m_delta[f * m_classes + c];
            fail[next] = nextFail;
            m_dict[next] = m_outBegin[nextFail] < m_outEnd[nextFail] ? nextFail : m_dict[nextFail];
            queue.enqueue(next);
        }
    }
}

void ReplyMatcher::record(int code, int part, int position, int keyEnd, QVector<Result> &results,
                          QVector<int> &matchedIn) const
{
    const int name = code >> 1;
    bool match = false;
    if ((code & 1) == 0) {
        results[name].present = true;
        // The name from the first character to the "=": the key is the name.
        match = position == keyEnd - 1 && m_lengths[name] == keyEnd;
    } else {
        // name + ".value" inside the key; the name occurs there too.
        match = position < keyEnd;
    }
    if (match && matchedIn[name] != part) {
        matchedIn[name] = part;
        results[name].matches.append(part);
    }
}

QVector<ReplyMatcher::Result> ReplyMatcher::scan(const QStringList &parts) const
{
    QVector<Result> distinct(m_distinct);
    QVector<int> matchedIn(m_distinct, -1);
    for (int p = 0; m_distinct > 0 && p < parts.size(); ++p) {
        const QString &part = parts.at(p);
        const int eq = part.indexOf(QLatin1Char('='));
        const int keyEnd = eq < 0 ? part.size() : eq;
        int state = 0;
        for (int i = 0; i < part.size(); ++i) {
            state = m_delta[state * m_classes + classOf(part.at(i))];
            for (int node = m_outBegin[state] < m_outEnd[state] ? state : m_dict[state]; node >= 0;
                 node = m_dict[node]) {
                for (int o = m_outBegin[node]; o < m_outEnd[node]; ++o)
                    record(m_outputs[o], p, i, keyEnd, distinct, matchedIn);
            }
        }
        if (m_emptyName >= 0) {
            distinct[m_emptyName].present = true;
            if (matchedIn[m_emptyName] != p && CommandLanguage::isMatch(part, QString())) {
                matchedIn[m_emptyName] = p;
                distinct[m_emptyName].matches.append(p);
            }
        }
    }
    QVector<Result> results;
    results.reserve(m_nameIndex.size());
    for (int index : m_nameIndex)
        results.append(distinct.at(index));
    return results;
}
