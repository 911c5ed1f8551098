#include "deviceaddedit.h"

#include "addplotdialog.h"
#include "commandlanguage.h"
#include "devicedescription.h"
#include "dialogs.h"
#include "qteskcmd.h"
#include "trendchart.h"
#include "ui_deviceaddedit.h"
#include "usersession.h"

#include <QTimer>

namespace {

enum Column { Name = 0, Value = 1, Type = 2, Chart = 3, Max = 4, Min = 5 };

constexpr int kUpdateMs = 100;
constexpr int kReplotMs = 500;
const QColor kReadOnly(240, 240, 240);

QString iconOf(const QString &type)
{
    static const QHash<QString, QString> icons = {
        {QStringLiteral("int"), QStringLiteral(":/int")},       {QStringLiteral("on_off"), QStringLiteral(":/logic")},
        {QStringLiteral("phy_temperature"), QStringLiteral(":/temp")}, {QStringLiteral("mac"), QStringLiteral(":/mac")},
        {QStringLiteral("ver"), QStringLiteral(":/version")},   {QStringLiteral("serial"), QStringLiteral(":/serial")},
        {QStringLiteral("percent"), QStringLiteral(":/percent")}, {QStringLiteral("string"), QStringLiteral(":/string")},
        {QStringLiteral("ipquad"), QStringLiteral(":/ip")}};
    return icons.value(type);
}

QString tenths(const QString &value)
{
    QString decoded;
    CommandLanguage::decode(QStringLiteral("temp"), QString(), value, &decoded);
    return decoded;
}

} // namespace

deviceAddEdit::deviceAddEdit(QWidget *parent)
    : QDialog(parent, Qt::Window)
    , ui(new Ui::deviceAddEdit)
    , m_readingLink(new QTeskCmd(this))
    , m_updateLink(new QTeskCmd(this))
    , m_updateTimer(new QTimer(this))
    , m_replotTimer(new QTimer(this))
    , m_chart(new TrendChart(this))
{
    ui->setupUi(this);
    ui->plotLayout->addWidget(m_chart);
    showProgress(false);
    m_updateTimer->setSingleShot(true);
    m_updateTimer->setInterval(kUpdateMs);
    connect(m_readingLink, qOverload<QString>(&QTeskCmd::dataReady), this, &deviceAddEdit::dataReady);
    connect(m_readingLink, &QTeskCmd::timeout, this, &deviceAddEdit::readTimeout);
    connect(m_updateLink, qOverload<QString>(&QTeskCmd::dataReady), this, &deviceAddEdit::updateDataReady);
    // A controller that stops answering the update just ends it (nothing
    // restarts the timer); leaving the address field reads it afresh.
    connect(m_updateTimer, &QTimer::timeout, this, &deviceAddEdit::startUpdate);
    connect(m_replotTimer, &QTimer::timeout, this, &deviceAddEdit::replot);
    connect(m_chart, &TrendChart::mouseMoved, this, &deviceAddEdit::trackerMove);
    m_replotTimer->start(kReplotMs);
}

deviceAddEdit::~deviceAddEdit()
{
    delete ui;
}

void deviceAddEdit::setDeviceFields(const QStringList &fields)
{
    ui->lineEdit->setText(fields.value(0));
    ui->lineEdit_2->setText(fields.value(1));
    ui->lineEdit_3->setText(fields.value(2));
    ui->lineEdit_4->setText(fields.value(3));
}

QStringList deviceAddEdit::deviceFields() const
{
    return {ui->lineEdit->text(),   ui->lineEdit_2->text(),     ui->lineEdit_3->text(),     ui->lineEdit_4->text(),
            ui->macLineEdit->text(), ui->serialLineEdit->text(), ui->versionLineEdit->text()};
}

QTreeWidgetItem *deviceAddEdit::rowOf(const QString &name) const
{
    for (QTreeWidgetItem *row : m_rows) {
        if (row->text(Name) == name)
            return row;
    }
    return nullptr;
}

void deviceAddEdit::send(QTeskCmd *link, const QString &command)
{
    link->sendRequest(ui->lineEdit->text(), command, kPort);
}

