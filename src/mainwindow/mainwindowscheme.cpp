#include "mainwindow.h"

#include "dataread.h"
#include "dataset.h"
#include "logentry.h"
#include "menutreerow.h"
#include "qdeclarativezoompan.h"
#include "setvalue.h"
#include "teskdesigner.h"
#include "ui_mainwindow.h"

#include <QLabel>
#include <QQmlEngine>
#include <QQuickItem>
#include <QTimer>

namespace {
const QString kSchemeType = QStringLiteral("scheme");
} // namespace

// The record a tree row shows: same text and ID, a scheme; the last one.
const MenuItemRecord *MainWindow::recordOfItem(const QTreeWidgetItem *item) const
{
    const MenuItemRecord *found = nullptr;
    for (const MenuItemRecord &r : m_project.menu) {
        if (r.text == item->text(MenuTreeRow::Text) && r.id == item->text(MenuTreeRow::Id) && r.isScheme())
            found = &r;
    }
    return found;
}

void MainWindow::on_menuTree_currentItemChanged(QTreeWidgetItem *current)
{
    if (!current || current == m_shownItem)
        return;
    const MenuItemRecord *record = recordOfItem(current);
    if (record)
        showScheme(*record, current);
}

void MainWindow::showOnlyLogTab()
{
    while (ui->tabWidget->count() > 0)
        ui->tabWidget->removeTab(0);
    ui->tabWidget->addTab(ui->logTab, tr("Log"));
}

void MainWindow::showScheme(const MenuItemRecord &record, QTreeWidgetItem *item)
{
    while (ui->tabWidget->count() > 0)
        ui->tabWidget->removeTab(0);
    setShownIcon(QStringLiteral(":/scheme"));
    m_currentScheme = record;
    m_currentScheme.qmlFile = m_project.location + record.qmlFile;
    m_shownItem = item;
    m_view->engine()->clearComponentCache();
    m_view->setSource(QUrl::fromLocalFile(m_currentScheme.qmlFile));
    m_view->setMouseTracking(true);
    connectScene();
    ui->tabWidget->insertTab(0, ui->logTab, tr("Log"));
    ui->tabWidget->insertTab(0, ui->visualizationTab, tr("Schemat"));
    ui->tabWidget->setCurrentIndex(0);
    if (m_currentScheme.readVariables.isEmpty())
        return;
    m_refreshTimer->stop();
    m_refreshTimer->setInterval(m_currentScheme.interval * 1000);
    startReading();
    m_reader->setPassLimitMs(m_currentScheme.interval * 1000);
    m_reader->setScheme(m_currentScheme.readVariables, m_currentScheme.events, m_project.devices);
    m_reader->start();
    m_refreshTimer->start();
}

// A scene that did not load leaves nothing to set values on; its errors go
// to the log.
void MainWindow::connectScene()
{
    m_qmlRoot = m_view->rootObject();
    if (!m_qmlRoot) {
        writeLog(tr("Błąd ładowania schematu: ") + m_currentScheme.qmlFile, LogEntry::Error);
        for (const QQmlError &e : m_view->errors())
            writeLog(e.toString(), LogEntry::Error);
        return;
    }
    if (m_qmlRoot->metaObject()->indexOfSignal("itemClicked(QString)") < 0) {
        writeLog(tr("Schemat nie zgłasza kliknięć (brak sygnału itemClicked): ") + m_currentScheme.qmlFile,
                 LogEntry::Warning);
        return;
    }
    connect(m_qmlRoot, SIGNAL(itemClicked(QString)), this, SLOT(schemeItemClicked(QString)));
}

void MainWindow::setShownIcon(const QString &icon)
{
    if (m_shownItem)
        m_shownItem->setIcon(MenuTreeRow::Text, QIcon(icon));
}

// The icon, the log entry and the clock of a pass that begins.
void MainWindow::startReading()
{
    setShownIcon(QStringLiteral(":/update"));
    showRefreshStopped(false);
    writeLog(tr("Aktualizacja danych"), LogEntry::Info);
    m_readStart = QDateTime::currentDateTime();
}

void MainWindow::refreshData()
{
    if (!m_shownItem)
        return; // nothing is shown any more: a late timer shot or write
    startReading();
    m_reader->stop();
    m_reader->start();
}

void MainWindow::stopScheme()
{
    m_reader->stop();
    m_refreshTimer->stop();
    m_shownItem = nullptr;
    m_pendingItem = nullptr;
    m_qmlRoot = nullptr;
    showRefreshStopped(false);
}

void MainWindow::showRefreshStopped(bool stopped)
{
    const QString text = tr("Odświeżanie schematu zatrzymane; „Odswież” w menu schematu wznawia je");
    m_refreshStopped->setText(text);
    m_refreshStopped->setVisible(stopped);
    if (m_shownItem)
        m_shownItem->setToolTip(MenuTreeRow::Text, stopped ? text : QString());
}

void MainWindow::teskcmdAllDataReady(const QMap<QString, QString> &data)
{
    if (!m_shownItem)
        return;
    if (!data.isEmpty() && m_qmlRoot) {
        for (const TeskSchemeVariable &v : qAsConst(m_currentScheme.readVariables))
            m_qmlRoot->setProperty(v.qmlVar.toLatin1().constData(), QVariant(data.value(v.qmlVar)));
    }
    const qint64 seconds = qAbs(m_readStart.secsTo(QDateTime::currentDateTime()));
    writeLog(tr("Aktualizacja zakończona, czas odczytu: ") + QString::number(seconds) + QStringLiteral(" s"),
             LogEntry::Info);
    setShownIcon(QStringLiteral(":/scheme"));
    m_refreshTimer->start();
}

