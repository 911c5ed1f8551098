#include "alarmanalysisdialog.h"
#include "alarmhistorydialog.h"
#include "alarmjournalmodel.h"
#include "dialogs.h"
#include "historycsv.h"
#include "historystore.h"
#include "historytool.h"
#include "monitoringfile.h"
#include "tempworkdir.h"
#include "widgetlookup.h"

#include <QtTest>
#include <QtWidgets>

namespace {

AlarmEvent journalRow(qint64 timeMs, const QString &point, const QString &kind, int priority, AlarmEvent::Event e,
                 const QString &comment = QString())
{
    AlarmEvent a;
    a.timeMs = timeMs;
    a.point = point;
    a.kind = kind;
    a.priority = priority;
    a.event = e;
    a.value = e == AlarmEvent::Event::Raised ? 87.5 : qQNaN();
    a.user = e == AlarmEvent::Event::Acknowledged ? QStringLiteral("operator") : QString();
    a.comment = comment;
    a.text = kind == QLatin1String("comm") ? QStringLiteral("Brak komunikacji ze sterownikiem K1") : QStringLiteral("Przegrzanie");
    return a;
}

} // namespace

// The alarm windows on a project whose journal holds an hour of one
// boiler's alarms and a controller that went silent.
class TestAlarmWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_folder = m_dir.filePath(QStringLiteral("obiekt")) + QLatin1Char('/');
        QDir().mkpath(m_folder);
        m_dir.write(QStringLiteral("obiekt/monitoring.xml"), R"(<Monitoring>
 <Point id="k1_t" device="K1" devVar="kot.t1" type="temp" description="Kocioł 1">
  <Alarm kind="high" limit="85" deadband="2" priority="1" text="Przegrzanie"/>
 </Point>
</Monitoring>
)");
        m_record = MonitoringFile::read(m_folder + MonitoringFile::fileName());
        const qint64 t = QDateTime::currentMSecsSinceEpoch() - 3600 * 1000;
        using E = AlarmEvent::Event;
        m_events = {journalRow(t, "k1_t", "high", 1, E::Raised), journalRow(t + 20000, "k1_t", "high", 1, E::Raised),
                    journalRow(t + 40000, "k1_t", "high", 1, E::Raised),
                    journalRow(t + 60000, "k1_t", "high", 1, E::Acknowledged, QStringLiteral("palnik, sprawdzony")),
                    journalRow(t + 120000, "K1", "comm", 2, E::Raised)};
        HistoryStore store;
        QString error;
        QVERIFY2(store.open(m_record.store, m_folder, m_record.retentionDays, m_record.rollupDays, &error), qPrintable(error));
        QVERIFY2(store.writeAlarms(m_events, {}, &error), qPrintable(error));
    }

    void cleanup() { Dialogs::reset(); }

    // Shown at once, newest first; filtered by priority and by point; the
    // export is tesk-history's own CSV of the range, byte for byte.
    void historyShownFilteredAndExported()
    {
        AlarmHistoryDialog d;
        d.show();
        d.setProject(m_record, m_folder);
        QTRY_VERIFY(!d.isWorking());
        QCOMPARE(d.model()->rowCount(), m_events.size());
        QCOMPARE(d.model()->eventAt(0), m_events.last());
        QCOMPARE(child<QComboBox>(&d, "pointCombo")->count(), 3); // all, k1_t, the controller K1

        child<QComboBox>(&d, "priorityCombo")->setCurrentIndex(2);
        QTest::mouseClick(child<QPushButton>(&d, "showBtn"), Qt::LeftButton);
        QTRY_VERIFY(!d.isWorking());
        QCOMPARE(d.model()->rowCount(), 1);
        QCOMPARE(d.model()->eventAt(0).kind, QStringLiteral("comm"));
        child<QComboBox>(&d, "priorityCombo")->setCurrentIndex(0);
        child<QComboBox>(&d, "pointCombo")->setCurrentIndex(1);
        child<QComboBox>(&d, "eventCombo")->setCurrentIndex(1); // raised
        QTest::mouseClick(child<QPushButton>(&d, "showBtn"), Qt::LeftButton);
        QTRY_VERIFY(!d.isWorking());
        QCOMPARE(d.model()->rowCount(), 3);

        child<QComboBox>(&d, "pointCombo")->setCurrentIndex(0);
        child<QComboBox>(&d, "eventCombo")->setCurrentIndex(0);
        const QString path = m_dir.filePath(QStringLiteral("alarmy.csv"));
        Dialogs::presetPath(path);
        QTest::mouseClick(child<QPushButton>(&d, "exportBtn"), Qt::LeftButton);
        QTRY_VERIFY(!d.isWorking());
        QVERIFY2(child<QLabel>(&d, "statusLabel")->text().contains(QStringLiteral("zapisano wierszy: 5")),
                 qPrintable(child<QLabel>(&d, "statusLabel")->text()));
        const AlarmJournalQuery q = d.query();
        const HistoryToolRun tool = runHistoryTool({m_folder, "alarms", "--from", HistoryCsv::timeText(q.fromMs), "--to",
                                                    HistoryCsv::timeText(q.toMs)});
        QCOMPARE(tool.status, 0);
        QCOMPARE(m_dir.read(QStringLiteral("alarmy.csv")), tool.out);
        QVERIFY(tool.out.contains("\"palnik, sprawdzony\""));
    }

    // The week measured at once: three raises of one alarm within a minute
    // are chattering, and four of five raises are of high priority.
    void analysisOfTheWeek()
    {
        AlarmAnalysisDialog d;
        d.show();
        d.setProject(m_record, m_folder);
        QTRY_VERIFY(!d.isWorking());
        const QString report = child<QTextBrowser>(&d, "reportView")->toPlainText();
        QVERIFY2(report.contains(QStringLiteral("alarmów 4 w")), qPrintable(report));
        const QString chattering = report.section(QStringLiteral("Alarmy migające"), 1).section(QStringLiteral("Alarmy trwające"), 0, 0);
        QVERIFY2(chattering.contains(QStringLiteral("k1_t · Wysoka wartość (H)")) && chattering.contains(QStringLiteral("Przegrzanie\n1\n")),
                 qPrintable(chattering));
        QVERIFY2(report.contains(QStringLiteral("Wysoki i krytyczny (1–2): 4")), qPrintable(report));
    }

private:
    TempWorkDir m_dir;
    QString m_folder;
    MonitoringRecord m_record;
    QVector<AlarmEvent> m_events;
};

QTEST_MAIN(TestAlarmWindows)
#include "tst_alarmwindows.moc"
