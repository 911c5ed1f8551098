#pragma once

#include "deviceparameter.h"
#include "writeoutcome.h"

#include <QDialog>
#include <QList>

class QTeskCmd;
class UserSession;
class QTimer;
class QTreeWidgetItem;
class TrendChart;

namespace Ui {
class deviceAddEdit;
}

// Enters or changes one controller of the device list and shows it live:
// its identity, its variables grouped by name with their values kept fresh,
// on/off and integer variables written by a double-click, and a trend chart
// of the variables chosen for it.
class deviceAddEdit : public QDialog
{
    Q_OBJECT

public:
    static constexpr quint16 kPort = 16483;

    explicit deviceAddEdit(QWidget *parent = nullptr);
    ~deviceAddEdit() override;

    // Address, description, ID, port (MAC, serial and version are read).
    void setDeviceFields(const QStringList &fields);
    // Address, description, ID, port, MAC, serial, version.
    QStringList deviceFields() const;

    const QList<DeviceParameter> &parameters() const { return m_parameters; }
    QTreeWidgetItem *rowOf(const QString &name) const;
    TrendChart *chart() const { return m_chart; }
    QTeskCmd *readingLink() const { return m_readingLink; }
    QTeskCmd *updateLink() const { return m_updateLink; }
    QTimer *updateTimer() const { return m_updateTimer; }
    // Who may write from the editor; none: anyone.
    void setSession(const UserSession *session) { m_session = session; }

signals:
    // A value written from the editor, once the controller answered or not.
    void written(const WriteOutcome &outcome);

public slots:
    void on_lineEdit_editingFinished();

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void dataReady(const QString &reply);
    void updateDataReady(const QString &reply);
    void downloadAllData();
    void startUpdate();
    void readTimeout();
    void trackerMove(const QPoint &position);
    void replot();
    void on_varTree_itemDoubleClicked(QTreeWidgetItem *item, int column);

private:
    enum class ValuesPass { Initial, Update };

    void send(QTeskCmd *link, const QString &command);
    void showProgress(bool visible);
    void identityReply(const QStringList &entries);
    void descriptionReply(const QStringList &entries);
    void valuesReply(const QStringList &entries, ValuesPass pass);
    bool applyValue(DeviceParameter &p, const QStringList &entries, ValuesPass pass);
    void addParameterRow(const DeviceParameter &p);
    void lockRows(bool allRows, QTreeWidgetItem *row);
    void editValue(QTreeWidgetItem *row);
    void toggleChart(QTreeWidgetItem *row);
    void feedChart();
    void write(QTreeWidgetItem *row, const QString &before, const QString &value);
    void writeEnded(const QString &reply);

    Ui::deviceAddEdit *ui;
    QTeskCmd *m_readingLink;
    const UserSession *m_session = nullptr;
    WriteOutcome m_write; // the write in flight, while m_writePending
    QTeskCmd *m_updateLink;
    QTimer *m_updateTimer;
    QTimer *m_replotTimer;
    TrendChart *m_chart;
    QList<DeviceParameter> m_parameters;
    QList<QTreeWidgetItem *> m_rows;
    bool m_identityPending = false;
    bool m_describePending = true;
    bool m_describeSent = false;
    bool m_clearPending = true;
    bool m_writePending = false; // a write was sent; its answer restarts the update
};
