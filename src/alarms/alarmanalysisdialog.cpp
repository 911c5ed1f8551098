#include "alarmanalysisdialog.h"

#include "alarmjournalread.h"
#include "alarmreporthtml.h"
#include "dialogs.h"
#include "ui_alarmanalysisdialog.h"
#include "workerjob.h"

#include <QDateTime>
#include <QThread>

#include <memory>

namespace {

enum Preset { Day, Week, Month, Year, Chosen };

} // namespace

AlarmAnalysisDialog::AlarmAnalysisDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AlarmAnalysisDialog)
{
    ui->setupUi(this);
    ui->busyBar->hide();
    connect(ui->presetCombo, qOverload<int>(&QComboBox::activated), this, &AlarmAnalysisDialog::presetChosen);
    for (QDateTimeEdit *edit : {ui->fromEdit, ui->toEdit})
        connect(edit, &QDateTimeEdit::editingFinished, this, [this] { ui->presetCombo->setCurrentIndex(Chosen); });
}

AlarmAnalysisDialog::~AlarmAnalysisDialog()
{
    if (m_job)
        m_job->wait();
    delete ui;
}

// The last week is measured at once.
void AlarmAnalysisDialog::setProject(const MonitoringRecord &record, const QString &projectDir)
{
    if (isWorking())
        return;
    m_record = record;
    m_projectDir = projectDir;
    ui->presetCombo->setCurrentIndex(Week);
    presetChosen(Week);
    ui->reportView->clear();
    on_computeBtn_clicked();
}

// A preset ends now, at each computation.
void AlarmAnalysisDialog::presetChosen(int preset)
{
    if (preset == Chosen)
        return;
    const QDateTime now = QDateTime::currentDateTime();
    ui->toEdit->setDateTime(now);
    ui->fromEdit->setDateTime(preset == Day ? now.addDays(-1)
                                            : preset == Week ? now.addDays(-7)
                                                             : preset == Month ? now.addDays(-30) : now.addYears(-1));
}

void AlarmAnalysisDialog::on_computeBtn_clicked()
{
    if (isWorking())
        return;
    presetChosen(ui->presetCombo->currentIndex());
    const qint64 fromMs = ui->fromEdit->dateTime().toMSecsSinceEpoch();
    const qint64 toMs = ui->toEdit->dateTime().toMSecsSinceEpoch();
    if (fromMs >= toMs) {
        Dialogs::warning(this, tr("Błąd"), tr("Początek zakresu musi być wcześniejszy niż jego koniec."));
        return;
    }
    setWorking(true);
    ui->statusLabel->setText(tr("Liczę..."));
    auto read = std::make_shared<AlarmJournalRead::Report>();
    const MonitoringRecord record = m_record;
    const QString dir = m_projectDir;
    m_job = WorkerJob::start(
        this, [read, record, dir, fromMs, toMs] { *read = AlarmJournalRead::report(record, dir, fromMs, toMs); },
        [this, read] {
            m_job = nullptr;
            setWorking(false);
            if (!read->error.isEmpty()) {
                ui->statusLabel->setText(tr("Analiza alarmów niedostępna: %1").arg(read->error));
                return;
            }
            ui->reportView->setHtml(AlarmReportHtml::render(read->report));
            ui->statusLabel->clear();
        });
}

void AlarmAnalysisDialog::setWorking(bool working)
{
    ui->busyBar->setVisible(working);
    ui->rangeBox->setEnabled(!working);
}

void AlarmAnalysisDialog::on_closeBtn_clicked()
{
    close();
}
