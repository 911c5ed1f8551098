#include "variablecatalogrequest.h"

#include "commandlanguage.h"
#include "qteskcmd.h"

#include <QComboBox>
#include <QLabel>
#include <QWidget>

VariableCatalogRequest::VariableCatalogRequest(QWidget *dialog, QLabel *status)
    : QObject(dialog)
    , m_dialog(dialog)
    , m_status(status)
    , m_link(new QTeskCmd(this))
{
    connect(m_link, qOverload<QString>(&QTeskCmd::dataReady), this, &VariableCatalogRequest::replied);
    connect(m_link, &QTeskCmd::timeout, this, &VariableCatalogRequest::timedOut);
}

void VariableCatalogRequest::ask(const QString &address)
{
    m_dialog->setCursor(Qt::WaitCursor);
    m_status->setText(tr("Odczytuję zmienne sterownika ") + address + QStringLiteral("..."));
    m_link->sendRequest(address, CommandLanguage::describeAllCommand(), kPort);
}

void VariableCatalogRequest::forgetNames(QComboBox *names)
{
    const QString shown = names->currentText();
    names->clear();
    names->setEditText(shown);
}

void VariableCatalogRequest::replied(const QString &reply)
{
    m_dialog->setCursor(Qt::ArrowCursor);
    m_status->clear();
    // A description may list a variable again further on.
    QStringList names = CommandLanguage::variableCatalogue(CommandLanguage::prepareDescription(reply));
    names.removeDuplicates();
    emit namesRead(names);
}

void VariableCatalogRequest::timedOut()
{
    m_dialog->setCursor(Qt::ArrowCursor);
    emit silent();
}
