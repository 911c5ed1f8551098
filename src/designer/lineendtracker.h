#pragma once

#include "textfile.h"

#include <QObject>

class QTextDocument;

// Keeps the line end of every line of an edited file, so that a save writes
// back each line's own end, not one for the whole file. A line break typed
// or pasted takes the end of the line it goes into.
class LineEndTracker : public QObject
{
    Q_OBJECT

public:
    // ends: those of the text the document holds now, one per line break.
    LineEndTracker(QTextDocument *document, const QVector<TextFile::LineEnd> &ends);

    // The document's text with each line's own end.
    QString text() const;

private:
    void changed(int position, int charsRemoved, int charsAdded);

    QTextDocument *m_document;
    QVector<TextFile::LineEnd> m_ends; // one per block but the last
};
