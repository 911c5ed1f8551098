#include "setvalue.h"

#include "dialogs.h"
#include "ui_setvalue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QSpinBox>

#include <limits>

namespace {

constexpr double kTempLimit = 65535.0;
constexpr double kRealLimit = 1e9;
constexpr int kMaxDecimals = 10;

bool isType(const TeskSchemeVariable &v, const char *type)
{
    return v.type == QLatin1String(type);
}

QString fieldName(const TeskSchemeVariable &v)
{
    return v.devVar + v.device;
}

const EventItemRecord *findItem(const QList<EventItemRecord> &items, const TeskSchemeVariable &variable)
{
    const EventItemRecord *found = nullptr;
    for (const EventItemRecord &item : items) {
        if (item.property == variable.devVar && item.device == variable.device)
            found = &item;
    }
    return found;
}

QString nameOfValue(const EventItemRecord &item, const QString &value)
{
    QString name;
    for (const ListValueRecord &choice : item.listValues) {
        if (choice.value == value)
            name = choice.name;
    }
    return name;
}

bool valueOfName(const EventItemRecord &item, const QString &name, QString *value)
{
    bool found = false;
    for (const ListValueRecord &choice : item.listValues) {
        if (choice.name == name) {
            *value = choice.value;
            found = true;
        }
    }
    return found;
}

// Temperatures travel as whole tenths of a degree.
QString tenths(double degrees)
{
    return QString::number(qRound64(degrees * 10.0));
}

// The fewest decimals, at least two, that show the number as it was read.
int decimalsFor(double value)
{
    for (int d = 2; d < kMaxDecimals; ++d) {
        if (QString::number(value, 'f', d).toDouble() == value)
            return d;
    }
    return kMaxDecimals;
}

// A spin box whose range also holds the value read, however far out it is.
QDoubleSpinBox *doubleField(double limit, double value, int decimals)
{
    auto *spin = new QDoubleSpinBox;
    spin->setDecimals(decimals);
    spin->setRange(qMin(-limit, value), qMax(limit, value));
    spin->setValue(value);
    return spin;
}

QWidget *comboField(const TeskSchemeVariable &v, const EventItemRecord &item)
{
    auto *box = new QComboBox;
    for (const ListValueRecord &choice : item.listValues)
        box->insertItem(0, choice.name);
    const int current = box->findText(nameOfValue(item, v.value));
    if (current >= 0)
        box->setCurrentIndex(current);
    return box;
}

QWidget *listField(const TeskSchemeVariable &v, const EventItemRecord &item)
{
    auto *list = new QListWidget;
    for (const ListValueRecord &choice : item.listValues)
        list->addItem(choice.name);
    const QString name = nameOfValue(item, v.value);
    const auto rows = name.isEmpty() ? QList<QListWidgetItem *>() : list->findItems(name, Qt::MatchExactly);
    list->setCurrentRow(rows.isEmpty() ? -1 : list->row(rows.first()));
    return list;
}

// The link sends ISO 8859-1; any other character would arrive as "?".
bool fitsLatin1(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xff)
            return false;
    }
    return true;
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

QWidget *setValue::createField(const Row &row) const
{
    const TeskSchemeVariable &v = row.variable;
    const int integer = v.value.toInt(nullptr, 10);
    if (isType(v, "int") || isType(v, "percent")) {
        auto *spin = new QSpinBox;
        if (isType(v, "int")) {
            spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        } else {
            spin->setRange(qMin(0, integer), qMax(100, integer));
            spin->setSuffix(QStringLiteral(" %"));
        }
        spin->setValue(integer);
        return spin;
    }
    if (isType(v, "real")) {
        const double value = v.value.toDouble();
        return doubleField(kRealLimit, value, decimalsFor(value));
    }
    if (isType(v, "temp")) {
        QDoubleSpinBox *spin = doubleField(kTempLimit, v.value.toDouble(), 1);
        spin->setSingleStep(0.1);
        spin->setSuffix(QStringLiteral(" \u00b0C"));
        return spin;
    }
    if (isType(v, "logic")) {
        auto *box = new QCheckBox;
        box->setChecked(integer != 0);
        return box;
    }
    if (isType(v, "combo"))
        return comboField(v, row.item);
    if (isType(v, "list"))
        return listField(v, row.item);
    return nullptr;
}

