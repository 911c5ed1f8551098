#include "trendwindow.h"
#include "ui_trendwindow.h"

#include "dialogs.h"
#include "historyexport.h"
#include "trendpalette.h"
#include "trendpentable.h"
#include "trendplot.h"
#include "trendreader.h"
#include "workerjob.h"

#include <qwt_plot_renderer.h>

#include <QDateTime>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QThread>
#include <QTimer>

namespace {

constexpr qint64 kHourMs = 3600 * 1000;
constexpr qint64 kDayMs = 24 * kHourMs;
// A pass is in the store a moment after it is read.
constexpr int kAfterPassMs = 400;

QString freeColour(const QList<TrendPenRecord> &pens)
{
    const QVector<TrendPalette::Colour> palette = TrendPalette::colours();
    for (const TrendPalette::Colour &c : palette) {
        const QString colour = c.colour.name();
        if (std::none_of(pens.begin(), pens.end(), [&](const TrendPenRecord &p) { return p.colour == colour; }))
            return colour;
    }
    return palette.at(pens.size() % palette.size()).colour.name();
}

QString localText(qint64 ms)
{
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(ms), QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

} // namespace

TrendWindow::TrendWindow(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::TrendWindow)
    , m_plot(new TrendPlot(this))
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    ui->plotLayout->addWidget(m_plot);
    m_pens = new TrendPenTable(ui->pensTable, this);
    connect(m_pens, &TrendPenTable::changed, this, &TrendWindow::applyLooks);
    connect(m_plot, &TrendPlot::viewAsked, this, &TrendWindow::request);
    connect(m_plot, &TrendPlot::cursorMoved, this, &TrendWindow::showCursor);
    connect(m_plot, &TrendPlot::viewTouched, ui->liveCheck, [this] { ui->liveCheck->setChecked(false); });
    connect(ui->setCombo, QOverload<int>::of(&QComboBox::activated), this, &TrendWindow::applySet);
    connectPresets();
    fillAddMenu();
    fillExportMenu();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    m_plot->setView(now - 8 * kHourMs, now);
    showRange();
}

TrendWindow::~TrendWindow()
{
    stopReader();
    delete ui;
}

void TrendWindow::connectPresets()
{
    const QList<QPair<QAbstractButton *, qint64>> presets{
        {ui->hourBtn, kHourMs},  {ui->eightHoursBtn, 8 * kHourMs}, {ui->dayBtn, kDayMs},
        {ui->weekBtn, 7 * kDayMs}, {ui->monthBtn, 30 * kDayMs},   {ui->yearBtn, 365 * kDayMs}};
    for (const auto &preset : presets) {
        const qint64 span = preset.second;
        connect(preset.first, &QAbstractButton::clicked, this, [this, span] {
            const qint64 now = QDateTime::currentMSecsSinceEpoch();
            m_plot->changeView(now - span, now);
        });
    }
}

void TrendWindow::setProject(const MonitoringRecord &record, const QString &projectDir)
{
    m_record = record;
    m_projectDir = projectDir;
    stopReader();
    startReader();
    fillSets();
    // Opened with nothing to draw, the window shows the first named trend.
    if (m_pens->pens().isEmpty() && !m_record.trends.isEmpty()) {
        ui->setCombo->setCurrentIndex(1);
        applySet(1);
        return;
    }
    setPens(m_pens->pens());
}

void TrendWindow::startReader()
{
    m_thread = new QThread(this);
    m_reader = new TrendReader(m_record, m_projectDir);
    m_reader->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_reader, &QObject::deleteLater);
    connect(m_reader, &TrendReader::ready, this, &TrendWindow::received);
    m_thread->start();
}

void TrendWindow::stopReader()
{
    if (!m_thread)
        return;
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    m_reader = nullptr;
    m_reading = false;
}

void TrendWindow::showPoints(const QStringList &points, qint64 fromMs, qint64 toMs)
{
    QList<TrendPenRecord> pens;
    for (const QString &point : points) {
        if (pens.size() == TrendSetRecord::kMaxPens)
            break;
        pens.append({point, freeColour(pens)});
    }
    ui->liveCheck->setChecked(false);
    {
        // The new pens are read over the new view once, not the old ones first.
        const QSignalBlocker blocker(m_plot);
        m_plot->changeView(fromMs, toMs);
    }
    setPens(pens);
}

