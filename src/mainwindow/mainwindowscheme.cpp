#include "mainwindow.h"

#include "alarmcenter.h"
#include "dataread.h"
#include "dataset.h"
#include "logentry.h"
#include "menutreerow.h"
#include "qdeclarativezoompan.h"
#include "setvalue.h"
#include "stalestrip.h"
#include "teskdesigner.h"
#include "dialogs.h"
#include "ui_mainwindow.h"
#include "usersession.h"

#include <QApplication>
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
    addAlarmTab();
}

void MainWindow::showScheme(const MenuItemRecord &record, QTreeWidgetItem *item)
{
    dropReadBack();
    m_reader->stop();
    m_refreshTimer->stop();
    m_staleStrip->hide();
    showRefreshStopped(false);
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
    addAlarmTab();
    ui->tabWidget->setCurrentIndex(0);
    pushAlarmNames();
    if (m_currentScheme.readVariables.isEmpty())
        return;
    m_reader->setPassLimitMs(m_currentScheme.interval * 1000);
    m_reader->setScheme(m_currentScheme.readVariables, m_currentScheme.events, m_project.devices);
    pushStaleNames({}); // nothing the scene shows is read yet
    // The refresh timer starts when the pass ends: started now, it would cut
    // short a first pass that waits the interval for a silent controller.
    refreshData();
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
    m_passClock.start();
}

// Nothing is refreshed once no scheme is shown (a late timer shot or write),
// nor a scheme without read variables. With no controllers at all the reader
// has nothing to ask: the same halt as a controller missing from the list.
void MainWindow::refreshData()
{
    if (!m_shownItem || m_currentScheme.readVariables.isEmpty())
        return;
    startReading();
    if (m_project.devices.isEmpty()) {
        m_reader->stop();
        teskcmdDevNotFound(m_currentScheme.readVariables.first().device);
    } else {
        m_reader->start(); // replaces a pass still running
    }
}

// An event still reading back belongs to the scheme being left: its dialog
// must not come up over another one. A write already sent goes on, so that
// what the controllers made of it is still checked and reported.
void MainWindow::dropReadBack()
{
    if (m_writer->isBusy() && !m_writer->isWriting()) {
        m_writer->stop();
        setBusyCursor(false);
    }
}

void MainWindow::stopScheme()
{
    m_reader->stop();
    dropReadBack();
    m_refreshTimer->stop();
    m_staleStrip->hide();
    m_shownItem = nullptr;
    m_pendingItem = nullptr;
    m_qmlRoot = nullptr;
    showRefreshStopped(false);
}

// Nothing reads behind a modal editor or the value dialog.
void MainWindow::pauseScheme()
{
    m_reader->stop();
    m_refreshTimer->stop();
    setShownIcon(QStringLiteral(":/scheme")); // a pass abandoned is no pass running
}

// After an editor the shown scheme goes on, with the device list as it is now.
void MainWindow::resumeScheme()
{
    if (!m_shownItem || m_currentScheme.readVariables.isEmpty())
        return;
    m_reader->setScheme(m_currentScheme.readVariables, m_currentScheme.events, m_project.devices);
    refreshData();
}

// The wait cursor over the whole program: the scheme view, where the
// operator clicked, sets cursors of its own.
void MainWindow::setBusyCursor(bool busy)
{
    if (busy == m_busyCursor)
        return;
    m_busyCursor = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
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
    // A value that did not come keeps what the scene shows, marked stale: the
    // empty text would turn a bool property false, a pump shown stopped.
    if (m_qmlRoot) {
        for (const TeskSchemeVariable &v : qAsConst(m_currentScheme.readVariables)) {
            const auto value = data.constFind(v.qmlVar);
            if (value != data.constEnd())
                m_qmlRoot->setProperty(v.qmlVar.toLatin1().constData(), QVariant(value.value()));
        }
    }
    pushStaleNames(data);
    const qint64 elapsedMs = m_passClock.elapsed();
    writeLog(tr("Aktualizacja zakończona, czas odczytu: ") + QString::number(elapsedMs / 1000) + QStringLiteral(" s"),
             LogEntry::Info);
    setShownIcon(QStringLiteral(":/scheme"));
    // Passes follow one interval apart, counted from the start of each: a
    // pass that waited its limit for a silent controller delays the others'
    // values by no more than that.
    m_refreshTimer->start(int(qMax<qint64>(0, m_currentScheme.interval * 1000LL - elapsedMs)));
}

