#include "modaldriver.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

namespace {
constexpr int kPollMs = 10;
constexpr int kMaxPolls = 500;
}

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
    if (++m_polls < kMaxPolls)
        QTimer::singleShot(kPollMs, this, &ModalDriver::poll);
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
