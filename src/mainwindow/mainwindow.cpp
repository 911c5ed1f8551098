#include "mainwindow.h"

#include "configfile.h"
#include "dialogs.h"
#include "firstrun.h"
#include "logmodel.h"
#include "menutreeitem.h"
#include "newproject.h"
#include "projectedit.h"
#include "projectfile.h"
#include "projectpaths.h"
#include "settings.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QFileInfo>
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
    if (!m_settings.projectLocation.isEmpty() && !m_settings.projectName.isEmpty())
        openLastProject();
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
    Settings dialog;
    dialog.exec();
}

// The editors arrive with the editor modules; until then the actions exist
// with no effect.
void MainWindow::menuShowDeviceManagemenetDialog() {}
void MainWindow::menuShowSchemesManagementDialog() {}

QString MainWindow::versionLabel() const
{
    return ui->label_4->text();
}

void MainWindow::showProjectTitle()
{
    setWindowTitle(QStringLiteral("Tesk-Control [ ") + m_project.info.name + QStringLiteral(" ]"));
}

void MainWindow::setModified(bool modified)
{
    m_modified = modified;
    m_saveAction->setEnabled(modified);
}

void MainWindow::setProjectOpen()
{
    m_projectOpen = true;
    m_projectEditAction->setEnabled(true);
}

void MainWindow::closeProject()
{
    m_projectEditAction->setEnabled(false);
    m_projectOpen = false;
    ui->menuTree->clear();
    m_treeItems.clear();
    m_project.devices.clear();
    m_project.menu.clear();
    setModified(false);
    while (ui->tabWidget->count() > 0)
        ui->tabWidget->removeTab(0);
    ui->tabWidget->addTab(ui->logTab, tr("Log"));
}

void MainWindow::buildMenuTree(const MenuTree &tree)
{
    for (int i = 0; i < tree.records.size(); ++i) {
        const int parent = tree.treeParents.at(i);
        auto *item = parent < 0 ? new QTreeWidgetItem(ui->menuTree) : new QTreeWidgetItem(m_treeItems.at(parent));
        MenuTreeItem::fill(item, tree.records.at(i));
        m_treeItems.append(item);
    }
}

void MainWindow::loadProject(const QString &location)
{
    buildMenuTree(m_project.load(location));
    showProjectTitle();
}

void MainWindow::openLastProject()
{
    m_project.info.name = m_settings.projectName;
    loadProject(m_settings.projectLocation);
    writeLog(tr("Otwieram ostatnio zapisany projekt: ") + m_project.info.name, LogEntry::Info);
    setProjectOpen();
}

void MainWindow::menuNewProject()
{
    if (!confirmUnsavedChanges())
        return;
    NewProject dialog(this);
    dialog.setWorkspaceDir(m_settings.workspaceDir);
    if (dialog.exec() != QDialog::Accepted)
        return;
    closeProject();
    const QStringList values = dialog.values();
    m_project = Project();
    m_project.location = ProjectPaths::newProjectLocation(m_settings.workspaceDir, values.at(1));
    m_project.info.name = values.at(0);
    m_project.info.author = values.at(2);
    m_project.info.revision = QStringLiteral("0");
    m_project.info.teskVersion = versionLabel();
    const QString path = m_project.location + ProjectFile::fileName();
    const QString error = ProjectFile::create(path, m_project.info.name, m_project.info.author, versionLabel());
    if (!error.isEmpty())
        Dialogs::critical(this, tr("Błąd"), tr("Nie udało się zapisać pliku: ") + path + QLatin1Char('\n') + error);
    showProjectTitle();
    setProjectOpen();
    saveConfiguration();
    writeLog(tr("Otwieram projekt: ") + m_project.info.name, LogEntry::Info);
}

void MainWindow::menuOpenProject()
{
    const QString folder = Dialogs::existingDirectory(this, tr("Otwórz projekt"), m_settings.workspaceDir);
    if (folder.isEmpty() || !confirmUnsavedChanges())
        return;
    closeProject();
    loadProject(ProjectPaths::openedProjectLocation(folder));
    writeLog(tr("Otwieram projekt: ") + m_project.info.name, LogEntry::Info);
    setProjectOpen();
    saveConfiguration();
}

void MainWindow::menuSaveProject()
{
    saveProject();
}

bool MainWindow::saveProject()
{
    const QStringList errors = m_project.save(versionLabel());
    if (!errors.isEmpty()) {
        Dialogs::critical(this, tr("Błąd"),
                          tr("Nie udało się zapisać projektu:") + QLatin1Char('\n') + errors.join(QLatin1Char('\n')));
        return false;
    }
    setModified(false);
    return true;
}

// Unsaved changes are never dropped without asking. Returns false when the
// user chose to stay.
bool MainWindow::confirmUnsavedChanges()
{
    if (!m_modified)
        return true;
    const auto answer = Dialogs::question(this, tr("Potwierdzenie"),
                                          tr("Projekt zawiera niezapisane zmiany. Czy zapisać je teraz?"),
                                          QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return saveProject();
    return answer == QMessageBox::Discard;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (confirmUnsavedChanges())
        event->accept();
    else
        event->ignore();
}

void MainWindow::menuShowProjectEditDialog()
{
    const QFileInfo file(m_project.location + ProjectFile::fileName());
    const QString editDate = file.exists() ? file.lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm"))
                                           : QStringLiteral("-");
    ProjectEdit dialog;
    const ProjectInfo &info = m_project.info;
    dialog.setInformation(info.name, info.author, editDate, info.revision);
    dialog.setSip(info.sipEnabled, info.sipServer, info.sipNumber, info.sipPassword, info.sipUserName);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ProjectInfo edited = dialog.edited(info);
    if (edited == info)
        return;
    m_project.info = edited;
    showProjectTitle();
    setModified(true);
}
