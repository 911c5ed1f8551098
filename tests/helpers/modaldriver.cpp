#include "modaldriver.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

ModalDriver::ModalDriver(Action action, QObject *parent)
    : QObject(parent)
    , m_action(std::move(action))
{
    QTimer::singleShot(0, this, &ModalDriver::poll);
}

void ModalDriver::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal) {
        m_ran = true;
        m_action(modal);
        return;
    }
    if (++m_polls < 500) // every 10 ms for up to five seconds
        QTimer::singleShot(10, this, &ModalDriver::poll);
}

void ModalDriver::closeAllModals()
{
    while (QWidget *modal = QApplication::activeModalWidget()) {
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
        QApplication::processEvents();
    }
}
