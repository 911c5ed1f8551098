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
    for (const QChar c : names.join(QString())) {
        if (classOf(c) != 0)
            continue;
        if (c.unicode() < 128)
            m_ascii[c.unicode()] = m_classes++;
        else
            m_otherClasses.insert(c.unicode(), m_classes++);
    }
    m_delta.fill(-1, m_classes);
    m_outBegin = {0};

    // Outputs per node, gathered before they are laid out flat.
    QHash<int, QVector<int>> ends;
    for (int i = 0; i < names.size(); ++i) {
        if (!names.at(i).isEmpty())
            ends[addPattern(names.at(i))].append(i);
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
    m_report.resize(nodes);
    for (int n = 0; n < nodes; ++n)
        m_report[n] = m_outBegin[n] < m_outEnd[n] ? n : m_dict[n];

    // The walk steps from row to row; a step into a node that reports
    // names is negated, so that most characters cost one table read.
    for (int &next : m_delta) {
        const int row = next * m_classes;
        next = m_report[next] >= 0 ? ~row : row;
    }
}

// Every name ending at position of the part p is present; the part matches
// it when the name is the whole key, or is followed by ".value" inside the key.
void ReplyMatcher::namesEndingAt(int node, const QStringRef &part, int p, int position, int keyEnd, Found &found,
                                 QVector<int> &matchedIn, QVector<Hit> &hits) const
{
    for (node = m_report[node]; node >= 0; node = m_dict[node]) {
        for (int o = m_outBegin[node]; o < m_outEnd[node]; ++o) {
            const int name = m_outputs[o];
            found.m_present[name] = true;
            if (matchedIn[name] == p)
                continue;
            const bool wholeKey = position == keyEnd - 1 && m_lengths[name] == keyEnd;
            const bool valueInKey = position + kValueSuffix.size() < keyEnd
                && part.mid(position + 1, kValueSuffix.size()) == kValueSuffix;
            if (wholeKey || valueInKey) {
                matchedIn[name] = p;
                hits.append({name, p});
            }
        }
    }
}

// Hits come in reply order; grouped by name they stay in that order.
void ReplyMatcher::group(const QVector<Hit> &hits, Found &found) const
{
    found.m_offsets.fill(0, m_distinct + 1);
    for (const Hit &h : hits)
        ++found.m_offsets[h.name + 1];
    for (int n = 0; n < m_distinct; ++n)
        found.m_offsets[n + 1] += found.m_offsets[n];
    QVector<int> next = found.m_offsets;
    found.m_parts.resize(hits.size());
    for (const Hit &h : hits)
        found.m_parts[next[h.name]++] = h.part;
}

ReplyMatcher::Found ReplyMatcher::scan(const QVector<QStringRef> &parts) const
{
    Found found;
    found.m_nameIndex = m_nameIndex;
    found.m_present.fill(false, m_distinct);
    QVector<int> matchedIn(m_distinct, -1);
    QVector<Hit> hits;
    // A plain pointer: the compiler keeps it in a register for the walk.
    const int *step = m_delta.constData();
    for (int p = 0; m_distinct > 0 && p < parts.size(); ++p) {
        const QStringRef &part = parts.at(p);
        const int eq = part.indexOf(QLatin1Char('='));
        const int keyEnd = eq < 0 ? part.size() : eq;
        const QChar *text = part.constData();
        const int size = part.size();
        int row = 0;
        for (int i = 0; i < size; ++i) {
            row = step[row + classOf(text[i])];
            if (row < 0) {
                row = ~row;
                namesEndingAt(row / m_classes, part, p, i, keyEnd, found, matchedIn, hits);
            }
        }
        if (m_emptyName >= 0) {
            found.m_present[m_emptyName] = true;
            if (matchedIn[m_emptyName] != p && CommandLanguage::isMatch(part.toString(), QString())) {
                matchedIn[m_emptyName] = p;
                hits.append({m_emptyName, p});
            }
        }
    }
    group(hits, found);
    return found;
}
