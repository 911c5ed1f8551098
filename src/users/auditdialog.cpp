#include "auditdialog.h"

#include "auditread.h"
#include "audittablemodel.h"
#include "dialogs.h"
#include "ui_auditdialog.h"
#include "workerjob.h"

#include <QDateTime>
#include <QDir>
#include <QHeaderView>
#include <QThread>

#include <memory>

AuditDialog::AuditDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AuditDialog)
    , m_model(new AuditTableModel(this))
{
    ui->setupUi(this);
    ui->busyBar->hide();
    ui->auditView->setModel(m_model);
    ui->auditView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->auditView->horizontalHeader()->setStretchLastSection(true);
    connect(ui->toEdit, &QDateTimeEdit::dateTimeChanged, this, [this] { m_toIsNow = false; });
}

// The program may close while a query or an export runs: it ends first.
AuditDialog::~AuditDialog()
{
    if (m_job)
        m_job->wait();
    delete ui;
}

// The last week of every user is shown at once.
void AuditDialog::setUsers(const QStringList &users)
{
    ui->userCombo->clear();
    ui->userCombo->addItem(QString());
    ui->userCombo->addItems(users);
}

void AuditDialog::setProject(const MonitoringRecord &record, const QString &projectDir)
{
    if (isWorking())
        return;
    m_record = record;
    m_projectDir = projectDir;
    const QDateTime now = QDateTime::currentDateTime();
    ui->toEdit->setDateTime(now);
    ui->fromEdit->setDateTime(now.addDays(-7));
    m_toIsNow = true;
    m_model->setRecords({});
    on_showBtn_clicked();
}

AuditQuery AuditDialog::query() const
{
    AuditQuery q;
    q.fromMs = ui->fromEdit->dateTime().toMSecsSinceEpoch();
    q.toMs = ui->toEdit->dateTime().toMSecsSinceEpoch();
    q.user = ui->userCombo->currentText().trimmed();
    return q;
}

// An end the operator left as it was offered is the present, at each
// query and each export.
void AuditDialog::refreshEnd()
{
    if (!m_toIsNow)
        return;
    ui->toEdit->setDateTime(QDateTime::currentDateTime().addSecs(1));
    m_toIsNow = true;
}

void AuditDialog::on_showBtn_clicked()
{
    if (isWorking())
        return;
    refreshEnd();
    const AuditQuery q = query();
    if (q.fromMs >= q.toMs) {
        Dialogs::warning(this, tr("Błąd"), tr("Początek zakresu musi być wcześniejszy niż jego koniec."));
        return;
    }
    setWorking(true);
    ui->statusLabel->setText(tr("Czytam historię zmian..."));
    auto read = std::make_shared<AuditRead::Records>();
    const MonitoringRecord record = m_record;
    const QString dir = m_projectDir;
    m_job = WorkerJob::start(
        this, [read, record, dir, q] { *read = AuditRead::records(record, dir, q); },
        [this, read] {
            m_job = nullptr;
            shown(read->records, read->error);
        });
}

void AuditDialog::shown(const QVector<AuditRecord> &records, const QString &error)
{
    setWorking(false);
    if (!error.isEmpty()) {
        ui->statusLabel->setText(tr("Historia zmian niedostępna: %1").arg(error));
        return;
    }
    const int shown = qMin(records.size(), kShownRows);
    QVector<AuditRecord> newestFirst;
    newestFirst.reserve(shown);
    for (int i = records.size() - 1; i >= records.size() - shown; --i)
        newestFirst.append(records.at(i));
    m_model->setRecords(newestFirst);
    ui->statusLabel->setText(records.size() > kShownRows
                                 ? tr("Pokazano %1 najnowszych z %2 wpisów zakresu; wszystkie są w eksporcie.")
                                       .arg(shown)
                                       .arg(records.size())
                                 : tr("Wpisów: %1").arg(records.size()));
}

void AuditDialog::on_exportBtn_clicked()
{
    if (isWorking())
        return;
    refreshEnd();
    const AuditQuery q = query();
    const QString suggested = m_lastPath.isEmpty() ? m_projectDir + tr("historia-zmian.csv") : m_lastPath;
    const QString path = Dialogs::saveFileName(this, tr("Eksport historii zmian"), suggested, tr("Pliki CSV (*.csv)"));
    if (path.isEmpty())
        return;
    m_lastPath = path;
    setWorking(true);
    ui->statusLabel->setText(tr("Eksportuję do pliku %1...").arg(QDir::toNativeSeparators(path)));
    auto written = std::make_shared<StoreRead::Written>();
    const MonitoringRecord record = m_record;
    const QString dir = m_projectDir;
    m_job = WorkerJob::start(
        this, [written, record, dir, q, path] { *written = AuditRead::toFile(record, dir, q, path); },
        [this, written, path] {
            m_job = nullptr;
            setWorking(false);
            ui->statusLabel->setText(written->error.isEmpty()
                                         ? tr("Eksport historii zmian: zapisano wierszy: %1 do pliku %2")
                                               .arg(written->rows)
                                               .arg(QDir::toNativeSeparators(path))
                                         : tr("Eksport historii zmian nieudany: %1").arg(written->error));
        });
}

void AuditDialog::setWorking(bool working)
{
    ui->busyBar->setVisible(working);
    ui->showBtn->setEnabled(!working);
    ui->exportBtn->setEnabled(!working);
    ui->filterBox->setEnabled(!working);
}

void AuditDialog::on_closeBtn_clicked()
{
    close();
}
