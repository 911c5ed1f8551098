#include "dialogs.h"
#include "logindialog.h"
#include "modaldriver.h"
#include "passwordhash.h"
#include "tempworkdir.h"
#include "useractivityfilter.h"
#include "usersdialog.h"
#include "usersession.h"
#include "usersfile.h"
#include "widgetlookup.h"

#include <QtTest>
#include <QtWidgets>

using Status = LoginResult::Status;
using Reason = UserSession::LogoutReason;

namespace {

// Made by another PBKDF2-HMAC-SHA256 implementation from "Zażółć-gęślą 7"
// (composed, UTF-8) and the salt "0123456789:;<=>?".
const QString kForeignHash
    = QStringLiteral("pbkdf2-sha256$120000$MDEyMzQ1Njc4OTo7PD0+Pw==$8sxqSom57cRUaHNl/Jye/hrT4zERohK1To1eozG9okg=");
const QString kForeignPassword = QStringLiteral("Zażółć-gęślą 7");

UserRecord user(const QString &name, const QString &role, const QString &password)
{
    return {name, QStringLiteral("Pan ") + name, role, PasswordHash::make(password)};
}

// One user of each role, lowest first, each with the password "haslo-" +
// name; hashed once, as hashing takes its time.
const QList<UserRecord> &staff()
{
    static const QList<UserRecord> users{user("ola", "viewer", "haslo-ola"), user("jan", "operator", "haslo-jan"),
                                         user("ewa", "engineer", "haslo-ewa"),
                                         user("adam", "administrator", "haslo-adam")};
    return users;
}

// A steady clock the test moves.
struct TestClock
{
    qint64 now = 1'000'000;
    UserSession::Clock clock()
    {
        return [this] { return now; };
    }
};

QByteArray fromHex(const char *hex)
{
    return QByteArray::fromHex(hex);
}

} // namespace