void MainWindow::teskcmdVarReady(const QStringList &values)
{
    writeLog(tr("Odczytano parametr ze sterownika: ") + values.value(0) + QStringLiteral(" [") + values.value(1)
                 + QLatin1Char('=') + values.value(2) + QLatin1Char(']'),
             LogEntry::Read);
}

void MainWindow::teskcmdVarReadError(const QStringList &values)
{
    writeLog(tr("Brak parametru w sterowniku: ") + values.value(0) + QStringLiteral(" [") + values.value(1)
                 + QLatin1Char(']'),
             LogEntry::Error);
}

void MainWindow::teskcmdDevNotFound(const QString &id)
{
    writeLog(tr("Nie znaleziono sterownika z ID: ") + id, LogEntry::Error);
    setShownIcon(QStringLiteral(":/scheme"));
    showRefreshStopped(true);
}

void MainWindow::teskcmdReadTimeout(const QString &msg)
{
    writeLog(msg, LogEntry::Error);
}

// A controller that does not answer a write: the operator gets the cursor
// back, the log says who, and the scheme goes on refreshing.
void MainWindow::teskcmdWriteTimeout(const QString &address)
{
    setCursor(Qt::ArrowCursor);
    writeLog(tr("Sterownik ") + address + tr(" nie odpowiada"), LogEntry::Error);
    refreshData();
}

// The event of that name: the last one, or for a scheme change the first.
const EventRecord *MainWindow::findEvent(const QString &name, bool last) const
{
    const EventRecord *found = nullptr;
    for (const EventRecord &e : m_currentScheme.events) {
        if (e.name == name) {
            found = &e;
            if (!last)
                break;
        }
    }
    return found;
}

// Each controller the event names once, in device list order.
void MainWindow::collectTargets(const EventRecord &event, QStringList *addresses, QStringList *ports) const
{
    for (const DeviceRecord &d : m_project.devices) {
        for (const EventItemRecord &item : event.items) {
            if (item.device == d.id && !addresses->contains(d.networkAdress)) {
                *addresses << d.networkAdress;
                *ports << d.port;
            }
        }
    }
}

// For each scheme record with the ID, the first row showing its text; the
// last one found.
QTreeWidgetItem *MainWindow::schemeItemWithId(const QString &id) const
{
    QTreeWidgetItem *found = nullptr;
    for (const MenuItemRecord &r : m_project.menu) {
        if (r.id != id)
            continue;
        for (QTreeWidgetItem *item : m_treeItems) {
            if (item->text(MenuTreeRow::Text) == r.text) {
                found = item;
                break;
            }
        }
    }
    return found;
}

void MainWindow::schemeItemClicked(const QString &value)
{
    m_reader->stop();
    m_refreshTimer->stop();
    const EventRecord *event = findEvent(value, true);
    if (!event || event->items.isEmpty())
        return;
    QStringList addresses;
    QStringList ports;
    collectTargets(*event, &addresses, &ports);
    if (event->items.first().type == kSchemeType) {
        const QString target = findEvent(value, false)->items.first().property;
        m_pendingItem = schemeItemWithId(target);
        if (!m_pendingItem)
            writeLog(tr("Nie znaleziono schematu o ID: ") + target, LogEntry::Warning);
        return;
    }
    m_activeEvent = *event;
    setCursor(Qt::WaitCursor);
    m_writer->setTargets(addresses, ports);
    m_writer->setDevices(m_project.devices);
    m_writer->setEvent(m_activeEvent);
    m_writer->readValues();
}

void MainWindow::schemeMouseReleased()
{
    if (!m_pendingItem)
        return;
    QTreeWidgetItem *target = m_pendingItem;
    m_pendingItem = nullptr;
    ui->menuTree->setCurrentItem(target);
}

void MainWindow::teskcmdDescribeIsReady(const QList<TeskSchemeVariable> &list)
{
    setValue dialog;
    dialog.setWindowTitle(dialog.windowTitle() + m_activeEvent.name);
    for (const TeskSchemeVariable &v : list)
        dialog.addField(v, setValue::findItem(m_activeEvent.items, v));
    setCursor(Qt::ArrowCursor);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QStringList skipped;
    const QList<TeskSchemeVariable> writes = dialog.writeList(list, m_activeEvent.items, &skipped);
    for (const QString &name : qAsConst(skipped))
        writeLog(tr("Nie zapisano parametru (brak wartości do zapisania): ") + name, LogEntry::Warning);
    logWrites(writes);
    m_writer->writeValues(writes);
}

void MainWindow::logWrites(const QList<TeskSchemeVariable> &list)
{
    for (const TeskSchemeVariable &v : list) {
        writeLog(tr("Zapis do sterownika: ") + addressOf(m_project.devices, v.device) + QStringLiteral(" [") + v.devVar
                     + QLatin1Char('=') + v.value + QLatin1Char(']'),
                 LogEntry::Send);
    }
}

void MainWindow::schemeEditRequested()
{
    if (!m_currentScheme.qmlFile.isEmpty())
        m_designer->openFile(m_currentScheme.qmlFile);
    m_designer->show();
}

void MainWindow::showDesigner()
{
    schemeEditRequested();
}