QStringList TrendWindow::points() const
{
    QStringList result;
    for (const TrendPenRecord &p : m_pens->pens())
        result.append(p.point);
    return result;
}

const MonitoringPoint *TrendWindow::pointOf(const QString &id) const
{
    for (const MonitoringPoint &p : m_record.points) {
        if (p.id == id)
            return &p;
    }
    return nullptr;
}

void TrendWindow::setPens(const QList<TrendPenRecord> &given)
{
    QList<TrendPenRecord> pens = given;
    for (TrendPenRecord &pen : pens) {
        if (!QColor::isValidColor(pen.colour))
            pen.colour = freeColour(pens);
    }
    QStringList labels;
    QStringList units;
    for (const TrendPenRecord &pen : pens) {
        const MonitoringPoint *p = pointOf(pen.point);
        // A point no longer monitored still has its history.
        labels.append(p ? QStringLiteral("%1 (%2)").arg(p->description, p->id)
                        : tr("%1 (nie jest już monitorowany)").arg(pen.point));
        units.append(p ? p->unit : QString());
    }
    m_pens->setPens(pens, labels, units);
    ui->removePenBtn->setEnabled(!pens.isEmpty());
    applyLooks();
    request();
}

// The pens' looks changed: drawn again from what was read.
void TrendWindow::applyLooks()
{
    const TrendResult kept = m_plot->result();
    QVector<TrendPen> pens;
    const QStringList labels = [this] {
        QStringList l;
        for (int row = 0; row < ui->pensTable->rowCount(); ++row)
            l.append(ui->pensTable->item(row, TrendPenTable::PointColumn)->text());
        return l;
    }();
    for (int i = 0; i < m_pens->pens().size(); ++i) {
        const TrendPenRecord &record = m_pens->pens().at(i);
        const MonitoringPoint *p = pointOf(record.point);
        TrendPen pen;
        pen.point = record.point;
        pen.label = labels.value(i);
        pen.colour = QColor(record.colour);
        pen.width = record.width;
        pen.style = TrendPenTable::penStyle(record.style);
        if (p) {
            pen.unit = p->unit;
            pen.logic = p->type == QLatin1String("logic");
            const int gapS = p->record == QLatin1String("interval") ? m_record.interval : p->maxGap;
            // Passes come late now and then; two of them are not a gap.
            pen.absenceMs = gapS > 0 ? (qint64(gapS) + 2 * m_record.interval) * 1000 : 0;
            for (const AlarmDefinition &a : p->alarms) {
                if (a.kind != QLatin1String("state"))
                    pen.limits.append(a.limit);
            }
        }
        pens.append(pen);
    }
    m_plot->setPens(pens);
    if (kept.request.points == points())
        m_plot->setResult(kept);
}

void TrendWindow::request()
{
    showRange();
    if (!m_reader)
        return;
    TrendRequest r{++m_serial, points(), m_plot->viewFrom(), m_plot->viewTo(), m_plot->columns()};
    if (r.points.isEmpty()) {
        m_reading = false; // a read still running is not waited for
        m_plot->setResult(TrendResult());
        ui->statusLabel->setText(tr("Dodaj punkty, aby narysować ich historię."));
        return;
    }
    m_reading = true;
    m_reader->want(r.serial);
    TrendReader *reader = m_reader;
    QMetaObject::invokeMethod(reader, [reader, r] { reader->serve(r); }, Qt::QueuedConnection);
}

void TrendWindow::received(const TrendResult &result)
{
    if (result.request.serial != m_serial)
        return;
    m_reading = false;
    if (!result.error.isEmpty()) {
        ui->statusLabel->setText(tr("Trend niedostępny: %1").arg(result.error));
        return;
    }
    m_plot->setResult(result);
    const bool any = std::any_of(result.series.begin(), result.series.end(), [](const TrendSeries &s) {
        return std::any_of(s.steps.begin(), s.steps.end(), [](const HistoryStep &step) { return step.count > 0; });
    });
    ui->statusLabel->setText(any ? QString() : tr("Brak zapisanych wartości w tym zakresie."));
}

