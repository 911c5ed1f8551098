#include "mainwindow.h"

#include "alarmanalysisdialog.h"
#include "alarmcenter.h"
#include "alarmhistorydialog.h"
#include "configfile.h"
#include "dataread.h"
#include "dataset.h"
#include "devicemanagement.h"
#include "schemesmanagement.h"
#include "dialogs.h"
#include "firstrun.h"
#include "logmodel.h"
#include "pollhub.h"
#include "qdeclarativezoompan.h"
#include "qteskcmd.h"
#include "settings.h"
#include "stalestrip.h"
#include "teskdesigner.h"
#include "auditdialog.h"
#include "historyexportdialog.h"
#include "usersession.h"
#include "monitoringedit.h"
#include "ui_mainwindow.h"

#include <QLabel>
#include <QScreen>
#include <QTextCodec>
#include <QTimer>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , m_log(new LogModel(this))
    , m_designer([this] { return new TeskDesigner(this); })
    , m_deviceManagement([this] { return createDeviceList(); })
    , m_schemesManagement([this] { return new schemesManagement(this); })
    , m_monitoringEdit([this] { return new MonitoringEdit(this); })
    , m_historyExport([this] { return createHistoryExport(); })
    , m_alarmHistory([this] { return new AlarmHistoryDialog(this); })
    , m_alarmAnalysis([this] { return new AlarmAnalysisDialog(this); })
    , m_trends([this] { return createTrends(); })
    , m_auditDialog([this] { return new AuditDialog(this); })
    , m_view([this] { return createSchemeView(); })
{
    ui->setupUi(this);
    ui->listWidget->setModel(m_log);
    connect(m_log, &LogModel::published, this, &MainWindow::showLogBurst);

    m_refreshStopped = addStatusAlert(QStringLiteral("refreshStopped"));
    // Above the scheme view, which is added below it when first shown.
    m_staleStrip = new StaleStrip(this);
    ui->visLayout->addWidget(m_staleStrip);

    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    writeLog(tr("Uruchomiono program, logowanie rozpoczęte"), LogEntry::Info);
    createToolBar();
    fitToolBar();
    connect(ui->searchLineEdit, &QLineEdit::returnPressed, this, &MainWindow::on_searchBtn_clicked);
    createReaderAndWriter();
    createMonitor(); // the project opened at start is watched at once
    createUsers();
    loadConfiguration();
    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    connect(m_refreshTimer, &QTimer::timeout, this, &MainWindow::refreshData);
    ui->tabWidget->removeTab(ui->tabWidget->indexOf(ui->visualizationTab));
}

MainWindow::~MainWindow()
{
    setBusyCursor(false);
    QTeskCmd::setWriteGuard({}); // it asks this window's session
    delete ui;
}

// A red text at the right of the status bar, hidden until something stops.
QLabel *MainWindow::addStatusAlert(const QString &objectName)
{
    auto *label = new QLabel(this);
    label->setObjectName(objectName);
    label->setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold;"));
    label->hide();
    statusBar()->addPermanentWidget(label);
    return label;
}

QDeclarativeZoomPan *MainWindow::createSchemeView()
{
    auto *view = new QDeclarativeZoomPan(this);
    ui->visLayout->addWidget(view, 1); // all the height the strip above does not take
    connect(view, &QDeclarativeZoomPan::refreshRequested, this, &MainWindow::refreshData);
    connect(view, &QDeclarativeZoomPan::editRequested, this, &MainWindow::schemeEditRequested);
    connect(view, &QDeclarativeZoomPan::trendRequested, this, &MainWindow::showSchemeTrend);
    connect(view, &QDeclarativeZoomPan::mouseReleased, this, &MainWindow::schemeMouseReleased);
    return view;
}

void MainWindow::createReaderAndWriter()
{
    m_pollHub = new PollHub(this);
    m_reader = new DataRead(this);
    m_reader->setPollHub(m_pollHub);
    connect(m_reader, &DataRead::allDataRead, this, &MainWindow::teskcmdAllDataReady);
    connect(m_reader, &DataRead::varRead, this, &MainWindow::teskcmdVarReady);
    connect(m_reader, &DataRead::varReadError, this, &MainWindow::teskcmdVarReadError);
    connect(m_reader, &DataRead::deviceNotFound, this, &MainWindow::teskcmdDevNotFound);
    connect(m_reader, &DataRead::readTimeout, this, &MainWindow::teskcmdReadTimeout);
    connect(m_reader, &DataRead::readResumed, this, [this](const QString &msg) { writeLog(msg, LogEntry::Info); });
    connect(m_reader, &DataRead::controllerStatusChanged, this, &MainWindow::teskcmdStatusChanged);
    m_writer = new DataSet(this);
    connect(m_writer, &DataSet::dataReady, this, &MainWindow::teskcmdVarReady);
    connect(m_writer, &DataSet::allDataReady, this, &MainWindow::teskcmdDescribeIsReady);
    connect(m_writer, &DataSet::allDataSet, this, &MainWindow::teskcmdAllDataSet);
    connect(m_writer, &DataSet::writeTimeout, this, &MainWindow::teskcmdWriteTimeout);
    connect(m_writer, &DataSet::badReply, this, &MainWindow::teskcmdBadReply);
    connect(m_writer, &DataSet::writeRefused, this, &MainWindow::teskcmdWriteRefused);
    connect(m_writer, &DataSet::writeChanged, this, &MainWindow::teskcmdWriteChanged);
    connect(m_writer, &DataSet::written, this, &MainWindow::auditWrite);
    connect(m_writer, &DataSet::writeNotAllowed, this, [this](const QString &address) {
        writeLog(tr("Zapis do sterownika %1 niedozwolony: ").arg(address)
                     + m_session->refusal(UserAction::WriteValue),
                 LogEntry::Error);
    });
}

