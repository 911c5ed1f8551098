#include "alarmhistorydialog.h"

#include "alarmjournalmodel.h"
#include "alarmjournalread.h"
#include "dialogs.h"
#include "ui_alarmhistorydialog.h"
#include "workerjob.h"

#include <QDateTime>
#include <QDir>
#include <QHeaderView>
#include <QThread>

#include <algorithm>
#include <memory>

namespace {

const QVector<AlarmEvent::Event> kEvents = {
    AlarmEvent::Event::Raised,    AlarmEvent::Event::Cleared,      AlarmEvent::Event::Acknowledged,
    AlarmEvent::Event::Shelved,   AlarmEvent::Event::Unshelved,    AlarmEvent::Event::OutOfService,
    AlarmEvent::Event::InService};

} // namespace

AlarmHistoryDialog::AlarmHistoryDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AlarmHistoryDialog)
    , m_model(new AlarmJournalModel(this))
{
    ui->setupUi(this);
    ui->busyBar->hide();
    ui->journalView->setModel(m_model);
    ui->journalView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->journalView->horizontalHeader()->setStretchLastSection(true);
    ui->eventCombo->addItem(tr("Wszystkie"), -1);
    for (AlarmEvent::Event e : kEvents)
        ui->eventCombo->addItem(AlarmJournalModel::eventText(e), int(e));
    connect(ui->toEdit, &QDateTimeEdit::dateTimeChanged, this, [this] { m_toIsNow = false; });
}

// The program may close while a query or an export runs: it ends first.
AlarmHistoryDialog::~AlarmHistoryDialog()
{
    if (m_job)
        m_job->wait();
    delete ui;
}

// The last week is shown at once.
void AlarmHistoryDialog::setProject(const MonitoringRecord &record, const QString &projectDir)
{
    if (isWorking())
        return;
    m_record = record;
    m_projectDir = projectDir;
    fillPoints();
    const QDateTime now = QDateTime::currentDateTime();
    ui->toEdit->setDateTime(now);
    ui->fromEdit->setDateTime(now.addDays(-7));
    m_toIsNow = true;
    m_model->setEvents({});
    on_showBtn_clicked();
}

// The points with alarms, then the controllers, whose communication alarms
// are journalled under their IDs.
void AlarmHistoryDialog::fillPoints()
{
    ui->pointCombo->clear();
    ui->pointCombo->addItem(tr("Wszystkie"), QString());
    QStringList controllers;
    for (const MonitoringPoint &p : qAsConst(m_record.points)) {
        if (!p.alarms.isEmpty())
            ui->pointCombo->addItem(p.description.isEmpty() ? p.id : p.id + QStringLiteral(" — ") + p.description, p.id);
        if (!controllers.contains(p.device))
            controllers << p.device;
    }
    for (const QString &c : qAsConst(controllers))
        ui->pointCombo->addItem(tr("%1 — komunikacja").arg(c), c);
}

AlarmJournalQuery AlarmHistoryDialog::query() const
{
    AlarmJournalQuery q;
    q.fromMs = ui->fromEdit->dateTime().toMSecsSinceEpoch();
    q.toMs = ui->toEdit->dateTime().toMSecsSinceEpoch();
    q.point = ui->pointCombo->currentData().toString();
    q.priority = ui->priorityCombo->currentIndex();
    const int event = ui->eventCombo->currentData().toInt();
    if (event >= 0)
        q.events = {AlarmEvent::Event(event)};
    return q;
}

// An end the operator left as it was offered is the present, at each
// query and each export.
void AlarmHistoryDialog::refreshEnd()
{
    if (!m_toIsNow)
        return;
    ui->toEdit->setDateTime(QDateTime::currentDateTime().addSecs(1));
    m_toIsNow = true;
}

void AlarmHistoryDialog::on_showBtn_clicked()
{
    if (isWorking())
        return;
    refreshEnd();
    AlarmJournalQuery q = query();
    if (q.fromMs >= q.toMs) {
        Dialogs::warning(this, tr("Błąd"), tr("Początek zakresu musi być wcześniejszy niż jego koniec."));
        return;
    }
    q.limit = kShownRows;
    setWorking(true);
    ui->statusLabel->setText(tr("Czytam dziennik alarmów..."));
    auto read = std::make_shared<AlarmJournalRead::Events>();
    const MonitoringRecord record = m_record;
    const QString dir = m_projectDir;
    m_job = WorkerJob::start(
        this, [read, record, dir, q] { *read = AlarmJournalRead::events(record, dir, q); },
        [this, read] {
            m_job = nullptr;
            shown(read->events, read->error);
        });
}

void AlarmHistoryDialog::shown(const QVector<AlarmEvent> &events, const QString &error)
{
    setWorking(false);
    if (!error.isEmpty()) {
        ui->statusLabel->setText(tr("Historia alarmów niedostępna: %1").arg(error));
        return;
    }
    QVector<AlarmEvent> newestFirst = events;
    std::reverse(newestFirst.begin(), newestFirst.end());
    m_model->setEvents(newestFirst);
    ui->statusLabel->setText(events.size() >= kShownRows
                                 ? tr("Pokazano %1 najnowszych zdarzeń zakresu; starsze są w eksporcie.").arg(events.size())
                                 : tr("Zdarzeń: %1").arg(events.size()));
}

void AlarmHistoryDialog::on_exportBtn_clicked()
{
    if (isWorking())
        return;
    refreshEnd();
    const AlarmJournalQuery q = query();
    const QString suggested = m_lastPath.isEmpty() ? m_projectDir + tr("alarmy.csv") : m_lastPath;
    const QString path = Dialogs::saveFileName(this, tr("Eksport historii alarmów"), suggested, tr("Pliki CSV (*.csv)"));
    if (path.isEmpty())
        return;
    m_lastPath = path;
    setWorking(true);
    ui->statusLabel->setText(tr("Eksportuję do pliku %1...").arg(QDir::toNativeSeparators(path)));
    auto written = std::make_shared<AlarmJournalRead::Written>();
    const MonitoringRecord record = m_record;
    const QString dir = m_projectDir;
    m_job = WorkerJob::start(
        this, [written, record, dir, q, path] { *written = AlarmJournalRead::toFile(record, dir, q, path); },
        [this, written, path] {
            m_job = nullptr;
            setWorking(false);
            ui->statusLabel->setText(
                written->error.isEmpty()
                    ? tr("Eksport historii alarmów: zapisano wierszy: %1 do pliku %2").arg(written->rows).arg(QDir::toNativeSeparators(path))
                    : tr("Eksport historii alarmów nieudany: %1").arg(written->error));
        });
}

void AlarmHistoryDialog::setWorking(bool working)
{
    ui->busyBar->setVisible(working);
    ui->showBtn->setEnabled(!working);
    ui->exportBtn->setEnabled(!working);
    ui->filterBox->setEnabled(!working);
}

void AlarmHistoryDialog::on_closeBtn_clicked()
{
    close();
}
