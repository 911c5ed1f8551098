#include "alarmcenter.h"
#include "alarmindicator.h"
#include "alarmpanel.h"
#include "alarmtablemodel.h"
#include "dialogs.h"
#include "modaldriver.h"
#include "passwordhash.h"
#include "usersession.h"
#include "widgetlookup.h"

#include <QtTest>
#include <QtWidgets>

using Quality = HistorySample::Quality;
using Event = AlarmEvent::Event;

namespace {

constexpr qint64 kT0 = 1'700'000'000'000;

AlarmDefinition alarm(const char *kind, double limit, int priority, const char *text)
{
    AlarmDefinition d;
    d.kind = kind;
    d.limit = limit;
    d.value = limit;
    d.priority = priority;
    d.text = text;
    return d;
}

// Boiler supply (high, priority 1), the boiler pump (state, priority 3)
// and count points with a low alarm of priority 4.
MonitoringRecord site(int extra = 0)
{
    MonitoringRecord r;
    MonitoringPoint supply{"k1_zas", "K1", "kot1.t_zas", "temp", "Zasilanie", "°C", "change", 0, 0, {}};
    supply.alarms = {alarm("high", 85, 1, "Przegrzanie kotła 1")};
    MonitoringPoint pump{"k1_pompa", "K1", "kot1.pompa", "logic", "Pompa", "", "change", 0, 0, {}};
    pump.alarms = {alarm("state", 0, 3, "Pompa kotłowa stoi")};
    r.points = {supply, pump};
    for (int i = 0; i < extra; ++i) {
        MonitoringPoint p{QStringLiteral("t%1").arg(i), "AHU", QStringLiteral("t%1").arg(i), "temp", "", "", "change", 0, 0, {}};
        p.alarms = {alarm("low", 10, 4, "Zimno")};
        r.points.append(p);
    }
    return r;
}

QVector<HistorySample> pass(double supply, double pump, int extra = 0, double extraValue = 20)
{
    QVector<HistorySample> readings{{"k1_zas", 0, supply, Quality::Good}, {"k1_pompa", 0, pump, Quality::Good}};
    for (int i = 0; i < extra; ++i)
        readings.append({QStringLiteral("t%1").arg(i), 0, extraValue, Quality::Good});
    return readings;
}

struct Journal : QObject
{
    explicit Journal(AlarmCenter *c)
    {
        connect(c, &AlarmCenter::journalled, this, [this](const QVector<AlarmEvent> &e, const QVector<AlarmSnapshot> &s) {
            events += e;
            states += s;
        });
    }
    QVector<AlarmEvent> events;
    QVector<AlarmSnapshot> states;
};

QStringList column(QAbstractItemModel *m, int c)
{
    QStringList texts;
    for (int r = 0; r < m->rowCount(); ++r)
        texts << m->index(r, c).data().toString();
    return texts;
}

} // namespace

class TestAlarmPanel : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ModalDriver::closeAllModals(); }
    void passesWaitForTheKeptStates();
    void rowsNewestFirstColouredAndFiltered();
    void acknowledgedFromTheTabWithAComment();
    void shelvedWithAReasonAndBackWhenItsTimeEnds();
    void toneUntilAcknowledgedOrSilenced();
    void aThousandAlarmsInOnePassKeepTheSelection();
};

