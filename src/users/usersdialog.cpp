#include "usersdialog.h"

#include "ui_usersdialog.h"

#include "dialogs.h"
#include "usereditdialog.h"
#include "userlist.h"

namespace {

enum Column { Name, FullName, Role, Remarks };

QString roleText(const UserRecord &u)
{
    UserRole role;
    return UserRoles::fromName(u.role, &role) ? UserRoles::label(role) : u.role;
}

QString problemText(UserRecord::Problem problem)
{
    switch (problem) {
    case UserRecord::Problem::None:
        return QString();
    case UserRecord::Problem::NoName:
        return UsersDialog::tr("bez nazwy");
    case UserRecord::Problem::UnknownRole:
        return UsersDialog::tr("nieznana rola");
    case UserRecord::Problem::BadPassword:
        return UsersDialog::tr("uszkodzony skrót hasła");
    case UserRecord::Problem::Duplicate:
        return UsersDialog::tr("powtórzona nazwa");
    }
    return QString();
}

} // namespace

UsersDialog::UsersDialog(const QList<UserRecord> &users, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::UsersDialog)
    , m_users(users)
{
    ui->setupUi(this);
    connect(ui->addButton, &QPushButton::clicked, this, &UsersDialog::addUser);
    connect(ui->editButton, &QPushButton::clicked, this, &UsersDialog::editUser);
    connect(ui->removeButton, &QPushButton::clicked, this, &UsersDialog::removeUser);
    connect(ui->usersTree, &QTreeWidget::itemDoubleClicked, this, &UsersDialog::editUser);
    connect(ui->usersTree, &QTreeWidget::currentItemChanged, this, &UsersDialog::updateButtons);
    showUsers();
}

UsersDialog::~UsersDialog()
{
    delete ui;
}

void UsersDialog::showUsers()
{
    const int current = currentIndex();
    ui->usersTree->clear();
    const QColor damaged(170, 0, 0);
    for (int i = 0; i < m_users.size(); ++i) {
        const UserRecord &u = m_users.at(i);
        auto *item = new QTreeWidgetItem(ui->usersTree, {u.name, u.fullName, roleText(u)});
        const UserRecord::Problem problem = UserList::problem(m_users, i);
        if (problem != UserRecord::Problem::None) {
            item->setText(Remarks, problemText(problem));
            item->setIcon(Name, QIcon(QStringLiteral(":/warning")));
            const QString why = problem == UserRecord::Problem::Duplicate
                ? tr("Wcześniejszy wpis ma tę nazwę: to na niego się loguje.")
                : tr("Wpis jest uszkodzony: nie można się na niego zalogować.");
            for (int c = Name; c <= Remarks; ++c) {
                item->setForeground(c, damaged);
                item->setToolTip(c, why);
            }
        }
    }
    // Some room between a column's longest text and the next one.
    for (int c = Name; c < Remarks; ++c) {
        ui->usersTree->resizeColumnToContents(c);
        ui->usersTree->setColumnWidth(c, ui->usersTree->columnWidth(c) + 2 * fontMetrics().averageCharWidth());
    }
    if (!m_users.isEmpty())
        ui->usersTree->setCurrentItem(ui->usersTree->topLevelItem(qBound(0, current, m_users.size() - 1)));
    ui->hintLabel->setText(m_users.isEmpty() ? tr("Nie ma użytkowników: każdy może wszystko, bez logowania. "
                                                  "Pierwszy dodany użytkownik będzie administratorem.")
                                             : QString());
    ui->hintLabel->setVisible(m_users.isEmpty());
    updateButtons();
}

int UsersDialog::currentIndex() const
{
    QTreeWidgetItem *item = ui->usersTree->currentItem();
    return item ? ui->usersTree->indexOfTopLevelItem(item) : -1;
}

void UsersDialog::updateButtons()
{
    ui->editButton->setEnabled(currentIndex() >= 0);
    ui->removeButton->setEnabled(currentIndex() >= 0);
}

void UsersDialog::addUser()
{
    UserEditDialog dialog(m_users, -1, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_users.append(dialog.user());
    showUsers();
    ui->usersTree->setCurrentItem(ui->usersTree->topLevelItem(m_users.size() - 1));
}

void UsersDialog::editUser()
{
    const int i = currentIndex();
    if (i < 0)
        return;
    UserEditDialog dialog(m_users, i, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_users[i] = dialog.user();
    showUsers();
}

void UsersDialog::removeUser()
{
    const int i = currentIndex();
    if (i < 0)
        return;
    const UserRecord &u = m_users.at(i);
    if (UserList::isLastAdministrator(m_users, i)) {
        Dialogs::warning(
            this, tr("Błąd"),
            tr("%1 jest ostatnim administratorem: bez niego nikt nie mógłby zarządzać użytkownikami.").arg(u.name));
        return;
    }
    if (Dialogs::question(this, tr("Potwierdzenie"), tr("Usunąć użytkownika %1?").arg(u.name)) != QMessageBox::Yes)
        return;
    m_users.removeAt(i);
    showUsers();
}
