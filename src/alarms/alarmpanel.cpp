#include "alarmpanel.h"

#include "alarmcenter.h"
#include "alarmreasondialog.h"
#include "alarmtablemodel.h"
#include "dialogs.h"
#include "ui_alarmpanel.h"

#include <QHeaderView>

namespace {

constexpr int kNamesListed = 5;

} // namespace

AlarmPanel::AlarmPanel(AlarmCenter *center, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::AlarmPanel)
    , m_center(center)
{
    ui->setupUi(this);
    ui->alarmTable->setModel(center->model());
    QHeaderView *header = ui->alarmTable->horizontalHeader();
    // The time and the state are read whole; the alarm's text takes the rest.
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    const QFontMetrics metrics(font());
    header->resizeSection(AlarmTableModel::Time, metrics.horizontalAdvance(QStringLiteral("2026-12-07 20:38:00")) + 24);
    header->resizeSection(AlarmTableModel::Priority, metrics.horizontalAdvance(tr("Priorytet")) + 20);
    header->resizeSection(AlarmTableModel::Point, 90);
    header->resizeSection(AlarmTableModel::Description, 150);
    header->resizeSection(AlarmTableModel::Value, 80);
    header->resizeSection(AlarmTableModel::State,
                          metrics.horizontalAdvance(tr("Ustąpił, niepotwierdzony") + tr(", odłożony do %1").arg(QStringLiteral("00:00"))) + 24);
    header->setSectionResizeMode(AlarmTableModel::Text, QHeaderView::Stretch);
    connect(ui->priorityCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &AlarmPanel::applyFilter);
    connect(ui->searchEdit, &QLineEdit::textChanged, this, &AlarmPanel::applyFilter);
    connect(ui->suppressedCheck, &QCheckBox::toggled, this, &AlarmPanel::applyFilter);
    connect(ui->silenceButton, &QPushButton::clicked, center, &AlarmCenter::silence);
    connect(ui->historyButton, &QPushButton::clicked, this, &AlarmPanel::historyAsked);
    connect(ui->trendButton, &QPushButton::clicked, this, &AlarmPanel::askTrend);
    connect(ui->analysisButton, &QPushButton::clicked, this, &AlarmPanel::analysisAsked);
    connect(ui->acknowledgeButton, &QPushButton::clicked, this, [this] { acknowledge(selectedAlarms()); });
    connect(ui->acknowledgeAllButton, &QPushButton::clicked, this,
            [this] { acknowledge(m_center->model()->shownAlarms()); });
    connect(ui->shelveButton, &QPushButton::clicked, this, &AlarmPanel::shelve);
    connect(ui->unshelveButton, &QPushButton::clicked, this, [this] { m_center->unshelve(selectedAlarms()); });
    connect(ui->outOfServiceButton, &QPushButton::clicked, this, &AlarmPanel::takeOutOfService);
    connect(ui->inServiceButton, &QPushButton::clicked, this, [this] { m_center->putInService(selectedAlarms()); });
    connect(ui->alarmTable->selectionModel(), &QItemSelectionModel::selectionChanged, this, &AlarmPanel::updateButtons);
    connect(center, &AlarmCenter::changed, this, &AlarmPanel::updateButtons);
    connect(center, &AlarmCenter::refused, this,
            [this](const QString &why) { Dialogs::warning(this, tr("Brak uprawnień"), why); });
    updateButtons();
}

AlarmPanel::~AlarmPanel()
{
    delete ui;
}

QVector<int> AlarmPanel::selectedAlarms() const
{
    QVector<int> alarms;
    for (const QModelIndex &row : ui->alarmTable->selectionModel()->selectedRows())
        alarms.append(m_center->model()->alarmAt(row.row()));
    return alarms;
}

QString AlarmPanel::namesOf(const QVector<int> &alarms) const
{
    QStringList names;
    for (int i = 0; i < alarms.size() && i < kNamesListed; ++i) {
        const AlarmEngine::Alarm &a = m_center->engine().alarm(alarms.at(i));
        names << a.point + QStringLiteral(": ") + a.definition.text;
    }
    if (alarms.size() > kNamesListed)
        names << tr("i %1 innych").arg(alarms.size() - kNamesListed);
    return names.join(QLatin1Char('\n'));
}

void AlarmPanel::applyFilter()
{
    m_center->model()->setFilter(ui->priorityCombo->currentIndex(), ui->searchEdit->text(),
                                 ui->suppressedCheck->isChecked());
    updateButtons();
}

void AlarmPanel::askTrend()
{
    const QVector<int> alarms = selectedAlarms();
    if (alarms.isEmpty())
        return;
    const AlarmEngine::Alarm &a = m_center->engine().alarm(alarms.first());
    if (!a.isComm())
        emit trendAsked(a.point, a.machine.raisedMs());
}

void AlarmPanel::acknowledge(const QVector<int> &alarms)
{
    if (m_center->acknowledge(alarms, ui->commentEdit->text().trimmed()) > 0)
        ui->commentEdit->clear();
}

void AlarmPanel::shelve()
{
    if (!m_center->permits(UserAction::ShelveAlarm))
        return;
    const QVector<int> alarms = selectedAlarms();
    AlarmReasonDialog dialog(tr("Odłóż alarmy"), namesOf(alarms), m_center->maxShelveHours() * 60, this);
    if (dialog.exec() == QDialog::Accepted)
        m_center->shelve(alarms, dialog.minutes(), dialog.reason());
}

void AlarmPanel::takeOutOfService()
{
    if (!m_center->permits(UserAction::SetAlarmOutOfService))
        return;
    const QVector<int> alarms = selectedAlarms();
    AlarmReasonDialog dialog(tr("Wyłącz alarmy z obsługi"), namesOf(alarms), 0, this);
    if (dialog.exec() == QDialog::Accepted)
        m_center->takeOutOfService(alarms, dialog.reason());
}

void AlarmPanel::updateButtons()
{
    bool unacknowledged = false, shelved = false, inService = false, outOfService = false;
    for (const int i : selectedAlarms()) {
        const AlarmMachine &m = m_center->engine().alarm(i).machine;
        unacknowledged |= m.isUnacknowledged();
        shelved |= m.isShelved();
        inService |= !m.isOutOfService();
        outOfService |= m.isOutOfService();
    }
    ui->acknowledgeButton->setEnabled(unacknowledged);
    ui->acknowledgeAllButton->setEnabled(m_center->model()->rowCount() > 0);
    ui->shelveButton->setEnabled(inService); // only an alarm in service can be shelved
    ui->unshelveButton->setEnabled(shelved);
    ui->outOfServiceButton->setEnabled(inService);
    ui->inServiceButton->setEnabled(outOfService);
    const QVector<int> selected = selectedAlarms();
    ui->trendButton->setEnabled(!selected.isEmpty() && !m_center->engine().alarm(selected.first()).isComm());
    ui->silenceButton->setEnabled(m_center->isSounding());
}
