#pragma once

#include <QObject>
#include <QStringList>

class QComboBox;
class QLabel;
class QTeskCmd;
class QWidget;

// Asks a controller for its variable names with "describe_all;" on behalf of
// a dialog: the dialog shows the wait cursor and says whom it asks, and gets
// its cursor back whether the controller answers or not.
class VariableCatalogRequest : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 kPort = 16483;

    VariableCatalogRequest(QWidget *dialog, QLabel *status);

    void ask(const QString &address);
    // Drops the names offered for the controller asked before, keeping the
    // text the field shows (a stored or typed name).
    static void forgetNames(QComboBox *names);
    QTeskCmd *link() const { return m_link; }

signals:
    void namesRead(const QStringList &names); // each name once, in catalogue order
    void silent();                            // the controller did not answer

private slots:
    void replied(const QString &reply);

private:
    void timedOut();

    QWidget *m_dialog;
    QLabel *m_status;
    QTeskCmd *m_link;
};