void deviceAddEdit::showProgress(bool visible)
{
    ui->dataReadProgressLabel->setVisible(visible);
    ui->dataReadProgressBar->setVisible(visible);
}

void deviceAddEdit::on_lineEdit_editingFinished()
{
    ui->tabWidget->setCurrentIndex(0);
    m_describeSent = false;
    m_describePending = true;
    m_identityPending = true;
    m_clearPending = true;
    for (QLineEdit *e : {ui->macLineEdit, ui->serialLineEdit, ui->versionLineEdit})
        e->setText(tr("Odczytuje dane..."));
    showProgress(true);
    ui->dataReadProgressBar->setValue(0);
    downloadAllData();
}

void deviceAddEdit::downloadAllData()
{
    if (m_clearPending) {
        ui->varTree->clearSelection();
        ui->varTree->clear();
        m_parameters.clear();
        m_rows.clear();
    }
    if (m_identityPending) {
        send(m_readingLink, CommandLanguage::identityCommand());
        m_clearPending = false;
    } else if (!m_describeSent && m_describePending) {
        m_describeSent = true;
        m_describePending = false;
        send(m_readingLink, CommandLanguage::describeAllCommand());
        m_clearPending = false;
    } else if (m_describeSent) {
        m_describeSent = false;
        m_describePending = true;
        send(m_readingLink, CommandLanguage::getAllCommand());
    }
}

void deviceAddEdit::dataReady(const QString &reply)
{
    const QStringList entries = CommandLanguage::prepareForDeviceEditor(reply);
    // The answer to a write of one variable holds one entry, too few to be
    // read as values; the update must go on all the same, or the tree
    // would stop following the controller after every write.
    if (m_writePending) {
        m_writePending = false;
        writeEnded(reply);
        if (!CommandLanguage::isProcessable(entries))
            m_updateTimer->start();
    }
    if (!CommandLanguage::isProcessable(entries))
        return;
    if (m_identityPending)
        identityReply(entries);
    else if (!m_describePending && m_describeSent)
        descriptionReply(entries);
    else if (m_describePending)
        valuesReply(entries, ValuesPass::Initial);
}

void deviceAddEdit::identityReply(const QStringList &entries)
{
    const CommandLanguage::Identity id = CommandLanguage::composeIdentity(entries);
    ui->macLineEdit->setText(id.mac);
    ui->serialLineEdit->setText(id.serial);
    ui->versionLineEdit->setText(id.version);
    m_identityPending = false;
    ui->dataReadProgressBar->setValue(20);
    downloadAllData();
}

void deviceAddEdit::descriptionReply(const QStringList &entries)
{
    const DeviceDescription description = DeviceDescription::parse(entries);
    for (const QString &group : description.groups) {
        auto *row = new QTreeWidgetItem(ui->varTree, {group});
        row->setIcon(Name, QIcon(QStringLiteral(":/folder")));
        m_rows << row;
    }
    for (const DeviceParameter &p : description.parameters)
        addParameterRow(p);
    ui->varTree->expandAll();
    // Every heading stays readable, "Min" at the right edge too.
    for (int c : {Name, Type, Chart, Max, Min})
        ui->varTree->resizeColumnToContents(c);
    ui->dataReadProgressBar->setValue(60);
    downloadAllData();
}

void deviceAddEdit::addParameterRow(const DeviceParameter &p)
{
    m_parameters << p;
    QTreeWidgetItem *group = rowOf(p.group());
    if (!group)
        return;
    auto *row = new QTreeWidgetItem(group);
    row->setText(Name, p.name);
    const QString icon = iconOf(p.type);
    if (!icon.isEmpty())
        row->setIcon(Name, QIcon(icon));
    if (!p.modify) {
        for (int c = Name; c <= Max; ++c)
            row->setBackground(c, kReadOnly);
    }
    row->setText(Type, p.type);
    // A limit the description does not give stays empty rather than 0.
    if (p.hasMax)
        row->setText(Max, QString::number(p.max));
    if (p.hasMin)
        row->setText(Min, QString::number(p.min));
    row->setCheckState(Chart, Qt::Unchecked);
    m_rows << row;
}

