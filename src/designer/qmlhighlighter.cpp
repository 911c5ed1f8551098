#include "qmlhighlighter.h"

namespace {

QTextCharFormat coloured(const QColor &colour, bool bold = false, bool italic = false)
{
    QTextCharFormat f;
    f.setForeground(colour);
    if (bold)
        f.setFontWeight(QFont::Bold);
    f.setFontItalic(italic);
    return f;
}

const QRegularExpression kCommentStart(QStringLiteral("/\\*"));
const QRegularExpression kCommentEnd(QStringLiteral("\\*/"));

} // namespace

QmlHighlighter::QmlHighlighter(QTextDocument *document)
    : QSyntaxHighlighter(document)
{
    m_formats = {coloured(QColor(0x1f, 0x3a, 0x93), true), coloured(QColor(0x80, 0x00, 0x80)),
                 coloured(QColor(0x00, 0x80, 0x00)), coloured(QColor(0xa0, 0x50, 0x00)),
                 coloured(QColor(0x80, 0x80, 0x80), false, true)};
    const QString keywords = QStringLiteral(
        "\\b(?:import|property|signal|function|var|if|else|for|while|do|return|switch|case|break|continue|"
        "new|delete|typeof|in|true|false|null|undefined|this|parent|default|readonly|alias|int|real|bool|"
        "string|color|variant|url|date|double|list|on)\\b");
    m_rules = {{QRegularExpression(keywords), Keyword},
               {QRegularExpression(QStringLiteral("\\b[A-Z][A-Za-z0-9_]*\\b")), Element},
               {QRegularExpression(QStringLiteral("\\b\\d+(?:\\.\\d+)?\\b")), Number},
               {QRegularExpression(QStringLiteral("\"(?:[^\"\\\\]|\\\\.)*\"|'(?:[^'\\\\]|\\\\.)*'")), String},
               {QRegularExpression(QStringLiteral("//[^\\n]*")), Comment}};
}

void QmlHighlighter::highlightBlock(const QString &text)
{
    // Later rules win: a keyword inside a string or a comment is not one.
    for (const Rule &rule : qAsConst(m_rules)) {
        for (auto it = rule.pattern.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            setFormat(m.capturedStart(), m.capturedLength(), m_formats.at(rule.kind));
        }
    }
    blockComments(text);
}

void QmlHighlighter::blockComments(const QString &text)
{
    setCurrentBlockState(0);
    int start = previousBlockState() == 1 ? 0 : text.indexOf(kCommentStart);
    while (start >= 0) {
        const QRegularExpressionMatch end = kCommentEnd.match(text, start);
        int length = 0;
        if (end.hasMatch()) {
            length = end.capturedEnd() - start;
        } else {
            setCurrentBlockState(1);
            length = text.size() - start;
        }
        setFormat(start, length, m_formats.at(Comment));
        start = text.indexOf(kCommentStart, start + length);
    }
}
