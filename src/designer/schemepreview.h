#pragma once

#include <QWidget>

class QDeclarativeZoomPan;

namespace Ui {
class SchemePreview;
}

// Shows the text being edited as the scheme view would show it, with the
// QML errors and their lines underneath.
class SchemePreview : public QWidget
{
    Q_OBJECT

public:
    explicit SchemePreview(QWidget *parent = nullptr);
    ~SchemePreview() override;

    // path: where the text belongs (its relative references start there).
    void show(const QString &path, const QString &text);
    QDeclarativeZoomPan *view() const { return m_view; }
    QStringList errorLines() const;

private:
    Ui::SchemePreview *ui;
    QDeclarativeZoomPan *m_view;
};
