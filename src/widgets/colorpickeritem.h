#pragma once

#include <QColor>
#include <QFrame>

// One colour swatch of the picker's popup grid.
class ColorPickerItem : public QFrame
{
    Q_OBJECT

public:
    ColorPickerItem(const QColor &color, const QString &text, QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    QString text() const { return m_text; }
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

signals:
    void selected();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QColor m_color;
    QString m_text;
    bool m_selected = false;
};