void setValue::setVariables(const QList<TeskSchemeVariable> &variables, const QList<EventItemRecord> &items)
{
    QWidget *previous = nullptr;
    for (const TeskSchemeVariable &v : variables) {
        const EventItemRecord *item = findItem(items, v);
        Row row{v, item ? *item : EventItemRecord(), nullptr};
        row.field = createField(row);
        if (row.field) {
            row.field->setObjectName(fieldName(v));
            watchEdits(row.field);
            // A variable the read-back lacked is not shown as if its 0 were read.
            const QString unread = v.value.isEmpty() ? tr(" (nie odczytano)") : QString();
            ui->formLayout->addRow(row.item.name + unread + QStringLiteral(": "), row.field);
            if (previous)
                setTabOrder(previous, row.field);
            previous = row.field;
        }
        m_rows << row;
    }
    if (previous) {
        setTabOrder(previous, ui->saveBtn);
        setTabOrder(ui->saveBtn, ui->cancelBtn);
    }
}

// A field counts as changed once the operator has edited it, even back to
// the value read: typing a value is asking for it.
void setValue::watchEdits(QWidget *field)
{
    const auto edited = [this, field] { m_edited.insert(field); };
    if (auto *spin = qobject_cast<QSpinBox *>(field))
        connect(spin, qOverload<int>(&QSpinBox::valueChanged), this, edited);
    else if (auto *spin = qobject_cast<QDoubleSpinBox *>(field))
        connect(spin, qOverload<double>(&QDoubleSpinBox::valueChanged), this, edited);
    else if (auto *box = qobject_cast<QCheckBox *>(field))
        connect(box, &QCheckBox::toggled, this, edited);
    else if (auto *box = qobject_cast<QComboBox *>(field))
        connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this, edited);
    else if (auto *list = qobject_cast<QListWidget *>(field))
        connect(list, &QListWidget::currentRowChanged, this, edited);
}

bool setValue::readField(const Row &row, QString *value) const
{
    if (!row.field)
        return false;
    const TeskSchemeVariable &v = row.variable;
    if (const auto *spin = qobject_cast<const QSpinBox *>(row.field)) {
        *value = QString::number(spin->value());
        return true;
    }
    if (const auto *spin = qobject_cast<const QDoubleSpinBox *>(row.field)) {
        *value = isType(v, "temp") ? tenths(spin->value()) : QString::number(spin->value(), 'g', 15);
        return true;
    }
    if (const auto *box = qobject_cast<const QCheckBox *>(row.field)) {
        *value = box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        return true;
    }
    if (const auto *box = qobject_cast<const QComboBox *>(row.field))
        return valueOfName(row.item, box->currentText(), value);
    const auto *list = qobject_cast<const QListWidget *>(row.field);
    return list->currentItem() && valueOfName(row.item, list->currentItem()->text(), value);
}

QList<TeskSchemeVariable> setValue::writeList(QStringList *skipped) const
{
    QList<TeskSchemeVariable> list;
    for (const Row &row : m_rows) {
        if (row.field && !m_edited.contains(row.field))
            continue;
        TeskSchemeVariable record;
        if (!readField(row, &record.value)) {
            if (skipped)
                *skipped << row.variable.devVar;
            continue;
        }
        record.device = row.variable.device;
        record.devVar = row.variable.devVar;
        list << record;
    }
    return list;
}

// The operator types over the first value at once; Enter saves.
void setValue::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    for (const Row &row : qAsConst(m_rows)) {
        if (!row.field)
            continue;
        row.field->setFocus(Qt::TabFocusReason);
        if (auto *spin = qobject_cast<QAbstractSpinBox *>(row.field))
            spin->selectAll();
        return;
    }
}

void setValue::on_saveBtn_clicked()
{
    for (const Row &row : qAsConst(m_rows)) {
        QString value;
        if (m_edited.contains(row.field) && readField(row, &value) && !fitsLatin1(value)) {
            Dialogs::warning(this, tr("Błąd"),
                             tr("Sterownik zapisuje tylko znaki ISO 8859-1; inne zamieniłby na „?”. "
                                "Nie można wysłać wartości pola ")
                                 + row.item.name + QStringLiteral(": ") + value);
            return;
        }
    }
    accept();
}

void setValue::on_cancelBtn_clicked()
{
    reject();
}
