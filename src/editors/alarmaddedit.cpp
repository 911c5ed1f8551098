#include "alarmaddedit.h"

#include "decimaltext.h"
#include "dialogs.h"
#include "monitoringcheck.h"
#include "ui_alarmaddedit.h"

namespace {

const QStringList kKinds = {QStringLiteral("highhigh"), QStringLiteral("high"),  QStringLiteral("low"),
                            QStringLiteral("lowlow"),   QStringLiteral("state"), QStringLiteral("error")};

} // namespace

AlarmAddEdit::AlarmAddEdit(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AlarmAddEdit)
{
    ui->setupUi(this);
    for (const QString &kind : kKinds)
        ui->kindCombo->addItem(MonitoringCheck::alarmKindName(kind), kind);
    connect(ui->kindCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &AlarmAddEdit::kindChanged);
}

AlarmAddEdit::~AlarmAddEdit()
{
    delete ui;
}

void AlarmAddEdit::setAlarm(const AlarmDefinition &alarm, const QString &pointType,
                            const QList<AlarmDefinition> &others)
{
    m_alarm = alarm;
    m_pointType = pointType;
    m_others = others;
    ui->kindCombo->setCurrentIndex(kKinds.indexOf(alarm.kind));
    ui->limitEdit->setText(QString::number(alarm.limit));
    ui->hysteresisEdit->setText(QString::number(alarm.deadband));
    ui->valueEdit->setText(QString::number(alarm.value));
    ui->onDelaySpin->setValue(alarm.onDelay);
    ui->offDelaySpin->setValue(alarm.offDelay);
    ui->priorityCombo->setCurrentIndex(alarm.priority - 1);
    ui->textEdit->setText(alarm.text);
    kindChanged();
    ui->kindCombo->setFocus();
}

void AlarmAddEdit::kindChanged()
{
    AlarmDefinition chosen;
    chosen.kind = ui->kindCombo->currentData().toString();
    ui->limitEdit->setEnabled(chosen.isLimit());
    ui->hysteresisEdit->setEnabled(chosen.isLimit());
    ui->valueEdit->setEnabled(chosen.kind == QLatin1String("state"));
}

// The fields a kind does not use keep what they held.
AlarmDefinition AlarmAddEdit::alarm() const
{
    AlarmDefinition a = m_alarm;
    a.kind = ui->kindCombo->currentData().toString();
    if (ui->limitEdit->isEnabled()) {
        DecimalText::parse(ui->limitEdit->text(), &a.limit);
        DecimalText::parse(ui->hysteresisEdit->text(), &a.deadband);
    }
    if (ui->valueEdit->isEnabled())
        DecimalText::parse(ui->valueEdit->text(), &a.value);
    a.onDelay = ui->onDelaySpin->value();
    a.offDelay = ui->offDelaySpin->value();
    a.priority = ui->priorityCombo->currentIndex() + 1;
    a.text = ui->textEdit->text().trimmed();
    return a;
}

QString AlarmAddEdit::numberProblem() const
{
    double value = 0;
    const QList<QPair<QLineEdit *, QString>> fields = {{ui->limitEdit, tr("Granica")},
                                                       {ui->hysteresisEdit, tr("Histereza")},
                                                       {ui->valueEdit, tr("Wartość alarmowa")}};
    for (const auto &field : fields) {
        if (field.first->isEnabled() && !DecimalText::parse(field.first->text(), &value))
            return tr("%1: „%2” nie jest liczbą.").arg(field.second, field.first->text());
    }
    return QString();
}

void AlarmAddEdit::on_saveBtn_clicked()
{
    QString problem = numberProblem();
    if (problem.isEmpty())
        problem = MonitoringCheck::alarmProblem(alarm(), m_pointType, m_others);
    if (!problem.isEmpty()) {
        Dialogs::critical(this, tr("Błąd"), problem);
        return;
    }
    accept();
}

void AlarmAddEdit::on_cancelBtn_clicked()
{
    reject();
}