// Nothing is laid out or painted here: the entries of one turn of the event
// loop reach the list together, and the status bar shows the last of them.
void MainWindow::writeLog(const QString &text, int kind)
{
    m_log->append(text, kind);
    m_lastLogText = text;
}

void MainWindow::showLogBurst()
{
    statusBar()->showMessage(m_lastLogText, 1000);
}

QAction *MainWindow::addToolAction(const QString &name, const QString &text, const QString &icon)
{
    QAction *action = ui->mainToolBar->addAction(QIcon(icon), text);
    action->setObjectName(name);
    return action;
}

// The window opens wide enough for every tool bar label where the screen
// allows, so that no action hides behind the extension button.
void MainWindow::fitToolBar()
{
    const int margins = 2 * style()->pixelMetric(QStyle::PM_ToolBarFrameWidth) + 24;
    const int wanted = ui->mainToolBar->sizeHint().width() + margins;
    const int room = screen()->availableGeometry().width();
    if (wanted > width())
        resize(qMin(wanted, room), height());
}

void MainWindow::createToolBar()
{
    m_loginAction = addToolAction(QStringLiteral("actionLogin"), tr("Zaloguj się"), QStringLiteral(":/password"));
    ui->mainToolBar->addSeparator();
    connect(addToolAction(QStringLiteral("actionNewProject"), tr("Nowy projekt"), QStringLiteral(":/new")),
            &QAction::triggered, this, &MainWindow::menuNewProject);
    connect(addToolAction(QStringLiteral("actionOpenProject"), tr("Otwórz projekt"), QStringLiteral(":/open")),
            &QAction::triggered, this, &MainWindow::menuOpenProject);
    m_saveAction = addToolAction(QStringLiteral("actionSaveProject"), tr("Zapisz projekt"), QStringLiteral(":/save"));
    connect(m_saveAction, &QAction::triggered, this, &MainWindow::menuSaveProject);
    m_projectEditAction = addToolAction(QStringLiteral("actionEditProject"), tr("Edytuj projekt"),
                                        QStringLiteral(":/projectEdit"));
    connect(m_projectEditAction, &QAction::triggered, this, &MainWindow::menuShowProjectEditDialog);
    ui->mainToolBar->addSeparator();
    connect(addToolAction(QStringLiteral("actionDevices"), tr("Sterowniki"), QStringLiteral(":/devices")),
            &QAction::triggered, this, &MainWindow::menuShowDeviceManagemenetDialog);
    connect(addToolAction(QStringLiteral("actionMenuTree"), tr("Drzewo elementów"), QStringLiteral(":/menuList")),
            &QAction::triggered, this, &MainWindow::menuShowSchemesManagementDialog);
    connect(addToolAction(QStringLiteral("actionDesigner"), tr("Edytor schematów"), QStringLiteral(":/designer")),
            &QAction::triggered, this, &MainWindow::showDesigner);
    m_monitoringAction = addToolAction(QStringLiteral("actionMonitoring"), tr("Monitorowanie"), QStringLiteral(":/monitoring"));
    connect(m_monitoringAction, &QAction::triggered, this, &MainWindow::menuShowMonitoringDialog);
    m_historyAction = addToolAction(QStringLiteral("actionHistory"), tr("Historia"), QStringLiteral(":/history"));
    connect(m_historyAction, &QAction::triggered, this, &MainWindow::menuShowHistoryDialog);
    addHistoryMenu();
    m_trendAction = addToolAction(QStringLiteral("actionTrends"), tr("Trendy"), QStringLiteral(":/trend"));
    connect(m_trendAction, &QAction::triggered, this, &MainWindow::showTrends);
    ui->mainToolBar->addSeparator();
    connect(addToolAction(QStringLiteral("actionSettings"), tr("Ustawienia"), QStringLiteral(":/settings")),
            &QAction::triggered, this, &MainWindow::menuShowSettingsDialog);
    addToolAction(QStringLiteral("actionHelp"), tr("Pomoc"), QStringLiteral(":/help"));
    connect(addToolAction(QStringLiteral("actionAbout"), tr("O Programie"), QStringLiteral(":/info")),
            &QAction::triggered, this, &MainWindow::showAbout);
    m_saveAction->setEnabled(false);
    m_projectEditAction->setEnabled(false);
    m_monitoringAction->setEnabled(false);
    m_historyAction->setEnabled(false);
    m_trendAction->setEnabled(false);
}

