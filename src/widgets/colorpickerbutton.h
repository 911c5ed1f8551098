#pragma once

#include <QFrame>

// The "more" button of the picker's popup: opens the colour dialog.
class ColorPickerButton : public QFrame
{
    Q_OBJECT

public:
    explicit ColorPickerButton(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    static bool isPressKey(int key);
    static bool isArrowKey(int key);
};