// Scenes that grey their own elements declare the property staleVars: it
// lists the read variables whose value did not come in the last pass.
void MainWindow::pushStaleNames(const QMap<QString, QString> &data)
{
    const char *hook = "staleVars";
    if (!m_qmlRoot || m_qmlRoot->metaObject()->indexOfProperty(hook) < 0)
        return;
    QStringList silent;
    for (const ControllerStatus &s : m_reader->controllerStatus()) {
        if (!s.answering)
            silent << s.deviceId;
    }
    QStringList stale;
    for (const TeskSchemeVariable &v : qAsConst(m_currentScheme.readVariables)) {
        if ((silent.contains(v.device) || !data.contains(v.qmlVar)) && !stale.contains(v.qmlVar))
            stale << v.qmlVar;
    }
    m_qmlRoot->setProperty(hook, QVariant(stale));
}

// Scenes that mark elements in alarm declare the property alarmVars: it
// lists the read variables whose controller variable is a monitoring point
// with an active alarm, neither shelved nor out of service.
void MainWindow::pushAlarmNames()
{
    const char *hook = "alarmVars";
    if (!m_qmlRoot || m_qmlRoot->metaObject()->indexOfProperty(hook) < 0)
        return;
    QSet<QString> inAlarm; // device and variable
    const QStringList points = m_alarms->engine().pointsInAlarm();
    for (const MonitoringPoint &p : qAsConst(m_project.monitoring.points)) {
        if (points.contains(p.id))
            inAlarm.insert(p.device + QLatin1Char('\n') + p.devVar);
    }
    QStringList names;
    for (const TeskSchemeVariable &v : qAsConst(m_currentScheme.readVariables)) {
        if (inAlarm.contains(v.device + QLatin1Char('\n') + v.devVar) && !names.contains(v.qmlVar))
            names << v.qmlVar;
    }
    if (m_qmlRoot->property(hook).toStringList() != names)
        m_qmlRoot->setProperty(hook, QVariant(names));
}

void MainWindow::teskcmdStatusChanged()
{
    if (m_shownItem)
        m_staleStrip->showStatus(m_reader->controllerStatus(), m_project.devices);
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
    m_refreshTimer->stop();
    showRefreshStopped(true);
}

void MainWindow::teskcmdReadTimeout(const QString &msg)
{
    writeLog(msg, LogEntry::Error);
}

void MainWindow::teskcmdWriteTimeout(const QString &address)
{
    const QString text = tr("Sterownik ") + address + tr(" nie odpowiada");
    writeLog(text, LogEntry::Error);
    writerFailed(text);
}

void MainWindow::teskcmdBadReply(const QString &address)
{
    const QString text = tr("Sterownik ") + address + tr(": niepoprawna odpowiedź");
    writeLog(text, LogEntry::Error);
    writerFailed(text);
}

// A controller that failed during the write leaves its values unconfirmed;
// one that failed during the read-back ends the event: the operator gets the
// cursor back, is told why the click came to nothing, and the scheme goes on
// refreshing behind the message.
void MainWindow::writerFailed(const QString &message)
{
    if (m_writer->isWriting()) {
        m_writeProblems << message + tr(", zapis niepotwierdzony");
        return;
    }
    setBusyCursor(false);
    refreshData();
    Dialogs::warning(this, tr("Błąd"),
                     tr("Nie odczytano wartości do zmiany: ") + message + tr(". Nic nie zapisano."));
}

void MainWindow::teskcmdWriteRefused(const QStringList &values)
{
    const QString text = tr("Sterownik odrzucił zapis: ") + values.value(0) + QStringLiteral(" [") + values.value(1)
        + QLatin1Char('=') + values.value(2) + QLatin1Char(']') + tr(", wartość w sterowniku bez zmian");
    writeLog(text, LogEntry::Error);
    m_writeProblems << text;
}

void MainWindow::teskcmdWriteChanged(const QStringList &values)
{
    const QString text = tr("Sterownik zmienił zapisywaną wartość: ") + values.value(0) + QStringLiteral(" [")
        + values.value(1) + tr(": wysłano ") + values.value(2) + tr(", sterownik przyjął ") + values.value(3)
        + QLatin1Char(']');
    writeLog(text, LogEntry::Error);
    m_writeProblems << text;
}

