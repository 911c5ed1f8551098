#include "alarmcondition.h"
#include "alarmengine.h"
#include "alarmmachine.h"

#include <QtTest>

using State = AlarmSnapshot::State;
using Event = AlarmEvent::Event;
using Condition = AlarmMachine::Condition;
using Quality = HistorySample::Quality;

Q_DECLARE_METATYPE(State)

namespace {

constexpr qint64 kT0 = 1'700'000'000'000;

// A machine with 10 s on-delay and 5 s off-delay brought to a state.
AlarmMachine machineIn(const QString &start)
{
    AlarmMachine m(10'000, 5'000);
    QVector<Event> ignored;
    auto raise = [&] {
        m.evaluate(Condition::On, kT0, &ignored);
        m.evaluate(Condition::On, kT0 + 10'000, &ignored);
    };
    auto clear = [&] {
        m.evaluate(Condition::Off, kT0 + 20'000, &ignored);
        m.evaluate(Condition::Off, kT0 + 25'000, &ignored);
    };
    if (start == "unack" || start == "ack" || start == "returned")
        raise();
    if (start == "ack")
        m.acknowledge();
    if (start == "returned")
        clear();
    if (start == "shelved")
        m.shelve(kT0 + 60'000);
    if (start == "oos")
        m.takeOutOfService();
    return m;
}

QString eventNames(const QVector<Event> &events)
{
    QStringList names;
    for (const Event e : events)
        names << AlarmEvent::eventName(e);
    return names.join(',');
}

AlarmDefinition alarm(const char *kind, double limit, double deadband = 0, int onDelay = 0, int offDelay = 0)
{
    AlarmDefinition d;
    d.kind = kind;
    d.limit = limit;
    d.value = limit;
    d.deadband = deadband;
    d.onDelay = onDelay;
    d.offDelay = offDelay;
    d.text = QStringLiteral("alarm ") + kind;
    return d;
}

MonitoringRecord site()
{
    MonitoringRecord r;
    r.commAlarmDelay = 60;
    MonitoringPoint supply{"k1_zas", "K1", "kot1.t_zas", "temp", "Zasilanie", "°C", "change", 0, 0, {}};
    supply.alarms = {alarm("high", 85, 2, 30, 10), alarm("low", 30, 2)};
    MonitoringPoint pump{"k1_pompa", "K1", "kot1.pompa", "logic", "Pompa", "", "change", 0, 0, {}};
    pump.alarms = {alarm("state", 0), alarm("error", 0)};
    MonitoringPoint room{"pok", "AHU", "ahu.t", "temp", "Pokój", "°C", "change", 0, 0, {}};
    r.points = {supply, pump, room};
    return r;
}

QVector<HistorySample> pass(double supply, double pump, Quality k1 = Quality::Good, Quality ahu = Quality::Good)
{
    return {{"k1_zas", 0, supply, k1}, {"k1_pompa", 0, pump, k1}, {"pok", 0, 21, ahu}};
}

QStringList journal(AlarmEngine &e)
{
    QStringList rows;
    for (const AlarmEvent &ev : e.takeEvents())
        rows << QStringLiteral("%1 %2 %3 %4 %5").arg(ev.point, ev.kind, AlarmEvent::eventName(ev.event),
                                                      qIsNaN(ev.value) ? QStringLiteral("-") : QString::number(ev.value),
                                                      ev.user);
    return rows;
}

} // namespace

class TestAlarmEngine : public QObject
{
    Q_OBJECT

private slots:
    void machineTable_data();
    void machineTable();
    void conditionsKeepTheirDeadband();
    void oscillationInsideTheDeadbandRaisesOnce();
    void delaysRunOnTheCallersClock();
    void silentControllerKeepsStatesAndRaisesItsCommAlarm();
    void actionsAreJournalledWithUserAndComment();
    void statesSurviveARestartAndAnEditedSite();
    void stationsFollowAndCommandTheEngineThatRecords();
};

// Every state against every input: the state after, and what is journalled.
void TestAlarmEngine::machineTable_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("input");
    QTest::addColumn<State>("after");
    QTest::addColumn<QString>("events");
    const State N = State::Normal, U = State::ActiveUnacknowledged, A = State::ActiveAcknowledged,
                R = State::ReturnedUnacknowledged;
    struct Row { const char *start, *input; State after; const char *events; };
    const Row rows[] = {
        {"normal", "on", N, ""},            {"normal", "on-held", U, "raised"},
        {"normal", "off", N, ""},           {"normal", "ack", N, ""},
        {"normal", "silent", N, ""},        {"normal", "on-silent-on", N, ""},
        {"unack", "on", U, ""},             {"unack", "off", U, ""},
        {"unack", "off-held", R, "cleared"}, {"unack", "ack", A, "acknowledged"},
        {"unack", "silent", U, ""},         {"unack", "off-silent-off", U, ""},
        {"ack", "off-held", N, "cleared"},  {"ack", "ack", A, ""},
        {"ack", "silent", A, ""},           {"ack", "on-held", A, ""},
        {"returned", "ack", N, "acknowledged"}, {"returned", "on-held", U, "raised"},
        {"returned", "off-held", R, ""},    {"returned", "silent", R, ""},
        {"shelved", "on-held", U, "raised"}, {"shelved", "shelf-ends", N, "unshelved"},
        {"shelved", "unshelve", N, "unshelved"}, {"shelved", "oos", N, "outofservice"},
        {"unack", "shelve", U, "shelved"},  {"unack", "oos", N, "outofservice"},
        {"oos", "on-held", N, ""},          {"oos", "ins", N, "inservice"},
        {"oos", "shelve", N, ""},           {"oos", "ack", N, ""},
        {"oos", "ins-on-held", U, "inservice,raised"},
        {"unack", "restart", U, ""},        {"returned", "restart", R, ""},
        {"ack", "restart-off-held", N, "cleared"},
    };
    for (const Row &r : rows)
        QTest::addRow("%s+%s", r.start, r.input) << r.start << r.input << r.after << r.events;
}

void TestAlarmEngine::machineTable()
{
    QFETCH(QString, start);
    QFETCH(QString, input);
    QFETCH(State, after);
    QFETCH(QString, events);
    AlarmMachine m = machineIn(start);
    QVector<Event> seen;
    qint64 t = kT0 + 30'000;
    auto evaluate = [&](Condition c, qint64 wait) { m.evaluate(c, t += wait, &seen); };
    auto journalled = [&](bool changed, Event e) { if (changed) seen.append(e); };
    for (const QString &step : input.split('-')) {
        if (step == "on" || step == "off")
            evaluate(step == "on" ? Condition::On : Condition::Off, 0);
        else if (step == "held") // the last condition held beyond both delays
            evaluate(input.startsWith("on") || input.contains("-on") ? Condition::On : Condition::Off, 10'000);
        else if (step == "silent")
            evaluate(Condition::Unknown, 1'000);
        else if (step == "ack")
            journalled(m.acknowledge(), Event::Acknowledged);
        else if (step == "shelve")
            journalled(m.shelve(t + 60'000), Event::Shelved);
        else if (step == "unshelve")
            journalled(m.unshelve(), Event::Unshelved);
        else if (step == "shelf" || step == "ends")
            t = kT0 + 60'000 - 1; // the next evaluation is past the shelf time
        else if (step == "oos")
            journalled(m.takeOutOfService(), Event::OutOfService);
        else if (step == "ins")
            journalled(m.putInService(), Event::InService);
        else if (step == "restart")
            m = [&] { AlarmMachine r(10'000, 5'000); r.restore({"p", "high", m.state(), m.raisedMs(), 0, false}); return r; }();
    }
    if (input.endsWith("ends"))
        evaluate(Condition::Off, 1);
    QCOMPARE(m.state(), after);
    QCOMPARE(eventNames(seen), events);
}

void TestAlarmEngine::conditionsKeepTheirDeadband()
{
    const AlarmDefinition high = alarm("high", 85, 2), low = alarm("lowlow", 30, 2), state = alarm("state", 0),
                          error = alarm("error", 0);
    auto of = [](const AlarmDefinition &d, double v, bool holding, Quality q = Quality::Good) {
        return AlarmCondition::of(d, {"p", 0, v, q}, holding);
    };
    QCOMPARE(of(high, 85, false), Condition::Off);
    QCOMPARE(of(high, 85.01, false), Condition::On);
    QCOMPARE(of(high, 83, true), Condition::On); // limit - deadband still holds
    QCOMPARE(of(high, 82.99, true), Condition::Off);
    QCOMPARE(of(low, 29.9, false), Condition::On);
    QCOMPARE(of(low, 32, true), Condition::On);
    QCOMPARE(of(low, 32.01, true), Condition::Off);
    QCOMPARE(of(state, 0, false), Condition::On);
    QCOMPARE(of(state, 1, true), Condition::Off);
    QCOMPARE(of(high, 99, false, Quality::NoAnswer), Condition::Unknown);
    QCOMPARE(of(high, 99, false, Quality::Missing), Condition::Unknown);
    QCOMPARE(of(high, 99, false, Quality::Error), Condition::Unknown); // the value is not to be trusted
    QCOMPARE(of(error, 0, false, Quality::Error), Condition::On);
    QCOMPARE(of(error, 0, true, Quality::Good), Condition::Off);
    QCOMPARE(of(error, 0, true, Quality::NoAnswer), Condition::Unknown);
    QCOMPARE(of(high, qQNaN(), false), Condition::Unknown);
}

void TestAlarmEngine::oscillationInsideTheDeadbandRaisesOnce()
{
    MonitoringRecord r = site();
    r.points[0].alarms = {alarm("high", 85, 2)};
    AlarmEngine e;
    e.setSite(r);
    qint64 t = kT0;
    const double values[] = {80, 85.5, 84, 85.2, 83.1, 86, 83, 85.1, 82.9, 85.1};
    for (const double v : values)
        e.evaluate(pass(v, 1), t += 10'000);
    QCOMPARE(journal(e), QStringList({"k1_zas high raised 85.5 ", "k1_zas high cleared 82.9 ",
                                      "k1_zas high raised 85.1 "}));
}

void TestAlarmEngine::delaysRunOnTheCallersClock()
{
    AlarmEngine e;
    e.setSite(site()); // high: 30 s on, 10 s off
    const int high = e.indexOf("k1_zas", "high");
    e.evaluate(pass(90, 1), kT0);
    e.evaluate(pass(90, 1), kT0 + 29'999);
    QCOMPARE(e.alarm(high).machine.state(), State::Normal);
    e.evaluate(pass(80, 1), kT0 + 30'000); // dipped below the band: the on-delay starts over
    e.evaluate(pass(90, 1), kT0 + 40'000);
    e.evaluate(pass(90, 1), kT0 + 69'999);
    QCOMPARE(e.alarm(high).machine.state(), State::Normal);
    e.evaluate(pass(90, 1), kT0 + 70'000);
    QCOMPARE(e.alarm(high).machine.state(), State::ActiveUnacknowledged);
    QCOMPARE(e.alarm(high).machine.raisedMs(), kT0 + 70'000);
    e.evaluate(pass(70, 1), kT0 + 80'000);
    e.evaluate(pass(70, 1), kT0 + 89'999);
    QCOMPARE(e.alarm(high).machine.state(), State::ActiveUnacknowledged);
    e.evaluate(pass(70, 1), kT0 + 90'000);
    QCOMPARE(e.alarm(high).machine.state(), State::ReturnedUnacknowledged);
    QCOMPARE(journal(e), QStringList({"k1_zas high raised 90 ", "k1_zas high cleared 70 "}));
}

void TestAlarmEngine::silentControllerKeepsStatesAndRaisesItsCommAlarm()
{
    AlarmEngine e;
    e.setSite(site());
    e.evaluate(pass(50, 0), kT0); // the pump stands: its state alarm
    QCOMPARE(journal(e), QStringList({"k1_pompa state raised 0 "}));
    const int pump = e.indexOf("k1_pompa", "state"), comm = e.indexOf("K1", "comm");
    QVERIFY(comm >= 0 && e.indexOf("AHU", "comm") >= 0);
    e.takeChanged();
    for (qint64 t = kT0 + 10'000; t <= kT0 + 70'000; t += 10'000)
        e.evaluate(pass(0, 0, Quality::NoAnswer), t);
    QCOMPARE(e.alarm(pump).machine.state(), State::ActiveUnacknowledged);
    QVERIFY(e.alarm(pump).silent);
    QCOMPARE(e.alarm(pump).value, 0.0);
    QVERIFY(e.takeChanged().contains(pump)); // its row shows it is not being read
    QCOMPARE(journal(e), QStringList({"K1 comm raised - "}));
    QCOMPARE(e.alarm(comm).definition.priority, 2);
    e.evaluate(pass(50, 1, Quality::Missing), kT0 + 80'000); // an answer, even without the variable
    QCOMPARE(journal(e), QStringList({"K1 comm cleared - "}));
    QCOMPARE(e.alarm(comm).machine.state(), State::ReturnedUnacknowledged);
    QCOMPARE(e.alarm(pump).machine.state(), State::ActiveUnacknowledged);
}

void TestAlarmEngine::actionsAreJournalledWithUserAndComment()
{
    AlarmEngine e;
    e.setSite(site());
    e.evaluate(pass(10, 1), kT0);
    const int low = e.indexOf("k1_zas", "low");
    e.takeEvents();
    QVERIFY(e.acknowledge(low, "jan", "widzę", kT0 + 1));
    QVERIFY(!e.acknowledge(low, "jan", QString(), kT0 + 2)); // nothing left to acknowledge
    QVERIFY(!e.shelve(low, kT0 + 2, "jan", "przegląd", kT0 + 3)); // a shelf time already past
    QVERIFY(e.shelve(low, kT0 + 3'600'000, "jan", "przegląd", kT0 + 3));
    QVERIFY(e.pointsInAlarm().isEmpty()); // shelved: not shown on the scene
    QVERIFY(e.unshelve(low, "ewa", QString(), kT0 + 4));
    QCOMPARE(e.pointsInAlarm(), QStringList{"k1_zas"});
    QVERIFY(e.takeOutOfService(low, "ewa", "czujnik wymieniany", kT0 + 5));
    QVERIFY(e.putInService(low, "ewa", QString(), kT0 + 6));
    const QVector<AlarmEvent> events = e.takeEvents();
    QCOMPARE(events.size(), 5);
    QCOMPARE(events.at(0), (AlarmEvent{kT0 + 1, "k1_zas", "low", 3, Event::Acknowledged, 10, "jan", "widzę", "alarm low"}));
    QCOMPARE(events.at(3).comment, QStringLiteral("czujnik wymieniany"));
    QCOMPARE(eventNames({events.at(1).event, events.at(2).event, events.at(4).event}), "shelved,unshelved,inservice");
    e.evaluate(pass(10, 1), kT0 + 7); // back in service and still low: raised again
    QCOMPARE(journal(e), QStringList({"k1_zas low raised 10 "}));
}

void TestAlarmEngine::statesSurviveARestartAndAnEditedSite()
{
    AlarmEngine before;
    before.setSite(site());
    before.evaluate(pass(10, 0), kT0);
    before.shelve(before.indexOf("k1_pompa", "state"), kT0 + 600'000, "jan", "serwis", kT0);
    const QVector<AlarmSnapshot> kept = before.takeChangedStates();
    QCOMPARE(kept.size(), 2);
    QVERIFY(before.takeChangedStates().isEmpty());

    AlarmEngine after;
    after.setSite(site());
    after.restore(kept);
    const int low = after.indexOf("k1_zas", "low"), pump = after.indexOf("k1_pompa", "state");
    QCOMPARE(after.alarm(low).machine.state(), State::ActiveUnacknowledged);
    QCOMPARE(after.alarm(pump).machine.shelvedUntilMs(), kT0 + 600'000);
    after.evaluate(pass(50, 0), kT0 + 20'000); // the first pass finds the low gone
    QCOMPARE(journal(after), QStringList({"k1_zas low cleared 50 "}));
    QCOMPARE(after.alarm(low).machine.state(), State::ReturnedUnacknowledged);

    MonitoringRecord edited = site();
    edited.points[1].alarms.clear(); // the pump's alarms are removed
    after.takeChangedStates();
    after.setSite(edited);
    QCOMPARE(after.alarm(after.indexOf("k1_zas", "low")).machine.state(), State::ReturnedUnacknowledged);
    QCOMPARE(after.indexOf("k1_pompa", "state"), -1);
    const QVector<AlarmSnapshot> dropped = after.takeChangedStates();
    QCOMPARE(dropped.size(), 1);
    QCOMPARE(dropped.at(0).point, QStringLiteral("k1_pompa"));
    QVERIFY(dropped.at(0).isPlainNormal()); // the store forgets it
}

// A station that does not record mirrors the recording engine's states:
// what the store lacks is normal, a raise is told once, and nothing is
// journalled there. Its actions, sent to the engine, are journalled there
// in the sender's name, a shelve no longer than the site allows.
void TestAlarmEngine::stationsFollowAndCommandTheEngineThatRecords()
{
    AlarmEngine recorder;
    recorder.setSite(site());
    recorder.evaluate(pass(10, 0), kT0);
    journal(recorder);
    AlarmEngine station;
    station.setSite(site());
    const QVector<AlarmSnapshot> states = recorder.takeChangedStates();
    QVERIFY(station.mirror(states, {{"k1_zas", 10}}));
    QVERIFY(!station.mirror(states, {{"k1_zas", 10.5}})); // the same states: nothing new to sound for
    const int low = station.indexOf("k1_zas", "low"), pump = station.indexOf("k1_pompa", "state");
    QCOMPARE(station.alarm(low).machine.state(), State::ActiveUnacknowledged);
    QCOMPARE(station.alarm(low).value, 10.5);
    QVERIFY(qIsNaN(station.alarm(pump).value)); // no value recorded
    QCOMPARE(station.pointsInAlarm(), QStringList({"k1_zas", "k1_pompa"}));
    QVERIFY(station.takeEvents().isEmpty());

    const QVector<AlarmCommand> sent{{AlarmCommand::Action::Acknowledge, "k1_zas", "low", 0, "ewa", "laptop", "jadę", kT0},
                                     {AlarmCommand::Action::Acknowledge, "k1_zas", "low", 0, "jan", "dyżurka", "", kT0},
                                     {AlarmCommand::Action::Shelve, "k1_pompa", "state", 24 * 60, "jan", "dyżurka", "serwis", kT0},
                                     {AlarmCommand::Action::Acknowledge, "gone", "high", 0, "jan", "dyżurka", "", kT0}};
    QVERIFY(station.wouldChange(low, sent.at(0), 8 * 60, kT0));
    QVector<bool> applied;
    for (const AlarmCommand &c : sent)
        applied << recorder.apply(c, 8 * 60, kT0 + 1000);
    QCOMPARE(applied, QVector<bool>({true, false, true, false})); // acknowledged once; an alarm no longer defined
    QCOMPARE(journal(recorder), QStringList({"k1_zas low acknowledged 10 ewa", "k1_pompa state shelved 0 jan"}));
    QCOMPARE(recorder.alarm(pump).machine.shelvedUntilMs(), kT0 + 1000 + 8 * 3'600'000);

    QVERIFY(!station.mirror(recorder.takeChangedStates()));
    QCOMPARE(station.alarm(low).machine.state(), State::ActiveAcknowledged);
    QVERIFY(!station.wouldChange(low, sent.at(1), 8 * 60, kT0)); // a second acknowledgement is not sent
    QVERIFY(station.alarm(pump).machine.isShelved());
    QVERIFY(!station.mirror({})); // the store holds nothing: every alarm normal
    QCOMPARE(station.alarm(low).machine.state(), State::Normal);
    QVERIFY(station.pointsInAlarm().isEmpty());
}

QTEST_GUILESS_MAIN(TestAlarmEngine)
#include "tst_alarmengine.moc"
