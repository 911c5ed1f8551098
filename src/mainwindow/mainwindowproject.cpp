#include "mainwindow.h"

#include "alarmcenter.h"
#include "dataread.h"
#include "devicemanagement.h"
#include "schemesmanagement.h"
#include "dialogs.h"
#include "logentry.h"
#include "menutreelayout.h"
#include "menutreerow.h"
#include "newproject.h"
#include "projectedit.h"
#include "projectfile.h"
#include "projectfiles.h"
#include "projectpaths.h"
#include "regularfile.h"
#include "sitemonitor.h"
#include "usersession.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

void MainWindow::menuShowDeviceManagemenetDialog()
{
    if (!permitted(UserAction::EditDeviceList))
        return;
    // The reader's status is that of the shown scheme only while it reads one.
    const bool reading = m_shownItem && !m_currentScheme.readVariables.isEmpty();
    m_deviceManagement->setControllerStatus(reading ? m_reader->controllerStatus() : QList<ControllerStatus>());
    m_deviceManagement->setDevices(m_project.devices);
    pauseScheme();
    if (m_deviceManagement->exec() == QDialog::Accepted)
        applyDeviceList(m_deviceManagement->devices());
    else
        resumeScheme();
}

void MainWindow::menuShowSchemesManagementDialog()
{
    if (!permitted(UserAction::EditMenuTree))
        return;
    m_schemesManagement->setMenuRecords(m_project.menu);
    m_schemesManagement->setDevices(m_project.devices);
    m_schemesManagement->setProjectFolder(m_project.location);
    pauseScheme();
    if (m_schemesManagement->exec() == QDialog::Accepted)
        applyMenuRecords(m_schemesManagement->menuRecords());
    else
        resumeScheme();
}

// An editor closed with OK but nothing changed leaves the project as it was:
// nothing to save, and the scheme shown stays.
void MainWindow::applyDeviceList(const DeviceList &devices)
{
    if (devices != m_project.devices) {
        m_project.devices = devices;
        setModified(true);
        startMonitoring(); // the same points, at the controllers' new places
    }
    resumeScheme();
}

void MainWindow::applyMenuRecords(const QList<MenuItemRecord> &records)
{
    if (records == m_project.menu) {
        resumeScheme();
        return;
    }
    stopScheme();
    m_project.menu = records;
    clearMenuTree();
    buildMenuTree(MenuTreeLayout::rebuild(records));
    setModified(true);
    showOnlyLogTab();
}

QString MainWindow::versionLabel() const
{
    return ui->label_4->text();
}

void MainWindow::showProjectTitle()
{
    setWindowTitle(QStringLiteral("Tesk-Control [ ") + m_project.info.name + QStringLiteral(" ]"));
}

// Without an open project there is nowhere to save to.
void MainWindow::setModified(bool modified)
{
    m_modified = modified && m_projectOpen;
    m_saveAction->setEnabled(m_modified);
}

void MainWindow::setProjectOpen()
{
    m_projectOpen = true;
    m_projectEditAction->setEnabled(true);
    m_monitoringAction->setEnabled(true);
    loadUsers();
    startMonitoring();
    showUser();
}

// A read or a refresh of the closed project's scheme must not go on: the
// reader and the timer are stopped with it.
void MainWindow::closeProject()
{
    m_projectEditAction->setEnabled(false);
    m_monitoringAction->setEnabled(false);
    m_projectOpen = false;
    stopScheme();
    m_session->logout(); // while the store still takes the row
    stopMonitoring();
    m_session->setUsers({});
    m_alarms->setSite(MonitoringRecord()); // the next project's states come from its own store
    clearMenuTree();
    m_project.devices.clear();
    m_project.menu.clear();
    setModified(false);
    showOnlyLogTab();
}

void MainWindow::clearMenuTree()
{
    m_treeItems.clear();
    ui->menuTree->clearSelection();
    ui->menuTree->clear();
}

void MainWindow::buildMenuTree(const MenuTree &tree)
{
    for (int i = 0; i < tree.records.size(); ++i) {
        const int parent = tree.treeParents.at(i);
        auto *item = parent < 0 ? new QTreeWidgetItem(ui->menuTree) : new QTreeWidgetItem(m_treeItems.at(parent));
        MenuTreeRow::fill(item, tree.records.at(i));
        m_treeItems.append(item);
    }
}

void MainWindow::loadProject(const QString &location, const QString &fallbackName)
{
    buildMenuTree(m_project.load(location, fallbackName));
    showProjectTitle();
    if (m_project.unreadable.isEmpty())
        return;
    QStringList files;
    for (const QString &path : qAsConst(m_project.unreadable)) {
        QFile file(path);
        QString reason;
        RegularFile::openForReading(file, &reason);
        files << QDir::toNativeSeparators(path) + (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
    }
    const QString text = tr("Nie udało się odczytać plików projektu:") + QLatin1Char('\n') + files.join(QLatin1Char('\n'))
        + QLatin1Char('\n') + tr("Przed zapisem projektu każdy zwykły plik spośród nich zostanie skopiowany do pliku z końcówką .unreadable.");
    writeLog(text, LogEntry::Error);
    Dialogs::warning(this, tr("Błąd"), text);
}

void MainWindow::openLastProject()
{
    loadProject(m_settings.projectLocation, m_settings.projectName);
    writeLog(tr("Otwieram ostatnio zapisany projekt: ") + m_project.info.name, LogEntry::Info);
    setProjectOpen();
}

void MainWindow::menuNewProject()
{
    if (!confirmUnsavedChanges() || !ensureWorkspace())
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
    loadProject(ProjectPaths::openedProjectLocation(folder), QDir(folder).dirName());
    writeLog(tr("Otwieram projekt: ") + m_project.info.name, LogEntry::Info);
    setProjectOpen();
    saveConfiguration();
}

void MainWindow::menuSaveProject()
{
    saveProject();
}

// New projects are made inside the workspace, so it must be a folder that
// exists; the operator picks one when it is not.
bool MainWindow::ensureWorkspace()
{
    if (!m_settings.workspaceDir.isEmpty() && QFileInfo(m_settings.workspaceDir).isDir())
        return true;
    const QString folder = Dialogs::existingDirectory(this, tr("Wybierz folder"));
    if (folder.isEmpty())
        return false;
    m_settings.workspaceDir = folder;
    saveConfiguration();
    return true;
}

bool MainWindow::saveProject()
{
    if (!m_projectOpen) {
        Dialogs::warning(this, tr("Błąd"), tr("Żaden projekt nie jest otwarty."));
        return false;
    }
    if (!permitted(UserAction::SaveProject))
        return false;
    const ProjectFiles before(m_project.location);
    const QStringList errors = m_project.save(versionLabel());
    const QStringList written = before.changed();
    ProjectInfo saved;
    ProjectFile::read(m_project.location + ProjectFile::fileName(), saved);
    audit(AuditRecord::Action::Save, QString(),
          QStringLiteral("revision %1: %2").arg(saved.revision, written.join(QStringLiteral(", ")))
              + (errors.isEmpty() ? QString() : QStringLiteral("; errors: ") + errors.join(QStringLiteral("; "))));
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
    if (confirmUnsavedChanges()) {
        // Before the window goes, so that the log still takes what the
        // history could not write.
        m_session->logout();
        stopMonitoring();
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::menuShowProjectEditDialog()
{
    if (!permitted(UserAction::SaveProject))
        return;
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
