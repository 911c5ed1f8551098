#pragma once

#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QVector>

// Colours QML and JavaScript: keywords and basic types, element names,
// strings, numbers and comments (block comments across lines too).
class QmlHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    explicit QmlHighlighter(QTextDocument *document);

    enum Kind { Keyword, Element, String, Number, Comment };
    // The format given to a kind of text, for tests and for the look.
    QTextCharFormat format(Kind kind) const { return m_formats.at(kind); }

protected:
    void highlightBlock(const QString &text) override;

private:
    struct Rule
    {
        QRegularExpression pattern;
        Kind kind;
    };
    void blockComments(const QString &text);

    QVector<Rule> m_rules;
    QVector<QTextCharFormat> m_formats;
};