class TestUsers : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        ModalDriver::closeAllModals();
        Dialogs::reset();
    }

    // The published vectors, a hash made elsewhere, and the stored form of a
    // new one, which must hold what it takes to check it again.
    void passwordHashes()
    {
        QCOMPARE(PasswordHash::derive("passwd", "salt", 1, 64),
                 fromHex("55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
                         "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783"));
        QCOMPARE(PasswordHash::derive("Password", "NaCl", 80000, 64),
                 fromHex("4ddcd8f60b98be21830cee5ef22701f9641a4418d04c0414aeff08876b34ab56"
                         "a1d425a1225833549adb841b51c9b3176a272bdebba1d078478f62b397f33c8d"));

        QVERIFY(PasswordHash::matches(kForeignPassword, kForeignHash));
        QVERIFY(PasswordHash::matches(kForeignPassword.normalized(QString::NormalizationForm_D), kForeignHash));
        QVERIFY(!PasswordHash::matches(QStringLiteral("Zażółć-gęślą 8"), kForeignHash));
        QVERIFY(!PasswordHash::matches(QString(), kForeignHash));

        const QString made = PasswordHash::make(QStringLiteral("kocioł"));
        QVERIFY(PasswordHash::matches(QStringLiteral("kocioł"), made));
        QVERIFY(!PasswordHash::matches(QStringLiteral("Kocioł"), made));
        QVERIFY(made != PasswordHash::make(QStringLiteral("kocioł")));
        const QStringList parts = made.split(QLatin1Char('$'));
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts.at(0), QStringLiteral("pbkdf2-sha256"));
        QVERIFY(parts.at(1).toInt() >= 100000);
        const QByteArray salt = QByteArray::fromBase64(parts.at(2).toLatin1());
        QVERIFY(salt.size() >= 16);
        QCOMPARE(PasswordHash::derive(QStringLiteral("kocioł").toUtf8(), salt, parts.at(1).toInt(), 32),
                 QByteArray::fromBase64(parts.at(3).toLatin1()));
        QVERIFY(!made.contains(QStringLiteral("kocioł")));

        // Damaged or weak: refused even with the right password.
        const QByteArray salt16 = "0123456789:;<=>?";
        const auto stored = [&](int iterations, const QByteArray &s, int length) {
            return QStringLiteral("pbkdf2-sha256$%1$%2$%3")
                .arg(iterations)
                .arg(QString::fromLatin1(s.toBase64()),
                     QString::fromLatin1(
                         PasswordHash::derive(kForeignPassword.toUtf8(), s, iterations, 32).left(length).toBase64()));
        };
        QVERIFY(PasswordHash::matches(kForeignPassword, stored(100000, salt16, 32)));
        for (const QString &bad :
             {stored(99999, salt16, 32), stored(100000, salt16.left(15), 32), stored(100000, salt16, 31),
              QString(kForeignHash).replace(QStringLiteral("sha256"), QStringLiteral("sha1")),
              QString(kForeignHash).replace(QStringLiteral("$MDEy"), QStringLiteral("$*DEy")),
              QString(kForeignHash).replace(QStringLiteral("120000"), QStringLiteral("2000000000")),
              QString(kForeignHash).section(QLatin1Char('$'), 0, 2), QString(), kForeignPassword}) {
            QVERIFY2(!PasswordHash::isUsable(bad), qPrintable(bad));
            QVERIFY(!PasswordHash::matches(kForeignPassword, bad));
        }
    }

    // Byte for byte; what a later version adds stays with its user, and a
    // user removed takes it along.
    void usersFileRoundTrip()
    {
        TempWorkDir dir;
        const QString path = dir.filePath(UsersFile::fileName());
        const QList<UserRecord> users{{"adam", "Adam Nowak", "administrator", kForeignHash},
                                      {"jan", "Jan \"Kot\" <K1>", "operator", kForeignHash}};
        const QByteArray bytes = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<!DOCTYPE users>\n"
                                 "<Users>\n"
                                 " <User name=\"adam\" fullName=\"Adam Nowak\" role=\"administrator\" password=\""
            + kForeignHash.toUtf8()
            + "\"/>\n"
              " <User name=\"jan\" fullName=\"Jan &quot;Kot&quot; &lt;K1>\" role=\"operator\" password=\""
            + kForeignHash.toUtf8() + "\"/>\n</Users>\n";
        QCOMPARE(UsersFile::write(path, users), QString());
        QCOMPARE(dir.read(UsersFile::fileName()), bytes);
        XmlRead::Status status;
        QCOMPARE(UsersFile::read(path, &status), users);
        QCOMPARE(int(status), int(XmlRead::Status::Read));

        QByteArray later = bytes;
        later.replace("<Users>", "<Users station=\"K1\">");
        later.replace("</Users>", " <Policy minLength=\"12\"/>\n</Users>");
        later.replace("role=\"administrator\" password=", "role=\"administrator\" email=\"adam@obiekt\" password=");
        later.replace("role=\"operator\" password=\"" + kForeignHash.toUtf8() + "\"/>",
                      "role=\"operator\" password=\"" + kForeignHash.toUtf8() + "\">\n  <Card id=\"77\"/>\n </User>");
        dir.write(UsersFile::fileName(), later);
        QList<UserRecord> read = UsersFile::read(path);
        QCOMPARE(read, users);
        read[0].fullName = QStringLiteral("Adam Nowak-Kowalski");
        QCOMPARE(UsersFile::write(path, read), QString());
        QByteArray expected = later;
        expected.replace("Adam Nowak\"", "Adam Nowak-Kowalski\"");
        expected.replace("role=\"administrator\" email=\"adam@obiekt\" password=\"" + kForeignHash.toUtf8() + "\"",
                         "role=\"administrator\" password=\"" + kForeignHash.toUtf8() + "\" email=\"adam@obiekt\"");
        QCOMPARE(dir.read(UsersFile::fileName()), expected);
        read.removeLast();
        QCOMPARE(UsersFile::write(path, read), QString());
        QVERIFY(!dir.read(UsersFile::fileName()).contains("Card"));
        QVERIFY(dir.read(UsersFile::fileName()).contains("<Policy minLength=\"12\"/>"));

        QFile::remove(path);
        QVERIFY(UsersFile::read(path, &status).isEmpty());
        QCOMPARE(int(status), int(XmlRead::Status::Missing));
    }

    // A damaged file or one of another kind is no file without users: it is
    // reported, opens nothing, and a save keeps it aside.
    void unreadableFileLocksTheStation()
    {
        TempWorkDir dir;
        const QString path = dir.filePath(UsersFile::fileName());
        for (const QByteArray &content : {QByteArray("<Users><User name=\"adam\""), QByteArray("<Monitoring/>")}) {
            dir.write(UsersFile::fileName(), content);
            XmlRead::Status status;
            QVERIFY(UsersFile::read(path, &status).isEmpty());
            QCOMPARE(int(status), int(XmlRead::Status::Unreadable));
            UserSession session;
            session.setUsers({}, status);
            QVERIFY(!session.unrestricted());
            QCOMPARE(session.role(), UserRole::Viewer);
            QVERIFY(session.refusal(UserAction::WriteValue).contains(QStringLiteral("nikt nie może się zalogować")));
            QCOMPARE(UsersFile::write(path, staff()), QString());
            QCOMPARE(dir.read(UsersFile::fileName() + QStringLiteral(".unreadable")), content);
            QCOMPARE(UsersFile::read(path), staff());
            QFile::remove(path + QStringLiteral(".unreadable"));
        }
    }

    // Entries made by hand that cannot be used are refused and kept as they
    // stand; the others log in.
    void damagedEntriesRefusedOthersLogIn()
    {
        TempWorkDir dir;
        const QString path = dir.filePath(UsersFile::fileName());
        const QString good = PasswordHash::make(QStringLiteral("tajne-hasło"));
        const QByteArray file = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE users>\n<Users>\n"
                                " <User name=\"adam\" fullName=\"\" role=\"administrator\" password=\""
            + good.toUtf8()
            + "\"/>\n"
              " <User name=\"piotr\" fullName=\"\" role=\"operator\" password=\""
            + good.left(good.size() - 8).toUtf8()
            + "\"/>\n"
              " <User name=\"ewa\" fullName=\"\" role=\"superuser\" password=\""
            + good.toUtf8()
            + "\"/>\n"
              " <User name=\"adam\" fullName=\"\" role=\"viewer\" password=\""
            + PasswordHash::make(QStringLiteral("inne-hasło")).toUtf8() + "\"/>\n</Users>\n";
        dir.write(UsersFile::fileName(), file);
        const QList<UserRecord> users = UsersFile::read(path);
        QCOMPARE(users.size(), 4);
        QCOMPARE(UsersFile::write(path, users), QString());
        QCOMPARE(dir.read(UsersFile::fileName()), file);

        UserSession session;
        session.setUsers(users);
        QSignalSpy failed(&session, &UserSession::loginFailed);
        QCOMPARE(session.login("piotr", "tajne-hasło").status, Status::Unusable);
        QCOMPARE(session.login("ewa", "tajne-hasło").status, Status::Unusable);
        QCOMPARE(session.login("adam", "inne-hasło").status, Status::WrongNameOrPassword);
        QCOMPARE(session.login("nikt", "tajne-hasło").status, Status::WrongNameOrPassword);
        QCOMPARE(failed.size(), 4);
        QVERIFY(!session.isLoggedIn());
        QCOMPARE(session.login("adam", "tajne-hasło").status, Status::Ok);
        QCOMPARE(session.role(), UserRole::Administrator);
    }

    // Five failures in a row lock a name, whether anyone has it or not, for
    // 30 s, the right password included; a success starts the count anew.
    void lockOut()
    {
        TestClock t;
        UserSession session;
        session.setClock(t.clock());
        session.setUsers(staff());
        QSignalSpy locked(&session, &UserSession::locked);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(session.login("jan", "zgadywane").status, Status::WrongNameOrPassword);
        QCOMPARE(session.login("jan", "haslo-jan").status, Status::Ok);
        session.logout();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(session.login("jan", "zgadywane").status, Status::WrongNameOrPassword);
        QVERIFY(locked.isEmpty());
        QCOMPARE(session.login("jan", "zgadywane").status, Status::WrongNameOrPassword);
        QCOMPARE(locked.size(), 1);
        QCOMPARE(locked.at(0).at(1).toInt(), 30);

        t.now += 29'001;
        const LoginResult during = session.login("jan", "haslo-jan");
        QCOMPARE(during.status, Status::Locked);
        QCOMPARE(during.secondsLeft, 1);
        QCOMPARE(session.login("ewa", "haslo-ewa").status, Status::Ok);
        session.logout();
        t.now += 999;
        QCOMPARE(session.login("jan", "haslo-jan").status, Status::Ok);

        for (int i = 0; i < 5; ++i)
            QCOMPARE(session.login("nikt", "zgadywane").status, Status::WrongNameOrPassword);
        QCOMPARE(session.login("nikt", "zgadywane").status, Status::Locked);
        QCOMPARE(locked.size(), 2);
    }

    // Logged out after the idle time without a key pressed or the mouse
    // moved, by the session's own timer too.
    void idleLogout()
    {
        TestClock t;
        UserSession session;
        session.setClock(t.clock());
        session.setUsers(staff());
        qApp->installEventFilter(new UserActivityFilter(&session));
        QLineEdit window;
        window.show();
        QSignalSpy out(&session, &UserSession::loggedOut);
        QCOMPARE(session.login("jan", "haslo-jan").status, Status::Ok);
        t.now += 15 * 60'000 - 1;
        session.checkIdle();
        QTest::keyClick(&window, Qt::Key_A);
        t.now += 15 * 60'000 - 1;
        session.checkIdle();
        QVERIFY(out.isEmpty());
        t.now += 1;
        session.checkIdle();
        QCOMPARE(out.size(), 1);
        QCOMPARE(out.at(0).at(0).toString(), QStringLiteral("jan"));
        QCOMPARE(out.at(0).at(1).value<Reason>(), Reason::Idle);
        QCOMPARE(session.role(), UserRole::Viewer);
        QCOMPARE(session.userName(), QString());

        session.setIdleTimeout(60);
        QCOMPARE(session.login("jan", "haslo-jan").status, Status::Ok);
        t.now += 60'000;
        QTRY_COMPARE(out.size(), 2);
        session.setIdleTimeout(0);
        QCOMPARE(session.login("jan", "haslo-jan").status, Status::Ok);
        t.now += 24 * 3600'000;
        session.checkIdle();
        session.logout();
        QCOMPARE(out.size(), 3);
        QCOMPARE(out.at(2).at(1).value<Reason>(), Reason::ByHand);
    }

    // Each role may do what the one below may and more; a refusal names the
    // role needed. Without users anyone may do all.
    void rolesAndRefusals()
    {
        const QList<UserAction> operatorDoes{UserAction::WriteValue, UserAction::AcknowledgeAlarm,
                                             UserAction::ShelveAlarm, UserAction::Comment};
        const QList<UserAction> engineerDoes{UserAction::EditDeviceList, UserAction::DeviceEditorWrite,
                                             UserAction::EditMenuTree,   UserAction::EditScheme,
                                             UserAction::EditQml,        UserAction::EditMonitoring,
                                             UserAction::SaveProject,    UserAction::SetAlarmOutOfService};
        const QList<QList<UserAction>> grants{{},
                                              operatorDoes,
                                              operatorDoes + engineerDoes,
                                              operatorDoes + engineerDoes + QList<UserAction>{UserAction::ManageUsers}};
        const QStringList needed{"", "roli „operator” lub wyższej", "roli „inżynier” lub wyższej",
                                 "roli „administrator”."};

        UserSession session;
        QVERIFY(session.unrestricted());
        QVERIFY(session.allows(UserAction::ManageUsers));
        session.setUsers(staff());
        QVERIFY(!session.unrestricted());
        QVERIFY(session.refusal(UserAction::WriteValue).endsWith(QStringLiteral("Nikt nie jest zalogowany.")));
        for (int r = 0; r < staff().size(); ++r) {
            const UserRecord &u = staff().at(r);
            QCOMPARE(session.login(u.name, "haslo-" + u.name).status, Status::Ok);
            for (const UserAction a : grants.last()) {
                const bool allowed = grants.at(r).contains(a);
                QCOMPARE(session.allows(a), allowed);
                QCOMPARE(session.refusal(a).isEmpty(), allowed);
                if (!allowed) {
                    int least = r + 1;
                    while (!grants.at(least).contains(a))
                        ++least;
                    QVERIFY2(session.refusal(a).contains(needed.at(least)), qPrintable(session.refusal(a)));
                    QVERIFY(session.refusal(a).contains(u.name));
                }
            }
        }

        // The role follows a change of the user's entry; an entry removed
        // logs its user out.
        QList<UserRecord> changed = staff();
        changed[3].role = QStringLiteral("engineer");
        changed.prepend(user("zofia", "administrator", "haslo-zofia"));
        session.setUsers(changed);
        QCOMPARE(session.userName(), QStringLiteral("adam"));
        QCOMPARE(session.role(), UserRole::Engineer);
        QSignalSpy out(&session, &UserSession::loggedOut);
        changed.removeLast();
        session.setUsers(changed);
        QCOMPARE(out.size(), 1);
        QCOMPARE(out.at(0).at(1).value<Reason>(), Reason::Removed);
        session.setUsers({});
        QVERIFY(session.unrestricted());
    }

    // The password is checked off the GUI thread; a refusal stays in the
    // dialog, which takes another try.
    void loginDialog()
    {
        TestClock t;
        UserSession session;
        session.setClock(t.clock());
        session.setUsers(staff());
        LoginDialog d(&session);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        auto *name = child<QLineEdit>(&d, "nameEdit");
        auto *password = child<QLineEdit>(&d, "passwordEdit");
        auto *error = child<QLabel>(&d, "errorLabel");
        QTest::keyClicks(name, "jan");
        QTest::keyClick(name, Qt::Key_Tab);
        QTest::keyClicks(password, "zgadywane");
        QTest::keyClick(password, Qt::Key_Return);
        QVERIFY(session.isChecking());
        QVERIFY(!password->isEnabled());
        QTRY_COMPARE(error->text(), QStringLiteral("Błędna nazwa użytkownika lub hasło."));
        QVERIFY(d.isVisible());
        QVERIFY(password->text().isEmpty());
        for (int i = 0; i < 4; ++i) {
            QTest::keyClicks(password, "zgadywane");
            QTest::keyClick(password, Qt::Key_Return);
            QTRY_VERIFY(password->isEnabled());
        }
        QTest::keyClicks(password, "haslo-jan");
        QTest::keyClick(password, Qt::Key_Return);
        QTRY_VERIFY(error->text().contains(QStringLiteral("Spróbuj ponownie za 30 s")));
        QVERIFY(!session.isLoggedIn());

        name->clear();
        QTest::keyClicks(name, "ewa");
        QTest::keyClicks(password, "haslo-ewa");
        QTest::keyClick(password, Qt::Key_Return);
        QTRY_VERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(session.userName(), QStringLiteral("ewa"));
    }

    // The first user is an administrator; the last administrator is neither
    // removed nor demoted; the others are.
    void usersDialog()
    {
        UsersDialog d({});
        d.show();
        QVERIFY(child<QLabel>(&d, "hintLabel")->isVisible());
        const auto fill = [](QWidget *edit, const QString &name, const QString &password, int role) {
            if (!name.isEmpty())
                QTest::keyClicks(child<QLineEdit>(edit, "nameEdit"), name);
            auto *combo = child<QComboBox>(edit, "roleCombo");
            if (role >= 0) {
                combo->setFocus();
                QTest::keyClick(combo, Qt::Key_Home);
                for (int i = 0; i < role; ++i)
                    QTest::keyClick(combo, Qt::Key_Down);
            }
            QTest::keyClicks(child<QLineEdit>(edit, "passwordEdit"), password);
            QTest::keyClicks(child<QLineEdit>(edit, "repeatEdit"), password);
            QTest::mouseClick(child<QDialogButtonBox>(edit, "buttonBox")->button(QDialogButtonBox::Ok), Qt::LeftButton);
        };

        bool roleLocked = false;
        ModalDriver first([&](QWidget *edit) {
            roleLocked = !child<QComboBox>(edit, "roleCombo")->isEnabled();
            fill(edit, "adam", "pierwsze-haslo", 0);
        });
        click(&d, "addButton");
        QVERIFY(first.ran());
        QVERIFY(roleLocked);
        QCOMPARE(d.users().size(), 1);
        QCOMPARE(d.users().at(0).role, QStringLiteral("administrator"));
        QVERIFY(PasswordHash::matches("pierwsze-haslo", d.users().at(0).password));

        Dialogs::presetAnswer(QMessageBox::Ok);
        click(&d, "removeButton");
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown().at(0).text.contains(QStringLiteral("ostatnim administratorem")));
        QCOMPARE(d.users().size(), 1);

        ModalDriver second([&](QWidget *edit) { fill(edit, "jan", "drugie-haslo", 1); });
        click(&d, "addButton");
        QVERIFY(second.ran());
        QCOMPARE(d.users().at(1).role, QStringLiteral("operator"));

        // Demoting adam is refused and the dialog stays open; Cancel then.
        auto *tree = child<QTreeWidget>(&d, "usersTree");
        tree->setCurrentItem(tree->topLevelItem(0));
        bool stayedOpen = false;
        Dialogs::presetAnswer(QMessageBox::Ok);
        ModalDriver demote([&](QWidget *edit) {
            fill(edit, QString(), QString(), 2);
            stayedOpen = edit->isVisible();
            child<QDialogButtonBox>(edit, "buttonBox")->button(QDialogButtonBox::Cancel)->click();
        });
        click(&d, "editButton");
        QVERIFY(demote.ran());
        QVERIFY(stayedOpen);
        QVERIFY(Dialogs::shown().at(1).text.contains(QStringLiteral("ostatnim administratorem")));
        QCOMPARE(d.users().at(0).role, QStringLiteral("administrator"));

        tree->setCurrentItem(tree->topLevelItem(1));
        Dialogs::presetAnswer(QMessageBox::Yes);
        click(&d, "removeButton");
        QCOMPARE(d.users().size(), 1);
        QCOMPARE(d.users().at(0).name, QStringLiteral("adam"));
    }
};

QTEST_MAIN(TestUsers)
#include "tst_users.moc"
