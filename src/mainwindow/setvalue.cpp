#include "setvalue.h"

#include "ui_setvalue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QSpinBox>

#include <limits>

namespace {

constexpr double kTempLimit = 65535.0;

QString fieldName(const TeskSchemeVariable &v)
{
    return v.devVar + v.device;
}

QString nameOfValue(const EventItemRecord *item, const QString &value)
{
    QString name;
    if (item) {
        for (const ListValueRecord &choice : item->listValues) {
            if (choice.value == value)
                name = choice.name;
        }
    }
    return name;
}

QString valueOfName(const EventItemRecord *item, const QString &name, bool *found)
{
    QString value;
    *found = false;
    if (item) {
        for (const ListValueRecord &choice : item->listValues) {
            if (choice.name == name) {
                value = choice.value;
                *found = true;
            }
        }
    }
    return value;
}

QWidget *comboField(const TeskSchemeVariable &v, const EventItemRecord *item)
{
    auto *box = new QComboBox;
    if (item) {
        for (const ListValueRecord &choice : item->listValues)
            box->insertItem(0, choice.name);
    }
    const int current = box->findText(nameOfValue(item, v.value));
    if (current >= 0)
        box->setCurrentIndex(current);
    return box;
}

QWidget *listField(const TeskSchemeVariable &v, const EventItemRecord *item)
{
    auto *list = new QListWidget;
    if (item) {
        for (const ListValueRecord &choice : item->listValues)
            list->addItem(choice.name);
    }
    const QString name = nameOfValue(item, v.value);
    const auto rows = name.isEmpty() ? QList<QListWidgetItem *>() : list->findItems(name, Qt::MatchExactly);
    list->setCurrentRow(rows.isEmpty() ? -1 : list->row(rows.first()));
    return list;
}

} // namespace

setValue::setValue(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::setValue)
{
    ui->setupUi(this);
}

setValue::~setValue()
{
    delete ui;
}

QFormLayout *setValue::formLayout() const
{
    return ui->formLayout;
}

const EventItemRecord *setValue::findItem(const QList<EventItemRecord> &items, const TeskSchemeVariable &variable)
{
    const EventItemRecord *found = nullptr;
    for (const EventItemRecord &item : items) {
        if (item.property == variable.devVar && item.device == variable.device)
            found = &item;
    }
    return found;
}

QWidget *setValue::createField(const TeskSchemeVariable &v, const EventItemRecord *item)
{
    const QString &type = v.type;
    if (type == QLatin1String("int")) {
        auto *spin = new QSpinBox;
        spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        spin->setValue(v.value.toInt(nullptr, 10));
        return spin;
    }
    if (type == QLatin1String("real")) {
        auto *spin = new QDoubleSpinBox;
        spin->setValue(v.value.toDouble());
        return spin;
    }
    if (type == QLatin1String("logic")) {
        auto *box = new QCheckBox;
        box->setChecked(v.value.toInt(nullptr, 10) != 0);
        return box;
    }
    if (type == QLatin1String("temp")) {
        auto *spin = new QDoubleSpinBox;
        spin->setSuffix(QStringLiteral(" \u00b0C"));
        spin->setRange(-kTempLimit, kTempLimit);
        spin->setSingleStep(0.1);
        spin->setValue(v.value.toDouble());
        return spin;
    }
    if (type == QLatin1String("percent")) {
        auto *spin = new QSpinBox;
        spin->setRange(0, 100);
        spin->setSuffix(QStringLiteral(" %"));
        spin->setValue(v.value.toInt(nullptr, 10));
        return spin;
    }
    if (type == QLatin1String("combo"))
        return comboField(v, item);
    if (type == QLatin1String("list"))
        return listField(v, item);
    return nullptr;
}

void setValue::addField(const TeskSchemeVariable &variable, const EventItemRecord *item)
{
    QWidget *field = createField(variable, item);
    if (!field)
        return;
    field->setObjectName(fieldName(variable));
    ui->formLayout->addRow((item ? item->name : QString()) + QStringLiteral(": "), field);
}

bool setValue::readField(const TeskSchemeVariable &v, const EventItemRecord *item, QString *value) const
{
    const QString name = fieldName(v);
    const QString &type = v.type;
    if (type == QLatin1String("int") || type == QLatin1String("percent")) {
        const auto *spin = findChild<QSpinBox *>(name);
        *value = spin ? QString::number(spin->value()) : QString();
        return spin;
    }
    if (type == QLatin1String("real") || type == QLatin1String("temp") || type == QLatin1String("temp_remote")) {
        const auto *spin = findChild<QDoubleSpinBox *>(name);
        const double factor = type == QLatin1String("real") ? 1.0 : 10.0;
        *value = spin ? QString::number(spin->value() * factor, 'g', 6) : QString();
        return spin;
    }
    if (type == QLatin1String("logic")) {
        const auto *box = findChild<QCheckBox *>(name);
        *value = box && box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        return box;
    }
    bool found = false;
    if (type == QLatin1String("combo")) {
        const auto *box = findChild<QComboBox *>(name);
        *value = box ? valueOfName(item, box->currentText(), &found) : QString();
        return box;
    }
    if (type == QLatin1String("list")) {
        const auto *list = findChild<QListWidget *>(name);
        if (!list || !list->currentItem())
            return false;
        *value = valueOfName(item, list->currentItem()->text(), &found);
        return true;
    }
    return false;
}

QList<TeskSchemeVariable> setValue::writeList(const QList<TeskSchemeVariable> &variables,
                                              const QList<EventItemRecord> &items, QStringList *skipped) const
{
    QList<TeskSchemeVariable> list;
    for (const TeskSchemeVariable &v : variables) {
        QString value;
        if (!readField(v, findItem(items, v), &value)) {
            if (skipped)
                *skipped << v.devVar;
            continue;
        }
        TeskSchemeVariable record;
        record.device = v.device;
        record.devVar = v.devVar;
        record.value = value;
        list << record;
    }
    return list;
}

void setValue::on_saveBtn_clicked()
{
    accept();
}

void setValue::on_cancelBtn_clicked()
{
    reject();
}
