#include "mainwindow.h"

#include "configfile.h"
#include "firstrun.h"
#include "logmodel.h"
#include "settings.h"
#include "ui_mainwindow.h"

#include <QTextCodec>
#include <QTimer>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , m_log(new LogModel(this))
    , m_scrollTimer(new QTimer(this))
{
    ui->setupUi(this);
    ui->listWidget->setModel(m_log);
    // Scrolling forces the list to lay out all its rows; doing it once per
    // pass of the event loop keeps a burst of entries cheap.
    m_scrollTimer->setSingleShot(true);
    m_scrollTimer->setInterval(0);
    connect(m_scrollTimer, &QTimer::timeout, ui->listWidget, &QAbstractItemView::scrollToBottom);

    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    writeLog(tr("Uruchomiono program, logowanie rozpoczęte"), LogEntry::Info);
    createToolBar();
    m_firstRun = new FirstRun(this);
    loadConfiguration();
    ui->tabWidget->removeTab(ui->tabWidget->indexOf(ui->visualizationTab));
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::writeLog(const QString &text, int kind)
{
    m_log->append(text, kind);
    m_scrollTimer->start();
    statusBar()->showMessage(text, 1000);
}

QAction *MainWindow::addToolAction(const QString &name, const QString &text, const QString &icon)
{
    QAction *action = ui->mainToolBar->addAction(QIcon(icon), text);
    action->setObjectName(name);
    return action;
}

void MainWindow::createToolBar()
{
    addToolAction(QStringLiteral("actionLogin"), tr("Zaloguj się"), QStringLiteral(":/password"));
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
    addToolAction(QStringLiteral("actionDesigner"), tr("Edytor schematów"), QStringLiteral(":/designer"));
    ui->mainToolBar->addSeparator();
    connect(addToolAction(QStringLiteral("actionSettings"), tr("Ustawienia"), QStringLiteral(":/settings")),
            &QAction::triggered, this, &MainWindow::menuShowSettingsDialog);
    addToolAction(QStringLiteral("actionHelp"), tr("Pomoc"), QStringLiteral(":/help"));
    addToolAction(QStringLiteral("actionAbout"), tr("O Programie"), QStringLiteral(":/info"));
    m_saveAction->setEnabled(false);
    m_projectEditAction->setEnabled(false);
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
}

void MainWindow::runFirstRun()
{
    if (m_firstRun->exec() != QDialog::Accepted)
        return;
    const QString error = ConfigFile::writeFirstRun(ConfigFile::defaultPath(), m_firstRun->workspaceDir(),
                                                    m_firstRun->language());
    if (!error.isEmpty())
        writeLog(tr("Nie udało się zapisać ustawień: ") + error, LogEntry::Error);
    m_settings.workspaceDir = m_firstRun->workspaceDir();
}

void MainWindow::saveConfiguration()
{
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
    Settings dialog;
    dialog.exec();
}

// Project operations and the editors arrive with the project and editor
// modules; until then the actions exist with no effect.
void MainWindow::menuNewProject() {}
void MainWindow::menuOpenProject() {}
void MainWindow::menuSaveProject() {}
void MainWindow::menuShowDeviceManagemenetDialog() {}
void MainWindow::menuShowSchemesManagementDialog() {}
void MainWindow::menuShowProjectEditDialog() {}
