#pragma once

#include <QObject>
#include <QTextStream>
#include <QTimer>

#include <functional>

class MainWindow;

// Configures a scheme from nothing the way an operator would, through the
// program's own dialogs (new project, controller, QML file in the editor,
// menu tree, bindings, an event), and photographs each step, ending with
// the live scheme. Each step waits for the dialog it needs to be up; a step
// that opens a dialog does so after the poll returns, since a timer does not
// fire inside a loop its own slot started.
class Walkthrough : public QObject
{
public:
    Walkthrough(MainWindow &window, const QString &folder, QTextStream &out);

    bool done() const { return m_step >= m_steps.size(); }
    bool ok() const { return m_ok; }

private:
    struct Step
    {
        std::function<bool()> ready;
        std::function<void()> act;
    };

    void poll();
    void shoot(QWidget *widget, const char *name);
    void buildSteps();
    void buildProjectSteps();
    void buildMenuSteps();
    void buildBindingSteps();
    void buildEventSteps();

    MainWindow &m_window;
    QString m_folder;
    QTextStream &m_out;
    QTimer m_poll;
    QList<Step> m_steps;
    int m_step = 0;
    bool m_ok = true;
};
