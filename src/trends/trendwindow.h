#pragma once

#include "monitoringrecord.h"
#include "trendrequest.h"

#include <QDialog>

class QPrinter;
class QThread;
class TrendPenTable;
class TrendPlot;
class TrendReader;

namespace Ui {
class TrendWindow;
}

// "Trendy": up to 16 points of the history drawn over a chosen range, the
// store asked for one min/max pair per pixel column on a thread of its own.
// Named sets of pens are kept in the monitoring; trendSetsChanged() hands
// them to the project.
class TrendWindow : public QDialog
{
    Q_OBJECT

public:
    explicit TrendWindow(QWidget *parent = nullptr);
    ~TrendWindow() override;

    void setProject(const MonitoringRecord &record, const QString &projectDir);
    // The points drawn over [fromMs, toMs); pens beyond 16 are left out.
    void showPoints(const QStringList &points, qint64 fromMs, qint64 toMs);
    QStringList points() const;
    TrendPlot *plot() const { return m_plot; }
    bool isReading() const { return m_reading; }
    bool isLive() const;
    // The shown range as drawn, in the page of the printer.
    void printTo(QPrinter *printer);

public slots:
    // A monitoring pass was recorded: a live trend moves on.
    void passRecorded();

signals:
    void trendSetsChanged(const QList<TrendSetRecord> &sets);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private slots:
    void on_showBtn_clicked();
    void on_backBtn_clicked();
    void on_liveCheck_toggled(bool live);
    void on_removePenBtn_clicked();
    void on_saveSetBtn_clicked();
    void on_removeSetBtn_clicked();
    void on_pngBtn_clicked();
    void on_printBtn_clicked();
    void on_closeBtn_clicked();

private:
    void connectPresets();
    void fillAddMenu();
    void fillExportMenu();
    void fillSets();
    void applySet(int index);
    void startReader();
    void stopReader();
    void setPens(const QList<TrendPenRecord> &pens);
    void applyLooks();
    void request();
    void received(const TrendResult &result);
    void showRange();
    void showCursor(qint64 timeMs);
    void follow();
    void exportCsv(bool asDrawn);
    const MonitoringPoint *pointOf(const QString &id) const;

    Ui::TrendWindow *ui;
    TrendPlot *m_plot;
    TrendPenTable *m_pens;
    MonitoringRecord m_record;
    QString m_projectDir;
    QThread *m_thread = nullptr;
    TrendReader *m_reader = nullptr;
    int m_serial = 0;
    bool m_reading = false;
    QString m_lastDir;
};