void TrendWindow::showRange()
{
    ui->fromEdit->setDateTime(QDateTime::fromMSecsSinceEpoch(m_plot->viewFrom()));
    ui->toEdit->setDateTime(QDateTime::fromMSecsSinceEpoch(m_plot->viewTo()));
    ui->backBtn->setEnabled(m_plot->canGoBack());
}

void TrendWindow::showCursor(qint64 timeMs)
{
    ui->cursorLabel->setText(localText(timeMs));
    QVector<bool> logic;
    for (const TrendPen &p : m_plot->pens())
        logic.append(p.logic);
    m_pens->showReadings(m_plot->readingsAt(timeMs), logic);
}

void TrendWindow::on_showBtn_clicked()
{
    const qint64 from = ui->fromEdit->dateTime().toMSecsSinceEpoch();
    const qint64 to = ui->toEdit->dateTime().toMSecsSinceEpoch();
    if (to - from < TrendPlot::kLeastSpanMs) {
        ui->statusLabel->setText(tr("Koniec zakresu musi być co najmniej minutę po jego początku."));
        return;
    }
    ui->liveCheck->setChecked(false);
    m_plot->changeView(from, to);
}

void TrendWindow::on_backBtn_clicked()
{
    m_plot->back();
}

bool TrendWindow::isLive() const
{
    return ui->liveCheck->isChecked();
}

void TrendWindow::on_liveCheck_toggled(bool live)
{
    if (live)
        follow();
}

void TrendWindow::passRecorded()
{
    if (isLive() && isVisible())
        QTimer::singleShot(kAfterPassMs, this, &TrendWindow::follow);
}

// The view keeps its span and ends now.
void TrendWindow::follow()
{
    if (!isLive())
        return;
    const qint64 span = m_plot->viewTo() - m_plot->viewFrom();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    m_plot->setView(now - span, now);
    request();
}

void TrendWindow::fillAddMenu()
{
    auto *menu = new QMenu(this);
    ui->addPenBtn->setMenu(menu);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        menu->clear();
        const QStringList shown = points();
        for (const MonitoringPoint &p : qAsConst(m_record.points)) {
            QAction *a = menu->addAction(QStringLiteral("%1 (%2)").arg(p.description, p.id));
            a->setEnabled(!shown.contains(p.id) && shown.size() < TrendSetRecord::kMaxPens);
            const QString id = p.id;
            connect(a, &QAction::triggered, this, [this, id] {
                QList<TrendPenRecord> pens = m_pens->pens();
                pens.append({id, freeColour(pens)});
                ui->setCombo->setCurrentIndex(0);
                setPens(pens);
            });
        }
        if (m_record.points.isEmpty())
            menu->addAction(tr("Brak punktów monitorowania"))->setEnabled(false);
    });
}

void TrendWindow::on_removePenBtn_clicked()
{
    const int row = m_pens->selected();
    if (row < 0)
        return;
    QList<TrendPenRecord> pens = m_pens->pens();
    pens.removeAt(row);
    ui->setCombo->setCurrentIndex(0);
    setPens(pens);
}

void TrendWindow::fillSets()
{
    ui->setCombo->clear();
    ui->setCombo->addItem(tr("— wybierz —"));
    for (const TrendSetRecord &set : qAsConst(m_record.trends))
        ui->setCombo->addItem(set.name);
    ui->removeSetBtn->setEnabled(!m_record.trends.isEmpty());
}

void TrendWindow::applySet(int index)
{
    if (index >= 1 && index <= m_record.trends.size())
        setPens(m_record.trends.at(index - 1).pens);
}

