#include "lineendtracker.h"

#include <QTextBlock>
#include <QTextDocument>

LineEndTracker::LineEndTracker(QTextDocument *document, const QVector<TextFile::LineEnd> &ends)
    : QObject(document)
    , m_document(document)
    , m_ends(ends)
{
    connect(document, &QTextDocument::contentsChange, this, &LineEndTracker::changed);
}

QString LineEndTracker::text() const
{
    QStringList lines;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return TextFile::joinLines(lines, m_ends);
}

// The document tells where a change starts and how long it is now, not what
// it replaced: the breaks it removed follow from the block count. A change
// that only re-formats text reports its range as removed and added again,
// so breaks removed and added in one change pair up in order, keeping their
// ends.
void LineEndTracker::changed(int position, int, int charsAdded)
{
    const int last = m_document->characterCount() - 1;
    const int first = m_document->findBlock(position).blockNumber();
    const int added = m_document->findBlock(qMin(position + charsAdded, last)).blockNumber() - first;
    const int removed = qBound(0, int(m_ends.size()) - (m_document->blockCount() - 1) + added, int(m_ends.size()) - first);
    const int kept = qMin(removed, added);
    const TextFile::LineEnd fresh = m_ends.value(first + removed, m_ends.value(first - 1, TextFile::LineEnd::Lf));
    m_ends.remove(first + kept, removed - kept);
    m_ends.insert(first + kept, added - kept, fresh);
}
