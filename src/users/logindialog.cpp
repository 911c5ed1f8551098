#include "logindialog.h"

#include "ui_logindialog.h"

#include "usersession.h"

#include <QPushButton>

LoginDialog::LoginDialog(UserSession *session, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LoginDialog)
    , m_session(session)
{
    ui->setupUi(this);
    // Room for two lines of a message, so that the dialog does not jump.
    ui->errorLabel->setMinimumHeight(2 * fontMetrics().lineSpacing());
    m_lockTimer.setInterval(1000);
    connect(&m_lockTimer, &QTimer::timeout, this, &LoginDialog::showLock);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &LoginDialog::tryLogin);
    connect(m_session, &UserSession::loginAnswered, this, &LoginDialog::answered);
}

LoginDialog::~LoginDialog()
{
    delete ui;
}

void LoginDialog::setName(const QString &name)
{
    ui->nameEdit->setText(name);
    ui->passwordEdit->setFocus();
}

void LoginDialog::reject()
{
    if (m_pending.isNull())
        QDialog::reject();
}

void LoginDialog::tryLogin()
{
    const QString name = ui->nameEdit->text().trimmed();
    if (name.isEmpty()) {
        showMessage(tr("Podaj nazwę użytkownika."), true);
        ui->nameEdit->setFocus();
        return;
    }
    m_lockTimer.stop();
    m_pending = name;
    setChecking(true);
    m_session->startLogin(name, ui->passwordEdit->text());
}

void LoginDialog::answered(const LoginResult &result)
{
    if (m_pending.isNull() || result.name != m_pending)
        return;
    m_pending = QString();
    setChecking(false);
    ui->passwordEdit->clear();
    ui->passwordEdit->setFocus();
    switch (result.status) {
    case LoginResult::Status::Ok:
        accept();
        return;
    case LoginResult::Status::WrongNameOrPassword:
        showMessage(tr("Błędna nazwa użytkownika lub hasło."), true);
        return;
    case LoginResult::Status::Unusable:
        showMessage(tr("Wpis użytkownika %1 w pliku users.xml jest uszkodzony: nie można się na niego zalogować. "
                       "Administrator może go poprawić w oknie „Użytkownicy”.")
                        .arg(result.name),
                    true);
        return;
    case LoginResult::Status::Locked:
        m_lockedName = result.name;
        showLock();
        m_lockTimer.start();
        return;
    }
}

// Counts the lock down while its name stands in the field.
void LoginDialog::showLock()
{
    const int left = m_session->lockSecondsLeft(m_lockedName);
    if (left <= 0 || ui->nameEdit->text().trimmed() != m_lockedName) {
        m_lockTimer.stop();
        showMessage(QString(), false);
        return;
    }
    showMessage(tr("Zbyt wiele nieudanych prób logowania jako %1. Spróbuj ponownie za %2 s.")
                    .arg(m_lockedName, QString::number(left)),
                true);
}

void LoginDialog::setChecking(bool checking)
{
    ui->nameEdit->setEnabled(!checking);
    ui->passwordEdit->setEnabled(!checking);
    ui->buttonBox->setEnabled(!checking);
    if (checking)
        showMessage(tr("Sprawdzanie hasła…"), false);
}

void LoginDialog::showMessage(const QString &text, bool error)
{
    QPalette palette = this->palette();
    if (error)
        palette.setColor(QPalette::WindowText, QColor(170, 0, 0));
    ui->errorLabel->setPalette(palette);
    ui->errorLabel->setText(text);
}
