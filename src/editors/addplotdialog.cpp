#include "addplotdialog.h"

#include "qtcolorpicker.h"
#include "ui_addplotdialog.h"

AddPlotDialog::AddPlotDialog(const QString &parameterName, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AddPlotDialog)
    , m_picker(new QtColorPicker(this, -1, true))
{
    ui->setupUi(this);
    ui->lineEdit->setText(parameterName);
    m_picker->setStandardColors();
    // The line takes the colour the picker shows, chosen or not.
    m_color = m_picker->currentColor();
    ui->formLayout->setWidget(4, QFormLayout::FieldRole, m_picker);
    connect(m_picker, &QtColorPicker::colorChanged, this, &AddPlotDialog::colorChanged);
}

AddPlotDialog::~AddPlotDialog()
{
    delete ui;
}

QString AddPlotDialog::name() const
{
    return ui->lineEdit->text();
}

int AddPlotDialog::lineStyle() const
{
    return ui->lineStyleCombo->currentIndex();
}

int AddPlotDialog::interpolation() const
{
    return ui->interpolationCombo->currentIndex();
}

double AddPlotDialog::lineWidth() const
{
    return ui->doubleSpinBox->value();
}

void AddPlotDialog::colorChanged(const QColor &color)
{
    m_color = color;
}

void AddPlotDialog::on_okButton_clicked()
{
    accept();
}

void AddPlotDialog::on_CancelButton_clicked()
{
    reject();
}
