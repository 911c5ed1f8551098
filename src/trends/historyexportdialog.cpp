#include "historyexportdialog.h"

#include "dialogs.h"
#include "ui_historyexportdialog.h"
#include "workerjob.h"

#include <QDateTime>
#include <QDir>
#include <QThread>

#include <memory>

HistoryExportDialog::HistoryExportDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::HistoryExportDialog)
{
    ui->setupUi(this);
    ui->busyBar->hide();
    connect(ui->toEdit, &QDateTimeEdit::dateTimeChanged, this, [this] { m_toIsNow = false; });
}

// The program may close while an export runs: the file is finished first.
HistoryExportDialog::~HistoryExportDialog()
{
    if (m_job)
        m_job->wait();
    delete ui;
}

void HistoryExportDialog::setProject(const MonitoringRecord &record, const QString &projectDir)
{
    if (isWorking())
        return;
    m_record = record;
    m_projectDir = projectDir;
    ui->pointList->clear();
    for (const MonitoringPoint &p : record.points) {
        auto *item = new QListWidgetItem(p.description.isEmpty() ? p.id : p.id + QStringLiteral(" — ") + p.description,
                                         ui->pointList);
        item->setData(Qt::UserRole, p.id);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    const QDateTime now = QDateTime::currentDateTime();
    ui->toEdit->setDateTime(now);
    ui->fromEdit->setDateTime(now.addDays(-1));
    m_toIsNow = true;
    ui->statusLabel->clear();
}

HistoryExportRange HistoryExportDialog::range() const
{
    HistoryExportRange r;
    for (int i = 0; i < ui->pointList->count(); ++i) {
        const QListWidgetItem *item = ui->pointList->item(i);
        if (item->checkState() == Qt::Checked)
            r.points << item->data(Qt::UserRole).toString();
    }
    r.fromMs = ui->fromEdit->dateTime().toMSecsSinceEpoch();
    r.toMs = ui->toEdit->dateTime().toMSecsSinceEpoch();
    r.stepMs = ui->stepCheck->isChecked() ? qint64(ui->stepSpin->value()) * 1000 : 0;
    return r;
}

void HistoryExportDialog::checkAll(bool checked)
{
    for (int i = 0; i < ui->pointList->count(); ++i)
        ui->pointList->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void HistoryExportDialog::on_allBtn_clicked()
{
    checkAll(true);
}

void HistoryExportDialog::on_noneBtn_clicked()
{
    checkAll(false);
}

// An end the operator left as it was offered is the present: the newest
// samples are in the file, and the field shows the end exported.
void HistoryExportDialog::on_exportBtn_clicked()
{
    if (m_toIsNow) {
        ui->toEdit->setDateTime(QDateTime::currentDateTime());
        m_toIsNow = true;
    }
    const HistoryExportRange r = range();
    QString problem;
    if (r.points.isEmpty())
        problem = tr("Zaznacz co najmniej jeden punkt.");
    else if (r.fromMs >= r.toMs)
        problem = tr("Początek zakresu musi być wcześniejszy niż jego koniec.");
    if (!problem.isEmpty()) {
        Dialogs::warning(this, tr("Błąd"), problem);
        return;
    }
    const QString suggested = m_lastPath.isEmpty() ? m_projectDir + tr("historia.csv") : m_lastPath;
    const QString path = Dialogs::saveFileName(this, tr("Eksport historii"), suggested, tr("Pliki CSV (*.csv)"));
    if (path.isEmpty())
        return;
    m_lastPath = path;
    start(r, path);
}

void HistoryExportDialog::start(const HistoryExportRange &range, const QString &path)
{
    setWorking(true);
    ui->statusLabel->setText(tr("Eksportuję do pliku %1...").arg(QDir::toNativeSeparators(path)));
    auto written = std::make_shared<HistoryExport::Written>();
    const MonitoringRecord record = m_record;
    const QString dir = m_projectDir;
    m_job = WorkerJob::start(
        this, [written, record, dir, range, path] { *written = HistoryExport::toFile(record, dir, range, path); },
        [this, written, path] {
            m_job = nullptr;
            ended(*written, path);
        });
}

void HistoryExportDialog::ended(const HistoryExport::Written &written, const QString &path)
{
    setWorking(false);
    const QString file = QDir::toNativeSeparators(path);
    const QString text = written.error.isEmpty() ? tr("Eksport historii: zapisano wierszy: %1 do pliku %2").arg(written.rows).arg(file)
                                                 : tr("Eksport historii nieudany: %1").arg(written.error);
    ui->statusLabel->setText(text);
    emit exportEnded(text, written.error.isEmpty());
}

void HistoryExportDialog::setWorking(bool working)
{
    ui->busyBar->setVisible(working);
    ui->exportBtn->setEnabled(!working);
    for (QWidget *w : {static_cast<QWidget *>(ui->pointsBox), static_cast<QWidget *>(ui->rangeBox)})
        w->setEnabled(!working);
}

void HistoryExportDialog::on_closeBtn_clicked()
{
    close();
}
