#pragma once

#include <QColor>
#include <QDialog>

class QtColorPicker;

namespace Ui {
class AddPlotDialog;
}

// Asks how a variable is drawn on the device editor's chart.
class AddPlotDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AddPlotDialog(const QString &parameterName, QWidget *parent = nullptr);
    ~AddPlotDialog() override;

    QString name() const;
    int lineStyle() const;
    int interpolation() const;
    double lineWidth() const;
    QColor color() const { return m_color; }
    QtColorPicker *colorPicker() const { return m_picker; }

private slots:
    void on_okButton_clicked();
    void on_CancelButton_clicked();
    void colorChanged(const QColor &color);

private:
    Ui::AddPlotDialog *ui;
    QtColorPicker *m_picker;
    QColor m_color;
};
