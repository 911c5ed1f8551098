#include "eventitemaddedit.h"

#include "listitemaddedit.h"
#include "ui_eventitemaddedit.h"

#include <QDebug>
#include <QDir>

namespace {
const QStringList kTypes = {QStringLiteral("int"),     QStringLiteral("real"),  QStringLiteral("logic"),
                            QStringLiteral("temp"),    QStringLiteral("percent"), QStringLiteral("combo"),
                            QStringLiteral("list"),    QStringLiteral("scheme")};
} // namespace

EventItemAddEdit::EventItemAddEdit(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::EventItemAddEdit)
{
    ui->setupUi(this);
    // The variable is typed when its controller does not answer.
    for (QComboBox *c : {ui->comboBox_3, ui->comboBox_6}) {
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
    }
    m_catalog = new VariableCatalogRequest(this, ui->statusLabel);
    connect(m_catalog, &VariableCatalogRequest::namesRead, this, &EventItemAddEdit::namesRead);
    // A controller that does not answer: the dialog says so instead of
    // waiting for ever.
    connect(m_catalog, &VariableCatalogRequest::silent, this,
            [this] { ui->statusLabel->setText(tr("Sterownik nie odpowiada")); });
    reset();
}

EventItemAddEdit::~EventItemAddEdit()
{
    delete ui;
}

void EventItemAddEdit::reset()
{
    ui->typeCombo->setEnabled(true);
    ui->typeCombo->setCurrentIndex(0);
    on_typeCombo_currentIndexChanged(0);
    for (QComboBox *c : {ui->comboBox_2, ui->comboBox_3, ui->comboBox_4, ui->comboBox_5, ui->comboBox_6}) {
        const QSignalBlocker block(c);
        c->clear();
        c->clearEditText();
    }
    ui->treeWidget->clear();
    ui->lineEdit->clear();
    ui->lineEdit_2->clear();
    ui->statusLabel->clear();
    ui->delButton->setEnabled(false);
    m_item = EventItemRecord();
    setCursor(Qt::ArrowCursor);
}

void EventItemAddEdit::on_typeCombo_currentIndexChanged(int index)
{
    m_mode = index <= 4 ? Values : (index <= 6 ? Lists : Scheme);
    ui->stackedWidget->setCurrentIndex(m_mode == Values ? 0 : (m_mode == Scheme ? 1 : 2));
    ui->addButton->setVisible(m_mode == Lists);
    ui->delButton->setVisible(m_mode == Lists);
}

// The combos show "ID / description"; the ID itself rides with the entry,
// so an ID holding spaces is found all the same.
void EventItemAddEdit::setDevices(const DeviceList &devices)
{
    m_devices = devices;
    for (QComboBox *c : {ui->comboBox_2, ui->comboBox_5}) {
        const QSignalBlocker block(c);
        c->clear();
        for (const DeviceRecord &d : devices)
            c->addItem(d.id + QStringLiteral(" / ") + d.description, d.id);
        c->setCurrentIndex(-1);
    }
}

void EventItemAddEdit::setOtherItems(const QList<EventItemRecord> &items)
{
    m_others = items;
}