void MainWindow::loadConfiguration()
{
    bool logSwitchesRead = false;
    const auto result = ConfigFile::load(ConfigFile::defaultPath(), m_settings, &logSwitchesRead);
    if (result == ConfigFile::LoadResult::Missing) {
        runFirstRun();
        return;
    }
    if (logSwitchesRead) {
        ui->dataCheckBox->setChecked(m_settings.showData);
        ui->errorCheckBox->setChecked(m_settings.showErrors);
        ui->infoCheckBox->setChecked(m_settings.showInfo);
        ui->WarningCheckBox->setChecked(m_settings.showWarnings);
        // Rows already written stay until the next filter click.
        m_log->setFilter(logFilter());
    }
    m_alarms->setSoundEnabled(m_settings.alarmSound);
    m_session->setIdleTimeout(m_settings.idleLogoutMinutes * 60);
    if (!m_settings.projectLocation.isEmpty() && !m_settings.projectName.isEmpty())
        openLastProject();
}

void MainWindow::runFirstRun()
{
    FirstRun wizard(this);
    if (wizard.exec() != QDialog::Accepted)
        return;
    const QString error = ConfigFile::writeFirstRun(ConfigFile::defaultPath(), wizard.workspaceDir(),
                                                    wizard.language());
    if (!error.isEmpty())
        writeLog(tr("Nie udało się zapisać ustawień: ") + error, LogEntry::Error);
    m_settings.workspaceDir = wizard.workspaceDir();
}

void MainWindow::saveConfiguration()
{
    if (m_projectOpen) {
        m_settings.projectName = m_project.info.name;
        m_settings.projectLocation = m_project.location;
    }
    const QString error = ConfigFile::save(ConfigFile::defaultPath(), m_settings);
    if (!error.isEmpty())
        writeLog(tr("Nie udało się zapisać ustawień: ") + error, LogEntry::Error);
}

LogFilter MainWindow::logFilter() const
{
    LogFilter f;
    f.data = m_settings.showData;
    f.errors = m_settings.showErrors;
    f.info = m_settings.showInfo;
    f.warnings = m_settings.showWarnings;
    return f;
}

void MainWindow::logFilterChanged()
{
    m_log->applyFilter(logFilter());
    saveConfiguration();
}

void MainWindow::on_dataCheckBox_clicked()
{
    m_settings.showData = ui->dataCheckBox->isChecked();
    logFilterChanged();
}

void MainWindow::on_errorCheckBox_clicked()
{
    m_settings.showErrors = ui->errorCheckBox->isChecked();
    logFilterChanged();
}

void MainWindow::on_infoCheckBox_clicked()
{
    m_settings.showInfo = ui->infoCheckBox->isChecked();
    logFilterChanged();
}

void MainWindow::on_WarningCheckBox_clicked()
{
    m_settings.showWarnings = ui->WarningCheckBox->isChecked();
    logFilterChanged();
}

void MainWindow::menuShowSettingsDialog()
{
    Settings dialog(this);
    dialog.setAlarmSound(m_settings.alarmSound);
    dialog.setIdleLogoutMinutes(m_settings.idleLogoutMinutes);
    dialog.setMayRecord(m_settings.mayRecord);
    dialog.setUsersAvailable(m_projectOpen);
    connect(&dialog, &Settings::usersAsked, this, &MainWindow::showUsersDialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.alarmSound() == m_settings.alarmSound && dialog.idleLogoutMinutes() == m_settings.idleLogoutMinutes
        && dialog.mayRecord() == m_settings.mayRecord)
        return;
    const bool recordingChanged = dialog.mayRecord() != m_settings.mayRecord;
    m_settings.alarmSound = dialog.alarmSound();
    m_settings.idleLogoutMinutes = dialog.idleLogoutMinutes();
    m_settings.mayRecord = dialog.mayRecord();
    if (recordingChanged && m_projectOpen)
        startMonitoring(); // the store's lease claimed anew, or no longer
    m_alarms->setSoundEnabled(m_settings.alarmSound);
    m_session->setIdleTimeout(m_settings.idleLogoutMinutes * 60);
    saveConfiguration();
}

void MainWindow::showAbout()
{
    Dialogs::information(this, tr("O Programie"),
                         QStringLiteral("Tesk-Control ") + versionLabel() + QStringLiteral("\n\n")
                             + tr("Nadzór i obsługa sterowników automatyki budynków."));
}

// The search field picks the next tree row whose text holds what was typed.
void MainWindow::on_searchBtn_clicked()
{
    const QString text = ui->searchLineEdit->text().trimmed();
    if (text.isEmpty() || m_treeItems.isEmpty())
        return;
    const int start = m_treeItems.indexOf(ui->menuTree->currentItem()) + 1;
    for (int k = 0; k < m_treeItems.size(); ++k) {
        QTreeWidgetItem *item = m_treeItems.at((start + k) % m_treeItems.size());
        if (item->text(0).contains(text, Qt::CaseInsensitive)) {
            ui->menuTree->scrollToItem(item);
            ui->menuTree->setCurrentItem(item);
            return;
        }
    }
    statusBar()->showMessage(tr("Nie znaleziono: ") + text, 3000);
}