// The write ended: what the controllers did not take is shown before the
// scheme is refreshed with what they hold.
void MainWindow::teskcmdAllDataSet()
{
    setBusyCursor(false);
    // The refresh goes on behind the message: the scheme shows what the
    // controllers kept while the operator reads what they refused.
    refreshData();
    if (!m_writeProblems.isEmpty()) {
        const QString text = tr("Nie wszystkie wartości zostały zapisane:\n") + m_writeProblems.join(QLatin1Char('\n'));
        m_writeProblems.clear();
        Dialogs::warning(this, tr("Zapis niepotwierdzony"), text);
    }
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

// Only an event that reads values stops the refresh; a name without an
// event, or a scheme change, leaves the cycle running.
void MainWindow::schemeItemClicked(const QString &value)
{
    const EventRecord *event = findEvent(value, true);
    if (!event || event->items.isEmpty())
        return;
    if (event->items.first().type == kSchemeType) {
        const QString target = findEvent(value, false)->items.first().property;
        m_pendingItem = schemeItemWithId(target);
        if (!m_pendingItem)
            writeLog(tr("Nie znaleziono schematu o ID: ") + target, LogEntry::Warning);
        return;
    }
    if (!permitted(UserAction::WriteValue))
        return;
    QStringList addresses;
    QStringList ports;
    DataSet::collectTargets(*event, m_project.devices, &addresses, &ports);
    if (addresses.isEmpty()) {
        writeLog(tr("Nie znaleziono sterownika z ID: ") + event->items.first().device, LogEntry::Error);
        return;
    }
    // The event before is still reading back or writing: started now, it
    // would abandon that one's request, and with it the check of its reply.
    if (m_writer->isBusy()) {
        const QString text = m_writer->isWriting()
            ? tr("Trwa zapis wartości do sterowników. Kolejną zmianę można zacząć po jego zakończeniu.")
            : tr("Trwa odczyt wartości ze sterowników. Kolejną zmianę można zacząć po jego zakończeniu.");
        writeLog(text, LogEntry::Warning);
        Dialogs::warning(this, tr("Błąd"), text);
        return;
    }
    const ControllerStatus silent = silentControllerOf(*event);
    if (!silent.answering) {
        const QString text = StaleStrip::failureText(silent.failure) + silent.deviceId + QLatin1Char(' ')
            + silent.address + tr(". Wartości można zmienić, gdy znów odpowie.");
        writeLog(text, LogEntry::Warning);
        Dialogs::warning(this, tr("Błąd"), text); // the scheme goes on refreshing behind it
        return;
    }
    pauseScheme();
    m_activeEvent = *event;
    setBusyCursor(true);
    m_writer->setTargets(addresses, ports);
    m_writer->setDevices(m_project.devices);
    m_writer->setEvent(m_activeEvent);
    m_writer->readValues();
}

// A controller the reader found not answering: its read-back would hold the
// scheme still for the link's whole time-out, the others' values frozen.
// An answering status when there is none.
ControllerStatus MainWindow::silentControllerOf(const EventRecord &event) const
{
    const QList<ControllerStatus> status = m_reader->controllerStatus();
    for (const EventItemRecord &item : event.items) {
        for (const ControllerStatus &s : status) {
            if (s.deviceId == item.device && !s.answering)
                return s;
        }
    }
    return ControllerStatus();
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
    dialog.setVariables(list, m_activeEvent.items);
    setBusyCursor(false);
    if (dialog.exec() != QDialog::Accepted) {
        refreshData();
        return;
    }
    // The user may have been logged out while the dialog was open.
    if (!permitted(UserAction::WriteValue)) {
        refreshData();
        return;
    }
    QStringList skipped;
    const QList<TeskSchemeVariable> writes = dialog.writeList(&skipped);
    for (const QString &name : qAsConst(skipped))
        writeLog(tr("Nie zapisano parametru (brak wartości do zapisania): ") + name, LogEntry::Warning);
    if (writes.isEmpty()) {
        refreshData();
        return;
    }
    m_writeProblems.clear();
    logWrites(writes);
    setBusyCursor(true);
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
    if (!permitted(UserAction::EditQml))
        return;
    if (!m_currentScheme.qmlFile.isEmpty())
        m_designer->openFile(m_currentScheme.qmlFile);
    m_designer->show();
}

void MainWindow::showDesigner()
{
    schemeEditRequested();
}
