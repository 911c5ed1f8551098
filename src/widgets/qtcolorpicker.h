#pragma once

#include <QColor>
#include <QPushButton>

class ColorPickerPopup;

// A button showing the current colour that opens a grid of colours (and,
// through its "more" button, the colour dialog).
class QtColorPicker : public QPushButton
{
    Q_OBJECT

public:
    explicit QtColorPicker(QWidget *parent = nullptr, int columns = -1, bool enableColorDialog = true);

    void insertColor(const QColor &color, const QString &text = QString(), int index = -1);
    void setStandardColors();
    QColor currentColor() const { return m_color; }
    ColorPickerPopup *popup() const { return m_popup; }

public slots:
    void setCurrentColor(const QColor &color);

signals:
    void colorChanged(const QColor &color);

private slots:
    void buttonPressed(bool toggled);
    void popupClosed();

private:
    void showSwatch();

    QColor m_color = Qt::black;
    ColorPickerPopup *m_popup;
    bool m_colorDialog;
    bool m_firstInserted = false;
};