// Rows stop being user-checkable once values arrive: the check boxes show
// states, they do not take clicks.
void deviceAddEdit::lockRows(bool allRows, QTreeWidgetItem *row)
{
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (!allRows) {
        row->setFlags(flags);
        return;
    }
    for (QTreeWidgetItem *r : qAsConst(m_rows))
        r->setFlags(flags);
}

bool deviceAddEdit::applyValue(DeviceParameter &p, const QStringList &entries, ValuesPass pass)
{
    QTreeWidgetItem *row = rowOf(p.name);
    const bool exactOnly = pass == ValuesPass::Update;
    bool changed = false;
    if (p.type == QLatin1String("ipquad") && !exactOnly) {
        QStringList parts;
        for (const QString &e : entries) {
            if (e.startsWith(p.name))
                parts << CommandLanguage::entryValue(e);
        }
        p.value = parts.join(QLatin1Char('.'));
        if (row)
            row->setText(Value, p.value);
        return false;
    }
    const QMap<QString, QLineEdit *> identity = {{QStringLiteral("mac"), ui->macLineEdit},
                                                 {QStringLiteral("serial"), ui->serialLineEdit},
                                                 {QStringLiteral("ver"), ui->versionLineEdit}};
    if (identity.contains(p.type) && !exactOnly) {
        if (row)
            row->setText(Value, identity.value(p.type)->text());
        return false;
    }
    for (const QString &e : entries) {
        const QString key = CommandLanguage::entryKey(e);
        const QString value = CommandLanguage::entryValue(e);
        if (p.type == QLatin1String("phy_temperature")) {
            if (!e.startsWith(p.name) || key.section(QLatin1Char('.'), -1) != QLatin1String("value"))
                continue;
            p.value = tenths(value);
            if (row)
                row->setText(Value, p.value + QStringLiteral(" \u00b0C"));
        } else if (key == p.name) {
            p.value = value;
            if (p.type == QLatin1String("on_off")) {
                if (row)
                    row->setCheckState(Value, value.toInt(nullptr, 10) == 1 ? Qt::Checked : Qt::Unchecked);
            } else if (row) {
                row->setText(Value, value);
            }
        } else {
            continue;
        }
        changed = true;
    }
    return changed;
}

void deviceAddEdit::valuesReply(const QStringList &entries, ValuesPass pass)
{
    for (DeviceParameter &p : m_parameters) {
        if (!applyValue(p, entries, pass))
            continue;
        QTreeWidgetItem *row = rowOf(p.name);
        if (!row)
            continue;
        if (p.type == QLatin1String("on_off"))
            lockRows(false, row);
        else if (pass == ValuesPass::Initial)
            lockRows(true, row);
    }
    if (pass == ValuesPass::Initial) {
        ui->dataReadProgressBar->setValue(100);
        showProgress(false);
        m_updateTimer->start();
    }
}

void deviceAddEdit::startUpdate()
{
    send(m_updateLink, CommandLanguage::getAllCommand());
}

void deviceAddEdit::updateDataReady(const QString &reply)
{
    const QStringList entries = CommandLanguage::prepareForDeviceEditor(reply);
    if (CommandLanguage::isProcessable(entries)) {
        valuesReply(entries, ValuesPass::Update);
        feedChart();
    }
    m_updateTimer->start();
}

void deviceAddEdit::feedChart()
{
    const QDateTime now = QDateTime::currentDateTime();
    for (const DeviceParameter &p : qAsConst(m_parameters)) {
        bool number = false;
        const double value = p.value.toDouble(&number);
        if (number && m_chart->hasLine(p.name))
            m_chart->addPoint(p.name, now, value);
    }
}

void deviceAddEdit::readTimeout()
{
    // A write that failed: the tree follows the controller again.
    if (m_writePending) {
        m_writePending = false;
        writeEnded(QString());
        m_updateTimer->start();
    }
    m_readingLink->abortRequest();
    for (QLineEdit *e : {ui->macLineEdit, ui->serialLineEdit, ui->versionLineEdit})
        e->setText(tr("Brak połączenia ze sterownikiem"));
    showProgress(false);
}

