#pragma once

#include "appsettings.h"
#include "project.h"

#include <QMainWindow>

class FirstRun;
class LogModel;
class QAction;
class QTimer;
class QTreeWidgetItem;
struct LogFilter;

namespace Ui {
class MainWindow;
}

// The program's only top-level window: tool bar, menu tree, scheme and log
// tabs. It owns the open project and everything that lives for the run.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The one way to log: text and kind (LogEntry::Kind).
    void writeLog(const QString &text, int kind);

    LogModel *logModel() const { return m_log; }
    const AppSettings &appSettings() const { return m_settings; }
    const Project &project() const { return m_project; }
    bool isProjectOpen() const { return m_projectOpen; }
    bool isModified() const { return m_modified; }
    const QList<QTreeWidgetItem *> &treeItems() const { return m_treeItems; }

public slots:
    void menuNewProject();
    void menuOpenProject();
    void menuSaveProject();
    void menuShowDeviceManagemenetDialog();
    void menuShowSchemesManagementDialog();
    void menuShowSettingsDialog();
    void menuShowProjectEditDialog();

private slots:
    void on_dataCheckBox_clicked();
    void on_errorCheckBox_clicked();
    void on_infoCheckBox_clicked();
    void on_WarningCheckBox_clicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createToolBar();
    QAction *addToolAction(const QString &name, const QString &text, const QString &icon);
    void loadConfiguration();
    void runFirstRun();
    void saveConfiguration();
    void logFilterChanged();
    LogFilter logFilter() const;

    void openLastProject();
    void loadProject(const QString &location);
    void buildMenuTree(const MenuTree &tree);
    void closeProject();
    void setProjectOpen();
    bool saveProject();
    bool confirmUnsavedChanges();
    void setModified(bool modified);
    void showProjectTitle();
    QString versionLabel() const;

    Ui::MainWindow *ui;
    AppSettings m_settings;
    LogModel *m_log;
    QTimer *m_scrollTimer;
    FirstRun *m_firstRun = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_projectEditAction = nullptr;

    Project m_project;
    bool m_projectOpen = false;
    bool m_modified = false;
    QList<QTreeWidgetItem *> m_treeItems; // owned by the tree, in creation order
};
