#include "variableaddedit.h"

#include "qmltext.h"
#include "ui_variableaddedit.h"
#include "variabletypes.h"

variableAddEdit::variableAddEdit(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::variableAddEdit)
{
    ui->setupUi(this);
    ui->devVarCombo->setEditable(true);
    ui->qmlVarCombo->setEditable(true);
    m_catalog = new VariableCatalogRequest(this, ui->statusLabel);
    connect(m_catalog, &VariableCatalogRequest::namesRead, this, &variableAddEdit::namesRead);
    // A controller that does not answer: the dialog says so; the names can
    // still be typed.
    connect(m_catalog, &VariableCatalogRequest::silent, this,
            [this] { ui->statusLabel->setText(tr("Sterownik ") + m_address + tr(" nie odpowiada")); });
}

variableAddEdit::~variableAddEdit()
{
    delete ui;
}

void variableAddEdit::setProjectFolder(const QString &path)
{
    m_projectFolder = path;
}

// The combo shows "ID / description"; the ID itself is kept with the item,
// so an ID holding spaces is found all the same.
void variableAddEdit::setDevices(const DeviceList &devices)
{
    m_devices = devices;
    ui->deviceCombo->clear();
    for (const DeviceRecord &d : devices)
        ui->deviceCombo->addItem(d.id + QStringLiteral(" / ") + d.description, d.id);
}

void variableAddEdit::setScheme(const MenuItemRecord &record)
{
    m_scheme = record;
    ui->qmlVarCombo->clear();
    QStringList names = QmlText::propertyNames(QmlText::readFile(m_projectFolder + record.qmlFile));
    names.removeDuplicates();
    ui->qmlVarCombo->addItems(names);
    disconnect(m_deviceConnection);
    m_deviceConnection = connect(ui->deviceCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
                                 &variableAddEdit::deviceChanged);
}

void variableAddEdit::reset()
{
    for (QComboBox *c : {ui->deviceCombo, ui->devVarCombo, ui->qmlVarCombo, ui->comboBox}) {
        const QSignalBlocker block(c);
        c->setCurrentIndex(-1);
    }
    ui->devVarCombo->clearEditText();
    ui->qmlVarCombo->clearEditText();
    ui->statusLabel->clear();
    m_variable = TeskSchemeVariable();
}

void variableAddEdit::setVariable(const TeskSchemeVariable &variable)
{
    m_variable = variable;
    ui->comboBox->setCurrentIndex(variableTypes().indexOf(variable.type));
    ui->qmlVarCombo->setCurrentText(variable.qmlVar);
    ui->devVarCombo->setCurrentText(variable.devVar);
    {
        const QSignalBlocker block(ui->deviceCombo);
        ui->deviceCombo->setCurrentIndex(ui->deviceCombo->findData(variable.device));
    }
    askController(variable.device);
}

void variableAddEdit::deviceChanged()
{
    askController(ui->deviceCombo->currentData().toString());
}

void variableAddEdit::askController(const QString &deviceId)
{
    VariableCatalogRequest::forgetNames(ui->devVarCombo);
    m_address = addressOf(m_devices, deviceId);
    if (m_address.isEmpty())
        return;
    m_catalog->ask(m_address);
}

void variableAddEdit::namesRead(const QStringList &names)
{
    const QString typed = ui->devVarCombo->currentText();
    ui->devVarCombo->clear();
    ui->devVarCombo->addItems(names);
    ui->devVarCombo->setCurrentText(m_variable.devVar.isEmpty() ? typed : m_variable.devVar);
}

TeskSchemeVariable variableAddEdit::variable() const
{
    TeskSchemeVariable v = m_variable;
    if (ui->deviceCombo->currentIndex() >= 0) // else the stored controller stays
        v.device = ui->deviceCombo->currentData().toString();
    v.devVar = ui->devVarCombo->currentText();
    v.qmlVar = ui->qmlVarCombo->currentText();
    if (ui->comboBox->currentIndex() >= 0)
        v.type = variableTypes().value(ui->comboBox->currentIndex());
    return v;
}

void variableAddEdit::on_saveBtn_clicked()
{
    disconnect(m_deviceConnection);
    accept();
}

void variableAddEdit::on_cancelBtn_clicked()
{
    disconnect(m_deviceConnection);
    reject();
}
