#pragma once

#include <QWidget>

class CodeEditor;

// The gutter of a CodeEditor: it only asks the editor how wide to be and
// how to paint itself.
class LineNumberArea : public QWidget
{
    Q_OBJECT

public:
    explicit LineNumberArea(CodeEditor *editor);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CodeEditor *m_editor;
};