void TrendWindow::on_saveSetBtn_clicked()
{
    if (m_pens->pens().isEmpty()) {
        ui->statusLabel->setText(tr("Zestaw bez punktów nie zostanie zapisany."));
        return;
    }
    const QString current = ui->setCombo->currentIndex() > 0 ? ui->setCombo->currentText() : QString();
    bool ok = false;
    const QString name = Dialogs::text(this, tr("Zapisz zestaw"), tr("Nazwa zestawu:"), current, &ok).trimmed();
    if (!ok || name.isEmpty())
        return;
    const TrendSetRecord set{name, m_pens->pens()};
    auto it = std::find_if(m_record.trends.begin(), m_record.trends.end(),
                           [&](const TrendSetRecord &s) { return s.name == name; });
    if (it != m_record.trends.end())
        *it = set;
    else
        m_record.trends.append(set);
    fillSets();
    ui->setCombo->setCurrentText(name);
    emit trendSetsChanged(m_record.trends);
}

void TrendWindow::on_removeSetBtn_clicked()
{
    const int index = ui->setCombo->currentIndex();
    if (index < 1)
        return;
    m_record.trends.removeAt(index - 1);
    fillSets();
    emit trendSetsChanged(m_record.trends);
}

void TrendWindow::fillExportMenu()
{
    auto *menu = new QMenu(this);
    menu->addAction(tr("Surowe próbki…"), this, [this] { exportCsv(false); });
    menu->addAction(tr("Jak na wykresie (min/max na krok)…"), this, [this] { exportCsv(true); });
    ui->csvBtn->setMenu(menu);
}

void TrendWindow::exportCsv(bool asDrawn)
{
    const QString path = Dialogs::saveFileName(this, tr("Eksport trendu"), m_lastDir, tr("Pliki CSV (*.csv)"));
    if (path.isEmpty())
        return;
    m_lastDir = QFileInfo(path).absolutePath();
    const int columns = m_plot->columns();
    HistoryExportRange range{points(), m_plot->viewFrom(), m_plot->viewTo(), 0};
    if (asDrawn)
        range.stepMs = (range.toMs - range.fromMs + columns - 1) / columns;
    auto written = std::make_shared<HistoryExport::Written>();
    const MonitoringRecord record = m_record;
    const QString dir = m_projectDir;
    WorkerJob::start(
        this, [written, record, dir, range, path] { *written = HistoryExport::toFile(record, dir, range, path); },
        [this, written, path] {
            ui->statusLabel->setText(written->error.isEmpty()
                                         ? tr("Zapisano wierszy: %1 do pliku %2").arg(written->rows).arg(QDir::toNativeSeparators(path))
                                         : tr("Eksport trendu nieudany: %1").arg(written->error));
        });
}

void TrendWindow::on_pngBtn_clicked()
{
    const QString path = Dialogs::saveFileName(this, tr("Zapisz obraz trendu"), m_lastDir, tr("Obrazy PNG (*.png)"));
    if (path.isEmpty())
        return;
    m_lastDir = QFileInfo(path).absolutePath();
    const QImage image = m_plot->grab().toImage();
    auto error = std::make_shared<QString>();
    WorkerJob::start(
        this,
        [image, path, error] {
            QSaveFile file(path);
            if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
                *error = file.errorString();
        },
        [this, path, error] {
            ui->statusLabel->setText(error->isEmpty() ? tr("Zapisano obraz %1").arg(QDir::toNativeSeparators(path))
                                                      : tr("Nie można zapisać obrazu %1: %2").arg(QDir::toNativeSeparators(path), *error));
        });
}

void TrendWindow::on_printBtn_clicked()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        printTo(&printer);
}

void TrendWindow::printTo(QPrinter *printer)
{
    m_plot->setTitle(tr("%1 – %2").arg(localText(m_plot->viewFrom()), localText(m_plot->viewTo())));
    QwtPlotRenderer renderer;
    renderer.setDiscardFlag(QwtPlotRenderer::DiscardBackground);
    renderer.renderTo(m_plot, *printer);
    m_plot->setTitle(QString());
}

void TrendWindow::on_closeBtn_clicked()
{
    close();
}

void TrendWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Backspace) {
        m_plot->back();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TrendWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (isVisible())
        QTimer::singleShot(0, this, &TrendWindow::request);
}

void TrendWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, &TrendWindow::request);
}
