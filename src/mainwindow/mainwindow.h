#pragma once

#include "appsettings.h"

#include <QMainWindow>

class FirstRun;
class LogModel;
class QAction;
class QTimer;
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

private:
    void createToolBar();
    QAction *addToolAction(const QString &name, const QString &text, const QString &icon);
    void loadConfiguration();
    void runFirstRun();
    void saveConfiguration();
    void logFilterChanged();
    LogFilter logFilter() const;

    Ui::MainWindow *ui;
    AppSettings m_settings;
    LogModel *m_log;
    QTimer *m_scrollTimer;
    FirstRun *m_firstRun = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_projectEditAction = nullptr;
};
