#include "usereditdialog.h"

#include "ui_usereditdialog.h"

#include "dialogs.h"
#include "passwordhash.h"
#include "userlist.h"
#include "xmltext.h"

#include <QApplication>

namespace {

bool isLogin(const QString &name)
{
    if (name.isEmpty() || !XmlText::isXmlSafe(name))
        return false;
    for (const QChar c : name) {
        if (c.isSpace() || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

} // namespace

int UserEditDialog::shortestPassword()
{
    return 8;
}

UserEditDialog::UserEditDialog(const QList<UserRecord> &users, int index, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::UserEditDialog)
    , m_users(users)
    , m_index(index)
{
    ui->setupUi(this);
    if (m_index >= 0)
        m_user = m_users.at(m_index);
    setWindowTitle(m_index < 0 ? tr("Nowy użytkownik") : tr("Użytkownik %1").arg(m_user.name));
    ui->nameEdit->setText(m_user.name);
    ui->nameEdit->setReadOnly(m_index >= 0);
    ui->fullNameEdit->setText(m_user.fullName);
    fillRoles();
    QStringList notes;
    if (m_index < 0 && UserList::usableAdministrators(m_users) == 0) {
        ui->roleCombo->setEnabled(false);
        notes << (m_users.isEmpty()
                      ? tr("Pierwszy użytkownik musi być administratorem: tylko on może zarządzać użytkownikami.")
                      : tr("Żaden administrator nie może się zalogować: nowy użytkownik musi być administratorem."));
    }
    if (m_index >= 0 && m_user.problem() == UserRecord::Problem::BadPassword)
        notes << tr("Zapisany skrót hasła jest uszkodzony: nadaj nowe hasło, aby można było się zalogować.");
    else if (m_index >= 0)
        notes << tr("Pozostaw pola hasła puste, aby go nie zmieniać.");
    ui->noteLabel->setText(notes.join(QLatin1Char('\n')));
    ui->noteLabel->setVisible(!notes.isEmpty());
    (m_index < 0 ? ui->nameEdit : ui->fullNameEdit)->setFocus();
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &UserEditDialog::tryAccept);
}

UserEditDialog::~UserEditDialog()
{
    delete ui;
}

// An unknown role stays offered as the entry has it, so that it is kept
// unless another is picked.
void UserEditDialog::fillRoles()
{
    UserRole known;
    if (m_index >= 0 && !UserRoles::fromName(m_user.role, &known))
        ui->roleCombo->addItem(tr("%1 (nieznana)").arg(m_user.role), m_user.role);
    for (const UserRole r : UserRoles::all())
        ui->roleCombo->addItem(UserRoles::label(r), UserRoles::name(r));
    const bool mustBeAdministrator = m_index < 0 && UserList::usableAdministrators(m_users) == 0;
    const QString role = mustBeAdministrator ? UserRoles::name(UserRole::Administrator)
        : m_index < 0                        ? UserRoles::name(UserRole::Operator)
                                             : m_user.role;
    ui->roleCombo->setCurrentIndex(ui->roleCombo->findData(role));
}

QString UserEditDialog::selectedRole() const
{
    return ui->roleCombo->currentData().toString();
}

QString UserEditDialog::problem() const
{
    const QString name = ui->nameEdit->text();
    if (m_index < 0 && !isLogin(name))
        return tr("Nazwa użytkownika nie może być pusta ani zawierać spacji.");
    if (m_index < 0 && UserList::indexOf(m_users, name) >= 0)
        return tr("Użytkownik o nazwie %1 już jest.").arg(name);
    if (m_index >= 0 && UserList::isLastAdministrator(m_users, m_index)
        && selectedRole() != UserRoles::name(UserRole::Administrator))
        return tr("%1 jest ostatnim administratorem: bez niego nikt nie mógłby zarządzać użytkownikami. "
                  "Najpierw nadaj tę rolę komuś innemu.")
            .arg(m_user.name);
    const QString password = ui->passwordEdit->text();
    if (password != ui->repeatEdit->text())
        return tr("Hasła się różnią.");
    const bool keepsPassword = m_index >= 0 && password.isEmpty();
    if (!keepsPassword && password.size() < shortestPassword())
        return tr("Hasło musi mieć co najmniej %1 znaków.").arg(shortestPassword());
    return QString();
}

void UserEditDialog::tryAccept()
{
    const QString error = problem();
    if (!error.isEmpty()) {
        Dialogs::warning(this, tr("Błąd"), error);
        return;
    }
    m_user.name = ui->nameEdit->text();
    m_user.fullName = ui->fullNameEdit->text().trimmed();
    m_user.role = selectedRole();
    if (!ui->passwordEdit->text().isEmpty()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_user.password = PasswordHash::make(ui->passwordEdit->text());
        QApplication::restoreOverrideCursor();
    }
    accept();
}
