#include "setvalue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QtTest>

namespace {

TeskSchemeVariable var(const QString &device, const QString &devVar, const QString &type, const QString &value)
{
    return {device, devVar, QString(), type, value};
}

EventItemRecord item(const QString &device, const QString &property, const QString &type, const QString &name,
                     const QList<ListValueRecord> &values = {})
{
    EventItemRecord i;
    i.device = device;
    i.property = property;
    i.type = type;
    i.name = name;
    i.listValues = values;
    return i;
}

QStringList values(const QList<TeskSchemeVariable> &list)
{
    QStringList out;
    for (const TeskSchemeVariable &v : list)
        out << v.device + QLatin1Char('/') + v.devVar + QLatin1Char('=') + v.value;
    return out;
}

} // namespace

class TestSetValue : public QObject
{
    Q_OBJECT

private slots:
    void fieldsByType();
    void choices();
    void unwritableVariablesAreSkipped();
};

void TestSetValue::fieldsByType()
{
    const QList<EventItemRecord> items = {item("A", "i", "int", "Nastawa A"), item("B", "i", "int", "Nastawa B"),
                                          item("A", "t", "temp", "Temperatura"), item("A", "l", "logic", "Pompa"),
                                          item("A", "p", "percent", "Zawór"), item("A", "r", "real", "Współczynnik")};
    const QList<TeskSchemeVariable> read = {var("A", "i", "int", "-5"), var("B", "i", "int", "abc"),
                                            var("A", "t", "temp", "21.5"), var("A", "l", "logic", "0"),
                                            var("A", "p", "percent", "150"), var("A", "r", "real", "250.5")};
    setValue dialog;
    for (const TeskSchemeVariable &v : read)
        dialog.addField(v, setValue::findItem(items, v));
    QCOMPARE(dialog.formLayout()->rowCount(), 6);
    QCOMPARE(qobject_cast<QLabel *>(dialog.formLayout()->itemAt(1, QFormLayout::LabelRole)->widget())->text(),
             QStringLiteral("Nastawa B: "));
    auto *intA = dialog.findChild<QSpinBox *>(QStringLiteral("iA"));
    QCOMPARE(intA->value(), -5);
    QCOMPARE(intA->minimum(), std::numeric_limits<int>::min());
    QCOMPARE(dialog.findChild<QSpinBox *>(QStringLiteral("iB"))->value(), 0);
    auto *temp = dialog.findChild<QDoubleSpinBox *>(QStringLiteral("tA"));
    QCOMPARE(temp->text(), QStringLiteral("21.50 \u00b0C"));
    QCOMPARE(temp->singleStep(), 0.1);
    QCOMPARE(temp->minimum(), -65535.0);
    auto *logic = dialog.findChild<QCheckBox *>(QStringLiteral("lA"));
    QVERIFY(!logic->isChecked());
    QCOMPARE(dialog.findChild<QSpinBox *>(QStringLiteral("pA"))->text(), QStringLiteral("100 %"));
    QCOMPARE(dialog.findChild<QDoubleSpinBox *>(QStringLiteral("rA"))->value(), 99.99);

    logic->setChecked(true);
    QStringList skipped;
    QCOMPARE(values(dialog.writeList(read, items, &skipped)),
             QStringList({"A/i=-5", "B/i=0", "A/t=215", "A/l=1", "A/p=100", "A/r=99.99"}));
    QVERIFY(skipped.isEmpty());
    temp->setValue(21.6);
    QCOMPARE(dialog.writeList(read, items, nullptr).at(2).value, QStringLiteral("216"));
}

void TestSetValue::choices()
{
    const QList<ListValueRecord> ab = {{QStringLiteral("10"), QStringLiteral("A")}, {QStringLiteral("20"), QStringLiteral("B")}};
    const QList<EventItemRecord> items = {item("K", "c", "combo", "Tryb", ab), item("K", "l", "list", "Bieg", ab)};
    const QList<TeskSchemeVariable> read = {var("K", "c", "combo", "10"), var("K", "l", "list", "20")};
    setValue dialog;
    for (const TeskSchemeVariable &v : read)
        dialog.addField(v, setValue::findItem(items, v));
    auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("cK"));
    QCOMPARE(combo->itemText(0), QStringLiteral("B"));
    QCOMPARE(combo->itemText(1), QStringLiteral("A"));
    QCOMPARE(combo->currentText(), QStringLiteral("A"));
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("lK"));
    QCOMPARE(list->item(0)->text(), QStringLiteral("A"));
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(values(dialog.writeList(read, items, nullptr)), QStringList({"K/c=10", "K/l=20"}));
    combo->setCurrentIndex(0);
    list->setCurrentRow(0);
    QCOMPARE(values(dialog.writeList(read, items, nullptr)), QStringList({"K/c=20", "K/l=10"}));
}

void TestSetValue::unwritableVariablesAreSkipped()
{
    const QList<EventItemRecord> items = {item("K", "l", "list", "Bieg", {{QStringLiteral("1"), QStringLiteral("Jeden")}})};
    const QList<TeskSchemeVariable> read = {var("K", "l", "list", "7"), var("K", "tr", "temp_remote", "215"),
                                            var("K", "s", "string", "x"), var("K", "n", "int", "3")};
    setValue dialog;
    for (const TeskSchemeVariable &v : read)
        dialog.addField(v, setValue::findItem(items, v));
    QCOMPARE(dialog.formLayout()->rowCount(), 2); // the list, and the int without an item
    QCOMPARE(qobject_cast<QLabel *>(dialog.formLayout()->itemAt(1, QFormLayout::LabelRole)->widget())->text(),
             QStringLiteral(": "));
    QCOMPARE(dialog.findChild<QListWidget *>(QStringLiteral("lK"))->currentRow(), -1);
    QStringList skipped;
    QCOMPARE(values(dialog.writeList(read, items, &skipped)), QStringList({"K/n=3"}));
    QCOMPARE(skipped, QStringList({"l", "tr", "s"}));
}

QTEST_MAIN(TestSetValue)
#include "tst_setvalue.moc"
