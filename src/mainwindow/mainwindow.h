#pragma once

#include "appsettings.h"
#include "auditrecord.h"
#include "controllerstatus.h"
#include "historysample.h"
#include "samplefilter.h"
#include "silentcontrollers.h"
#include "storelease.h"
#include "lazychild.h"
#include "project.h"
#include "useraction.h"
#include "writeoutcome.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMap>
#include <QSet>

class AlarmAnalysisDialog;
class AlarmCenter;
class AlarmHistoryDialog;
class AlarmIndicator;
class AlarmPanel;
class AuditDialog;
class DataRead;
class DataSet;
class HistoryExportDialog;
class TrendWindow;
class HistoryRecorder;
class MonitoringEdit;
class PollHub;
class SiteMonitor;
class LogModel;
class QAction;
class QDeclarativeZoomPan;
class QLabel;
class QTimer;
class QTreeWidgetItem;
class StaleStrip;
class TeskDesigner;
class UserSession;
class deviceManagement;
class schemesManagement;
struct LogFilter;

namespace Ui {
class MainWindow;
}

// The program's only top-level window: tool bar, menu tree, scheme and log
// tabs. It owns the open project and everything that lives for the run:
// the scheme view, the reader and the writer, the refresh timer, the log.
// Its code is kept in three files: the shell and the log (mainwindow.cpp),
// the project operations (mainwindowproject.cpp) and the shown scheme with
// its events (mainwindowscheme.cpp).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The one way to log: text and kind (LogEntry::Kind).
    void writeLog(const QString &text, int kind);

    // What the device list and menu tree editors hand back when accepted.
    void applyDeviceList(const DeviceList &devices);
    void applyMenuRecords(const QList<MenuItemRecord> &records);
    void applyMonitoring(const MonitoringRecord &record);

    LogModel *logModel() const { return m_log; }
    const AppSettings &appSettings() const { return m_settings; }
    const Project &project() const { return m_project; }
    bool isProjectOpen() const { return m_projectOpen; }
    bool isModified() const { return m_modified; }
    const QList<QTreeWidgetItem *> &treeItems() const { return m_treeItems; }
    QDeclarativeZoomPan *schemeView() const { return m_view.get(); }
    DataRead *reader() const { return m_reader; }
    SiteMonitor *monitor() const { return m_monitor; }
    AlarmCenter *alarms() const { return m_alarms; }
    AlarmPanel *alarmPanel() const { return m_alarmPanel; }
    AlarmIndicator *alarmIndicator() const { return m_alarmIndicator; }
    DataSet *writer() const { return m_writer; }
    TeskDesigner *designer() const { return m_designer.get(); }
    deviceManagement *deviceList() const { return m_deviceManagement.get(); }
    schemesManagement *menuEditor() const { return m_schemesManagement.get(); }
    MonitoringEdit *monitoringEditor() const { return m_monitoringEdit.get(); }
    HistoryExportDialog *historyExport() const { return m_historyExport.get(); }
    AlarmHistoryDialog *alarmHistory() const { return m_alarmHistory.get(); }
    AlarmAnalysisDialog *alarmAnalysis() const { return m_alarmAnalysis.get(); }
    TrendWindow *trends() const { return m_trends.get(); }
    QTreeWidgetItem *shownItem() const { return m_shownItem; }
    StaleStrip *staleStrip() const { return m_staleStrip; }
    UserSession *session() const { return m_session; }
    AuditDialog *auditHistory() const { return m_auditDialog.get(); }

public slots:
    void teskcmdAllDataReady(const QMap<QString, QString> &data);
    void teskcmdVarReady(const QStringList &values);
    void teskcmdVarReadError(const QStringList &values);
    void teskcmdDevNotFound(const QString &id);
    void teskcmdDescribeIsReady(const QList<TeskSchemeVariable> &list);
    void teskcmdReadTimeout(const QString &msg);
    void teskcmdWriteTimeout(const QString &address);
    void teskcmdBadReply(const QString &address);
    void teskcmdWriteRefused(const QStringList &values);
    void teskcmdWriteChanged(const QStringList &values);
    void teskcmdAllDataSet();
    void teskcmdStatusChanged();
    void refreshData();
    void schemeItemClicked(const QString &value);
    void schemeEditRequested();
    void schemeMouseReleased();
    void menuNewProject();
    void menuOpenProject();
    void menuSaveProject();
    void menuShowDeviceManagemenetDialog();
    void menuShowSchemesManagementDialog();
    void menuShowSettingsDialog();
    void menuShowProjectEditDialog();
    void menuShowMonitoringDialog();
    void menuShowHistoryDialog();
    void showAlarmHistory();
    void showAlarmAnalysis();
    void showTrends();
    void showAuditHistory();
    void showUsersDialog();
    void loginOrLogout();