void deviceAddEdit::trackerMove(const QPoint &position)
{
    m_chart->track(position);
}

void deviceAddEdit::replot()
{
    m_chart->replot(QDateTime::currentDateTime());
}

void deviceAddEdit::on_varTree_itemDoubleClicked(QTreeWidgetItem *item, int column)
{
    if (!item)
        return;
    if (column <= Type)
        editValue(item);
    else if (column == Chart)
        toggleChart(item);
}

void deviceAddEdit::editValue(QTreeWidgetItem *row)
{
    const QString type = row->text(Type);
    if (type != QLatin1String("on_off") && type != QLatin1String("int"))
        return;
    if (m_session && !m_session->allows(UserAction::DeviceEditorWrite)) {
        Dialogs::warning(this, tr("Brak uprawnień"), m_session->refusal(UserAction::DeviceEditorWrite));
        return;
    }
    m_updateTimer->stop();
    if (type == QLatin1String("on_off")) {
        const bool on = row->checkState(Value) == Qt::Checked;
        write(row, on ? QStringLiteral("1") : QStringLiteral("0"), on ? QStringLiteral("0") : QStringLiteral("1"));
        return;
    }
    bool ok = false;
    const int value = Dialogs::integer(this, tr("Nowa wartośc: "), tr("Podaj nową wartość: "),
                                       row->text(Value).toInt(nullptr, 10), -65535, 65535, 10, &ok);
    if (ok)
        write(row, row->text(Value), QString::number(value));
    else
        m_updateTimer->start();
}

void deviceAddEdit::write(QTreeWidgetItem *row, const QString &before, const QString &value)
{
    m_write = WriteOutcome();
    m_write.controller = ui->lineEdit_3->text();
    m_write.address = ui->lineEdit->text();
    m_write.variable = row->text(Name);
    m_write.before = before;
    m_write.sent = value;
    m_writePending = true;
    send(m_readingLink, CommandLanguage::setCommand({{m_write.variable, value}}));
}

// reply empty: the request failed.
void deviceAddEdit::writeEnded(const QString &reply)
{
    QString kept;
    if (reply.isEmpty()) {
        m_write.result = m_readingLink->failure() == QTeskCmd::Failure::NotAllowed ? WriteOutcome::Result::NotAllowed
                                                                                    : WriteOutcome::Result::Unanswered;
    } else if (!CommandLanguage::keptValue(CommandLanguage::prepareValues(reply), m_write.variable, &kept)) {
        m_write.result = WriteOutcome::Result::Refused;
    } else {
        m_write.confirmed = kept;
        m_write.result = CommandLanguage::sameValue(m_write.sent, kept) ? WriteOutcome::Result::Confirmed
                                                                         : WriteOutcome::Result::Changed;
    }
    emit written(m_write);
}

// A double-click ticks a variable for the chart (asking how to draw it) or
// unticks it, which takes its line away.
void deviceAddEdit::toggleChart(QTreeWidgetItem *row)
{
    const QString name = row->text(Name);
    if (row->checkState(Chart) == Qt::Checked) {
        row->setCheckState(Chart, Qt::Unchecked);
        m_chart->removeLine(name);
        return;
    }
    if (row->text(Type).isEmpty())
        return; // a group row
    AddPlotDialog dialog(name, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    row->setCheckState(Chart, Qt::Checked);
    m_chart->addLine(name, {dialog.name(), dialog.lineStyle(), dialog.interpolation(), dialog.lineWidth(), dialog.color()});
}

void deviceAddEdit::on_pushButton_clicked()
{
    if (ui->lineEdit->text() == QLatin1String("...") || ui->lineEdit_2->text().isEmpty()
        || ui->lineEdit_3->text().isEmpty()) {
        Dialogs::critical(this, tr("Błąd"), tr("Wszystkie pola muszą być wypełnione"));
        return;
    }
    accept();
}

void deviceAddEdit::on_pushButton_2_clicked()
{
    reject();
}
