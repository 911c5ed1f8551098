#include "dialogs.h"
#include "modaldriver.h"
#include "setvalue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

namespace {

TeskSchemeVariable var(const QString &devVar, const QString &type, const QString &value, const char *device = "K")
{
    return {QString::fromLatin1(device), devVar, QString(), type, value};
}

// Each variable of controller K gets an event item of its own type, offering
// the choices; those of other controllers get none.
void fill(setValue &dialog, const QList<TeskSchemeVariable> &variables, const QList<ListValueRecord> &choices = {})
{
    QList<EventItemRecord> items;
    for (const TeskSchemeVariable &v : variables) {
        if (v.device == QLatin1String("K"))
            items.append({v.type, v.devVar, v.device, v.devVar.toUpper(), choices});
    }
    dialog.setVariables(variables, items);
}

QStringList written(const setValue &dialog, QStringList *skipped = nullptr)
{
    QStringList out;
    for (const TeskSchemeVariable &v : dialog.writeList(skipped))
        out << v.devVar + '=' + v.value;
    return out;
}

} // namespace

class TestSetValue : public QObject
{
    Q_OBJECT

private slots:
    void numberFields_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("typed"); // empty: left as it was
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("written"); // empty: not written
        QTest::newRow("real above 99.99") << "real" << "250" << "" << "250.00" << "";
        QTest::newRow("real below 0, typed") << "real" << "-5" << "-5.5" << "-5.5" << "-5.5";
        QTest::newRow("real with more decimals") << "real" << "0.125" << "" << "0.125" << "";
        QTest::newRow("real typed, no exponent") << "real" << "1" << "1234567.5" << "1234567.5" << "1234567.5";
        QTest::newRow("percent above 100") << "percent" << "150" << "" << "150 %" << "";
        QTest::newRow("temp in tenths, typed as read") << "temp" << "21.5" << "21.5" << "21.5 \u00b0C" << "215";
        QTest::newRow("temp typed") << "temp" << "21.5" << "-0.3" << "-0.3 \u00b0C" << "-3";
        QTest::newRow("temp far out, typed") << "temp" << "70000" << "69999.9" << "69999.9 \u00b0C" << "699999";
        QTest::newRow("not a number") << "int" << "abc" << "" << "0" << "";
        QTest::newRow("nothing read, typed") << "int" << "" << "7" << "7" << "7";
    }

    void numberFields()
    {
        QFETCH(QString, type);
        QFETCH(QString, read);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        setValue dialog;
        fill(dialog, {var("v", type, read)});
        auto *spin = dialog.findChild<QAbstractSpinBox *>(QStringLiteral("vK"));
        if (!typed.isEmpty()) {
            spin->selectAll();
            QTest::keyClicks(spin, typed);
        }
        QTEST(spin->text(), "shown");
        const auto *label = qobject_cast<QLabel *>(dialog.formLayout()->labelForField(spin));
        QCOMPARE(label->text().contains("(nie odczytano)"), read.isEmpty());
        // A field left alone is not written: the controller may hold another
        // value by now.
        QStringList skipped;
        QCOMPARE(::written(dialog, &skipped), written.isEmpty() ? QStringList() : QStringList("v=" + written));
        QCOMPARE(skipped, QStringList());
    }

    // The operator types over the first value at once and saves with Enter; a
    // value the controller cannot store is refused until it is corrected.
    void typingAndSaving()
    {
        setValue dialog;
        fill(dialog, {var("t", "temp", "45.5"), var("c", "combo", "1")}, {{"1", "Gaz"}, {"Kocioł", "Piec"}});
        Dialogs::presetAnswer(QMessageBox::Ok);
        ModalDriver driver([](QWidget *modal) {
            QTest::keyClicks(modal->focusWidget(), QStringLiteral("7"));
            modal->findChild<QComboBox *>(QStringLiteral("cK"))->setCurrentText(QStringLiteral("Piec"));
            QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
            QVERIFY(modal->isVisible());
            modal->findChild<QComboBox *>(QStringLiteral("cK"))->setCurrentText(QStringLiteral("Gaz"));
            QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(driver.ran());
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown().first().text.endsWith(QStringLiteral("C: Kocioł")));
        QCOMPARE(written(dialog), QStringList({"t=70", "c=1"}));
        Dialogs::reset();
    }

    void choicesAndFieldsLeftAsRead()
    {
        setValue dialog;
        fill(dialog,
             {var("c", "combo", "10"), var("l", "list", "20"), var("u", "combo", "7"), var("e", "list", ""),
              var("b", "logic", "5"), var("tr", "temp_remote", "215"), var("x", "int", "4", "X")},
             {{"10", "A"}, {"20", "B"}});
        QCOMPARE(dialog.formLayout()->rowCount(), 6); // no field for temp_remote
        auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("cK"));
        QCOMPARE(combo->itemText(0), QStringLiteral("B")); // each choice inserted at the top
        QCOMPARE(combo->currentText(), QStringLiteral("A"));
        auto *list = dialog.findChild<QListWidget *>(QStringLiteral("lK"));
        QCOMPARE(list->currentItem()->text(), QStringLiteral("B"));
        QVERIFY(dialog.findChild<QCheckBox *>(QStringLiteral("bK"))->isChecked());
        // Left alone, nothing is written; a value no choice has stays as it is,
        // not replaced by the first choice. A variable without a field is named.
        QStringList skipped;
        QCOMPARE(written(dialog, &skipped), QStringList());
        QCOMPARE(skipped, QStringList({"tr"}));
        combo->setCurrentIndex(0);
        list->setCurrentRow(0);
        dialog.findChild<QListWidget *>(QStringLiteral("eK"))->setCurrentRow(1);
        dialog.findChild<QCheckBox *>(QStringLiteral("bK"))->setChecked(false);
        QCOMPARE(written(dialog), QStringList({"c=20", "l=10", "e=20", "b=0"}));
        list->setCurrentRow(-1); // a choice taken away again: nothing to write
        skipped.clear();
        QCOMPARE(written(dialog, &skipped), QStringList({"c=20", "e=20", "b=0"}));
        QCOMPARE(skipped, QStringList({"l", "tr"}));
    }
};

QTEST_MAIN(TestSetValue)
#include "tst_setvalue.moc"