private slots:
    void on_menuTree_currentItemChanged(QTreeWidgetItem *current);
    void on_dataCheckBox_clicked();
    void on_errorCheckBox_clicked();
    void on_infoCheckBox_clicked();
    void on_WarningCheckBox_clicked();
    void on_searchBtn_clicked();
    void showDesigner();
    void showAbout();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Shell, settings and log.
    void createToolBar();
    void fitToolBar();
    void addHistoryMenu();
    QAction *addToolAction(const QString &name, const QString &text, const QString &icon);
    QDeclarativeZoomPan *createSchemeView();
    QLabel *addStatusAlert(const QString &objectName);
    void showLogBurst();
    void createReaderAndWriter();
    void loadConfiguration();
    void runFirstRun();
    void saveConfiguration();
    void logFilterChanged();
    LogFilter logFilter() const;

    // Project.
    void openLastProject();
    void loadProject(const QString &location, const QString &fallbackName);
    bool ensureWorkspace();
    void buildMenuTree(const MenuTree &tree);
    void clearMenuTree();
    void closeProject();
    void setProjectOpen();
    bool saveProject();
    bool confirmUnsavedChanges();
    void setModified(bool modified);
    void showProjectTitle();
    QString versionLabel() const;

    // Shown scheme and its events.
    const MenuItemRecord *recordOfItem(const QTreeWidgetItem *item) const;
    void showOnlyLogTab();
    void showScheme(const MenuItemRecord &record, QTreeWidgetItem *item);
    void connectScene();
    void startReading();
    void setShownIcon(const QString &icon);
    void showRefreshStopped(bool stopped);
    void stopScheme();
    void dropReadBack();
    void pauseScheme();
    void resumeScheme();
    void pushStaleNames(const QMap<QString, QString> &data);
    void pushAlarmNames();
    void setBusyCursor(bool busy);
    void writerFailed(const QString &message);
    const EventRecord *findEvent(const QString &name, bool last) const;
    QTreeWidgetItem *schemeItemWithId(const QString &id) const;
    ControllerStatus silentControllerOf(const EventRecord &event) const;
    void logWrites(const QList<TeskSchemeVariable> &list);

    // Who works at the station, what they may do, and what they did.
    void createUsers();
    deviceManagement *createDeviceList();
    void loadUsers();
    void showUser();
    bool permitted(UserAction action);
    void audit(AuditRecord record);
    void audit(AuditRecord::Action action, const QString &user, const QString &detail);
    void auditWrite(const WriteOutcome &outcome);

    // The site watched in the background.
    void createMonitor();
    void createAlarms();
    void addAlarmTab();
    void showAlarmTab();
    void startMonitoring();
    void stopMonitoring();
    void startRecording(bool leased);
    void connectStoreSharing();
    void createStoreRole();
    void recordingTaken();
    void followStore(const StoreLease &lease);
    void storeLeaseSeen(const StoreLease &lease);
    void showUnrecorded();
    void recordPass(const QVector<HistorySample> &readings);
    void noteSilentControllers(const QVector<HistorySample> &readings);
    void warnOfUnlistedControllers();
    void historyUnavailable(const QString &reason, const QDateTime &sinceUtc);
    void historyAvailable();
    HistoryExportDialog *createHistoryExport();
    TrendWindow *createTrends();
    void showTrendOf(const QStringList &points, qint64 fromMs, qint64 toMs);
    void showSchemeTrend();
    void showAlarmTrend(const QString &point, qint64 raisedMs);
    void showMonitoringTrend(const QStringList &points);

    Ui::MainWindow *ui;
    AppSettings m_settings;
    LogModel *m_log;
    QString m_lastLogText; // shown in the status bar once the burst is over
    QLabel *m_refreshStopped;
    // Made when first used; the scheme view also picks the Qt Quick machinery.
    mutable LazyChild<TeskDesigner> m_designer;
    mutable LazyChild<deviceManagement> m_deviceManagement;
    mutable LazyChild<schemesManagement> m_schemesManagement;
    mutable LazyChild<MonitoringEdit> m_monitoringEdit;
    mutable LazyChild<HistoryExportDialog> m_historyExport;
    mutable LazyChild<AlarmHistoryDialog> m_alarmHistory;
    mutable LazyChild<AlarmAnalysisDialog> m_alarmAnalysis;
    mutable LazyChild<TrendWindow> m_trends;
    mutable LazyChild<AuditDialog> m_auditDialog;
    QAction *m_loginAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_projectEditAction = nullptr;
    QAction *m_monitoringAction = nullptr;
    QAction *m_historyAction = nullptr; // while the project is monitored
    QAction *m_trendAction = nullptr;   // likewise

    Project m_project;
    bool m_projectOpen = false;
    bool m_modified = false;
    QList<QTreeWidgetItem *> m_treeItems; // owned by the tree, in creation order

    mutable LazyChild<QDeclarativeZoomPan> m_view;
    PollHub *m_pollHub = nullptr; // shared by the scheme reader and the monitor
    DataRead *m_reader = nullptr;
    DataSet *m_writer = nullptr;
    SiteMonitor *m_monitor = nullptr;
    SampleFilter m_sampleFilter; // what of each pass is recorded
    HistoryRecorder *m_history = nullptr; // while a monitored project is open
    AlarmCenter *m_alarms = nullptr;
    AlarmPanel *m_alarmPanel = nullptr;
    AlarmIndicator *m_alarmIndicator = nullptr;
    QLabel *m_historyStopped = nullptr;
    // Who records the store: this station, or another engine it follows.
    enum class EngineRole { Undecided, Recording, Following };
    EngineRole m_engineRole = EngineRole::Recording;
    QLabel *m_storeRole = nullptr; // on the status bar once another engine was seen
    QString m_followed;            // the engine followed, for the operator
    qint64 m_leaseRenewedMs = 0;
    bool m_leaseLapsed = false;
    SilentControllers m_silentControllers; // monitored controllers not answering
    QTimer *m_refreshTimer = nullptr;
    QElapsedTimer m_passClock; // since the running pass began
    MenuItemRecord m_currentScheme; // its qmlFile is the full path once shown
    QTreeWidgetItem *m_shownItem = nullptr;
    QTreeWidgetItem *m_pendingItem = nullptr;
    QObject *m_qmlRoot = nullptr;  // owned by the view
    StaleStrip *m_staleStrip = nullptr;
    EventRecord m_activeEvent;     // the event the writer is carrying out
    QStringList m_writeProblems;   // of the write in progress, shown when it ends
    bool m_busyCursor = false;
    UserSession *m_session = nullptr;
    QLabel *m_userLabel = nullptr; // on the status bar: who is logged in
};