QStringList EventItemAddEdit::schemeIds(const QString &projectFolder)
{
    static const QStringList projectFiles = {QStringLiteral("deviceList.xml"), QStringLiteral("menuList.xml"),
                                             QStringLiteral("project.xml")};
    QStringList ids;
    const QStringList files = QDir(projectFolder).entryList(QDir::Files | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
    for (const QString &f : files) {
        if (!projectFiles.contains(f))
            ids << f.section(QLatin1Char('.'), 0, 0);
    }
    return ids;
}

void EventItemAddEdit::setProjectFolder(const QString &path)
{
    m_projectFolder = path;
    ui->comboBox_4->clear();
    ui->comboBox_4->addItems(schemeIds(path));
}

// The chosen controller; without a choice, the stored one (a controller
// since taken off the list stays the item's until another is chosen).
QString EventItemAddEdit::currentDevice() const
{
    return ui->comboBox_2->currentIndex() < 0 ? m_item.device : ui->comboBox_2->currentData().toString();
}

void EventItemAddEdit::on_comboBox_2_currentIndexChanged(int index)
{
    controllerChosen(index, ui->comboBox_5);
}

void EventItemAddEdit::on_comboBox_5_currentIndexChanged(int index)
{
    controllerChosen(index, ui->comboBox_2);
}

void EventItemAddEdit::controllerChosen(int index, QComboBox *other)
{
    if (index < 0)
        return;
    if (other->currentIndex() != index) {
        const QSignalBlocker block(other);
        other->setCurrentIndex(index);
    }
    VariableCatalogRequest::forgetNames(ui->comboBox_3);
    VariableCatalogRequest::forgetNames(ui->comboBox_6);
    const QString host = addressOf(m_devices, currentDevice());
    if (host.isEmpty())
        return;
    m_catalog->ask(host);
}

// The stored variable stays shown whether the controller lists it or not,
// and so does a name typed before the list came.
void EventItemAddEdit::namesRead(const QStringList &names)
{
    const QString shown = variableField()->currentText();
    ui->comboBox_3->clear();
    ui->comboBox_6->clear();
    for (const QString &name : names) {
        const bool taken = std::any_of(m_others.cbegin(), m_others.cend(), [&](const EventItemRecord &o) {
            return o.property == name && o.device == currentDevice();
        });
        if (taken)
            continue;
        ui->comboBox_3->addItem(name);
        ui->comboBox_6->addItem(name);
    }
    const QString keep = m_item.property.isEmpty() ? shown : m_item.property;
    if (!keep.isEmpty()) {
        ui->comboBox_3->setCurrentText(keep);
        ui->comboBox_6->setCurrentText(keep);
    }
}

QComboBox *EventItemAddEdit::variableField() const
{
    return m_mode == Lists ? ui->comboBox_6 : ui->comboBox_3;
}

void EventItemAddEdit::setItem(const EventItemRecord &item)
{
    ui->typeCombo->setCurrentIndex(qMax(0, kTypes.indexOf(item.type)));
    ui->typeCombo->setEnabled(false);
    m_item = item;
    if (m_mode == Scheme) {
        // A scheme whose file is not in the folder yet stays the target.
        if (ui->comboBox_4->findText(item.property) < 0)
            ui->comboBox_4->addItem(item.property);
        ui->comboBox_4->setCurrentText(item.property);
        return;
    }
    QComboBox *devices = m_mode == Values ? ui->comboBox_2 : ui->comboBox_5;
    devices->setCurrentIndex(devices->findData(item.device));
    ui->comboBox_3->setCurrentText(item.property);
    ui->comboBox_6->setCurrentText(item.property);
    (m_mode == Values ? ui->lineEdit : ui->lineEdit_2)->setText(item.name);
    rebuildChoices();
}

void EventItemAddEdit::rebuildChoices()
{
    ui->treeWidget->clear();
    for (const ListValueRecord &v : qAsConst(m_item.listValues))
        new QTreeWidgetItem(ui->treeWidget, {v.value, v.name});
}

void EventItemAddEdit::on_okButton_clicked()
{
    const int index = ui->typeCombo->currentIndex();
    if (m_mode == Values) {
        m_item.name = ui->lineEdit->text();
        m_item.device = currentDevice();
        m_item.property = ui->comboBox_3->currentText();
        m_item.type = kTypes.value(qMin(index, 4));
        m_item.listValues.clear();
        qDebug() << "newItem.name: " << m_item.name;
    } else if (m_mode == Lists) {
        m_item.name = ui->lineEdit_2->text();
        m_item.device = currentDevice();
        m_item.property = ui->comboBox_6->currentText();
        m_item.type = index == 5 ? QStringLiteral("combo") : QStringLiteral("list");
    } else {
        m_item.property = ui->comboBox_4->currentText();
        m_item.type = QStringLiteral("scheme");
        m_item.device = QStringLiteral("-");
        m_item.name = QStringLiteral("-");
        m_item.listValues.clear();
    }
    accept();
}

void EventItemAddEdit::on_closeButton_clicked()
{
    reset();
    reject();
}

void EventItemAddEdit::on_treeWidget_itemClicked(QTreeWidgetItem *item, int)
{
    for (const ListValueRecord &v : qAsConst(m_item.listValues)) {
        if (v.value == item->text(0))
            m_selectedChoice = v;
    }
    ui->delButton->setEnabled(true);
}

void EventItemAddEdit::on_addButton_clicked()
{
    listItemAddEdit dialog(this);
    dialog.setUsedValues(m_item.listValues);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_item.listValues << dialog.choice();
    rebuildChoices();
}

void EventItemAddEdit::on_treeWidget_itemDoubleClicked(QTreeWidgetItem *item, int)
{
    const QString value = item->text(0);
    QList<ListValueRecord> others;
    for (const ListValueRecord &v : qAsConst(m_item.listValues)) {
        if (v.value != value)
            others << v;
    }
    listItemAddEdit dialog(this);
    dialog.setUsedValues(others);
    dialog.setChoice(m_selectedChoice);
    if (dialog.exec() == QDialog::Accepted) {
        for (ListValueRecord &v : m_item.listValues) {
            if (v.value == value) {
                v = dialog.choice();
                break;
            }
        }
    }
    rebuildChoices();
}

void EventItemAddEdit::on_delButton_clicked()
{
    for (int i = 0; i < m_item.listValues.size(); ++i) {
        if (m_item.listValues.at(i).value == m_selectedChoice.value) {
            m_item.listValues.removeAt(i);
            break;
        }
    }
    rebuildChoices();
    ui->delButton->setEnabled(false);
}