void TestAlarmPanel::passesWaitForTheKeptStates()
{
    AlarmCenter c;
    qint64 now = kT0;
    c.setClock([&] { return now; });
    c.setSite(site());
    Journal j(&c);
    c.evaluate(pass(90, 1)); // held: the store has not answered yet
    QVERIFY(j.events.isEmpty());
    c.restore({{"k1_zas", "high", AlarmSnapshot::State::ActiveUnacknowledged, kT0 - 60'000, 0, false}});
    QVERIFY(j.events.isEmpty()); // raised in a run before: not raised again
    QCOMPARE(c.unacknowledgedCount(), 1);
    QCOMPARE(column(c.model(), AlarmTableModel::Time).value(0),
             QDateTime::fromMSecsSinceEpoch(kT0 - 60'000).toString("yyyy-MM-dd HH:mm:ss"));
    now += 10'000;
    c.evaluate(pass(50, 1));
    QCOMPARE(j.events.size(), 1);
    QCOMPARE(j.events.at(0).event, Event::Cleared);
}

void TestAlarmPanel::rowsNewestFirstColouredAndFiltered()
{
    AlarmCenter c;
    qint64 now = kT0;
    c.setClock([&] { return now; });
    c.setSite(site());
    c.startWithoutStates();
    c.evaluate(pass(90, 1));
    now += 10'000;
    c.evaluate(pass(90, 0));
    AlarmPanel panel(&c);
    AlarmIndicator indicator(&c);
    AlarmTableModel *m = c.model();
    QCOMPARE(column(m, AlarmTableModel::Point), QStringList({"k1_pompa", "k1_zas"}));
    QCOMPARE(column(m, AlarmTableModel::State).value(0), QStringLiteral("Aktywny, niepotwierdzony"));
    QCOMPARE(m->index(1, AlarmTableModel::Text).data(Qt::BackgroundRole).value<QColor>(), AlarmTableModel::priorityColour(1));
    QCOMPARE(indicator.text(), QStringLiteral("Alarmy: 2 niepotwierdzone, 2 aktywne"));
    QVERIFY(indicator.styleSheet().contains(AlarmTableModel::priorityColour(1).name()));

    child<QComboBox>(&panel, "priorityCombo")->setCurrentIndex(3);
    QCOMPARE(column(m, AlarmTableModel::Point), QStringList({"k1_pompa"}));
    child<QComboBox>(&panel, "priorityCombo")->setCurrentIndex(0);
    QTest::keyClicks(child<QLineEdit>(&panel, "searchEdit"), "przegrz");
    QCOMPARE(column(m, AlarmTableModel::Point), QStringList({"k1_zas"}));
    child<QLineEdit>(&panel, "searchEdit")->clear();

    c.acknowledge({c.engine().indexOf("k1_zas", "high")}, QString());
    QVERIFY(!m->index(1, AlarmTableModel::Text).data(Qt::BackgroundRole).isValid()); // acknowledged: plain
    QVERIFY(m->index(1, AlarmTableModel::Priority).data(Qt::BackgroundRole).isValid());
    now += 10'000;
    c.evaluate(pass(50, 1));
    QCOMPARE(column(m, AlarmTableModel::Point), QStringList({"k1_pompa"})); // cleared after acknowledgement: gone
    QCOMPARE(column(m, AlarmTableModel::State), QStringList({"Ustąpił, niepotwierdzony"}));
    QCOMPARE(indicator.text(), QStringLiteral("Alarmy: 1 niepotwierdzone, 0 aktywne"));
}

void TestAlarmPanel::acknowledgedFromTheTabWithAComment()
{
    AlarmCenter c;
    c.setClock([] { return kT0; });
    c.setSite(site());
    c.startWithoutStates();
    Journal j(&c);
    c.evaluate(pass(90, 0));
    AlarmPanel panel(&c);
    panel.show();
    QVERIFY(!child<QPushButton>(&panel, "acknowledgeButton")->isEnabled()); // nothing selected
    auto *table = child<QTableView>(&panel, "alarmTable");
    table->selectRow(0); // raised together: in the order of the points
    QTest::keyClicks(child<QLineEdit>(&panel, "commentEdit"), "sprawdzam K1");

    // At a station with users, nobody logged in only watches; an operator
    // acknowledges but takes nothing out of service.
    UserSession session;
    session.setUsers({{"ola", "Ola", "operator", PasswordHash::make("haslo-oli")}});
    c.setSession(&session);
    for (int i = 0; i < 3; ++i)
        Dialogs::presetAnswer(QMessageBox::Ok);
    click(&panel, "acknowledgeButton");
    click(&panel, "shelveButton"); // refused before the reason is asked
    QCOMPARE(session.login("ola", "haslo-oli").status, LoginResult::Status::Ok);
    click(&panel, "outOfServiceButton");
    QStringList refusals;
    for (const auto &shown : Dialogs::shown())
        refusals << shown.text;
    QCOMPARE(refusals, QStringList({"Potwierdzanie alarmów wymaga roli „operator” lub wyższej. Nikt nie jest zalogowany.",
                                    "Odkładanie alarmów wymaga roli „operator” lub wyższej. Nikt nie jest zalogowany.",
                                    "Wyłączanie alarmów z obsługi i włączanie ich z powrotem wymaga roli „inżynier” "
                                    "lub wyższej. Zalogowany użytkownik ola ma rolę „operator”."}));
    QCOMPARE(j.events.size(), 2);
    Dialogs::reset();
    click(&panel, "acknowledgeButton");
    QCOMPARE(j.events.size(), 3);
    const AlarmEvent &ack = j.events.last();
    QCOMPARE(ack.event, Event::Acknowledged);
    QCOMPARE(ack.point, QStringLiteral("k1_zas"));
    QCOMPARE(ack.user, QStringLiteral("ola"));
    QCOMPARE(ack.comment, QStringLiteral("sprawdzam K1"));
    QCOMPARE(ack.value, 90.0);
    QVERIFY(child<QLineEdit>(&panel, "commentEdit")->text().isEmpty());
    QCOMPARE(j.states.last().state, AlarmSnapshot::State::ActiveAcknowledged);
    click(&panel, "acknowledgeAllButton");
    QCOMPARE(j.events.size(), 4); // the one left; the acknowledged one is not journalled again
    QCOMPARE(c.unacknowledgedCount(), 0);

    // The selected alarm's trend: its point, from the moment it was raised.
    QSignalSpy trend(&panel, &AlarmPanel::trendAsked);
    click(&panel, "trendButton");
    QCOMPARE(trend.size(), 1);
    QCOMPARE(trend.first().at(0).toString(), QStringLiteral("k1_zas"));
    QCOMPARE(trend.first().at(1).toLongLong(), kT0);
}

void TestAlarmPanel::shelvedWithAReasonAndBackWhenItsTimeEnds()
{
    AlarmCenter c;
    qint64 now = kT0;
    c.setClock([&] { return now; });
    MonitoringRecord r = site();
    r.maxShelveHours = 2;
    c.setSite(r);
    c.startWithoutStates();
    Journal j(&c);
    c.evaluate(pass(90, 1));
    AlarmPanel panel(&c);
    panel.show();
    child<QTableView>(&panel, "alarmTable")->selectRow(0);
    bool refusedWithoutReason = false;
    ModalDriver driver([&](QWidget *dialog) {
        auto *spin = child<QSpinBox>(dialog, "durationSpin");
        QCOMPARE(spin->maximum(), 120);
        spin->setValue(30);
        Dialogs::reset();
        Dialogs::presetAnswer(QMessageBox::Ok);
        QTest::mouseClick(child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok), Qt::LeftButton);
        refusedWithoutReason = dialog->isVisible() && Dialogs::shown().size() == 1
            && Dialogs::shown().at(0).text == QStringLiteral("Podaj powód.");
        QTest::keyClicks(child<QLineEdit>(dialog, "reasonEdit"), "przeglad palnika");
        QTest::mouseClick(child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    click(&panel, "shelveButton");
    QVERIFY(driver.ran());
    QVERIFY(refusedWithoutReason);
    QCOMPARE(j.events.last().event, Event::Shelved);
    QCOMPARE(j.events.last().comment, QStringLiteral("przeglad palnika"));
    QCOMPARE(c.model()->rowCount(), 0); // hidden from the list
    QCOMPARE(c.unacknowledgedCount(), 0);
    child<QCheckBox>(&panel, "suppressedCheck")->setChecked(true);
    QCOMPARE(column(c.model(), AlarmTableModel::State).value(0).left(35),
             QStringLiteral("Aktywny, niepotwierdzony, odłożony "));
    now += 30 * 60'000;
    c.evaluate(pass(90, 1));
    QCOMPARE(j.events.last().event, Event::Unshelved);
    QVERIFY(j.events.last().user.isEmpty()); // the time ran out; nobody did it
    QCOMPARE(c.unacknowledgedCount(), 1);
}

void TestAlarmPanel::toneUntilAcknowledgedOrSilenced()
{
    AlarmCenter c;
    qint64 now = kT0;
    c.setClock([&] { return now; });
    c.setSite(site());
    c.startWithoutStates();
    AlarmPanel panel(&c);
    c.evaluate(pass(50, 0)); // priority 3: no tone
    QVERIFY(!c.isSounding());
    c.evaluate(pass(90, 0));
    QVERIFY(c.isSounding());
    QVERIFY(child<QPushButton>(&panel, "silenceButton")->isEnabled());
    click(&panel, "silenceButton");
    QVERIFY(!c.isSounding());
    now += 10'000;
    c.evaluate(pass(50, 0));
    c.evaluate(pass(90, 0)); // raised again: a new alarm sounds again
    QVERIFY(c.isSounding());
    c.acknowledge({c.engine().indexOf("k1_zas", "high")}, QString());
    QVERIFY(!c.isSounding());
    c.setSoundEnabled(false);
    c.evaluate(pass(50, 0));
    c.evaluate(pass(90, 0));
    QVERIFY(!c.isSounding());
}

void TestAlarmPanel::aThousandAlarmsInOnePassKeepTheSelection()
{
    constexpr int kMany = 1000;
    AlarmCenter c;
    qint64 now = kT0;
    c.setClock([&] { return now; });
    c.setSite(site(kMany));
    c.startWithoutStates();
    Journal j(&c);
    c.evaluate(pass(90, 1, kMany));
    AlarmPanel panel(&c);
    auto *table = child<QTableView>(&panel, "alarmTable");
    table->selectRow(0);
    now += 10'000;
    c.evaluate(pass(90, 1, kMany, 5));
    QCOMPARE(j.events.size(), kMany + 1);
    QCOMPARE(c.model()->rowCount(), kMany + 1);
    QCOMPARE(column(c.model(), AlarmTableModel::Point).last(), QStringLiteral("k1_zas"));
    const QModelIndexList selected = table->selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(c.model()->alarmAt(selected.at(0).row()), c.engine().indexOf("k1_zas", "high"));
    now += 10'000;
    c.evaluate(pass(50, 1, kMany, 5)); // the oldest clears, unacknowledged: it stays
    QCOMPARE(c.model()->rowCount(), kMany + 1);
    c.acknowledge(c.model()->shownAlarms(), QString());
    QCOMPARE(c.model()->rowCount(), kMany); // the cleared one went; the active ones stay, acknowledged
    QCOMPARE(j.events.size(), 2 * kMany + 3);
}

QTEST_MAIN(TestAlarmPanel)
#include "tst_alarmpanel.moc"
