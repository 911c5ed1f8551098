#include "historystore.h"
#include "schemewindow.h"
#include "simcontrollers.h"
#include "systemuser.h"
#include "usersession.h"
#include "usersfile.h"

using namespace SchemeWindow;

namespace {

const QString kK1 = TestNet::host(1);
const QString kK2 = TestNet::host(2);

QAction *action(const MainWindow *w, const char *name)
{
    return w->findChild<QAction *>(QString::fromLatin1(name));
}

template <typename T> T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

void clickButton(QWidget *parent, const char *name)
{
    QTest::mouseClick(child<QAbstractButton>(parent, name), Qt::LeftButton);
}

void accept(QWidget *dialog)
{
    QTest::mouseClick(child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

// The user editor filled in as an administrator would; role: its row.
void fillUser(QWidget *edit, const QString &name, const QString &password, int role)
{
    QTest::keyClicks(child<QLineEdit>(edit, "nameEdit"), name);
    auto *combo = child<QComboBox>(edit, "roleCombo");
    if (combo->isEnabled()) {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < role; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
    }
    QTest::keyClicks(child<QLineEdit>(edit, "passwordEdit"), password);
    QTest::keyClicks(child<QLineEdit>(edit, "repeatEdit"), password);
    accept(edit);
}

// The login dialog, next to open, answered with name and password.
ModalDriver *logInNext(QObject *parent, const QString &name, const QString &password)
{
    return new ModalDriver(
        [name, password](QWidget *login) {
            QTest::keyClicks(child<QLineEdit>(login, "nameEdit"), name);
            QTest::keyClicks(child<QLineEdit>(login, "passwordEdit"), password);
            QTest::keyClick(child<QLineEdit>(login, "passwordEdit"), Qt::Key_Return);
        },
        parent);
}

QVector<AuditRecord> auditRecords(const MainWindow *w, QString *error)
{
    HistoryStore store;
    QVector<AuditRecord> records;
    if (!store.openForReading(w->project().monitoring.store, w->project().location, 0, 0, error))
        return records;
    store.audit(AuditQuery(), &records, error);
    return records;
}

QString lastDetail(const MainWindow *w)
{
    QString error;
    const QVector<AuditRecord> records = auditRecords(w, &error);
    return records.isEmpty() ? error : records.last().detail;
}

QStringList auditRows(const MainWindow *w)
{
    QString error;
    const QVector<AuditRecord> records = auditRecords(w, &error);
    if (!error.isEmpty())
        return {error};
    QStringList rows;
    for (const AuditRecord &r : qAsConst(records))
        rows << QStringList({r.user, AuditRecord::actionName(r.action), r.controller, r.variable, r.before, r.sent,
                             r.confirmed})
                    .join(QLatin1Char('|'));
    return rows;
}

} // namespace

class TestUserWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_k1 = SimControllers::start(this, kK1, R"(
        <Variable name="t1" type="phy_temperature" value="215"/>
        <Variable name="pump" type="on_off" modify="1" value="1"/>
        <Variable name="tset" type="phy_temperature" modify="1" min="0" max="900" value="455"/>
        <Variable name="mode" type="int" value="1"/>)",
                                     16483);
        m_k2 = SimControllers::start(this, kK2, R"(<Variable name="x" type="int" modify="1" value="7"/>)", 16483);
        SimControllers::start(this, TestNet::host(3), R"(<Variable name="s" type="int"/>)", 16483);
    }

    void cleanup()
    {
        ModalDriver::closeAllModals();
        Dialogs::reset();
    }

    // A project without users is open to all and says so. Its first user,
    // an administrator, is logged in at once; from then on a viewer is
    // refused every change, an operator writes from the scene and is
    // refused what an engineer does; the store keeps who did what.
    void rolesHoldWhereEachActionIsDone()
    {
        TempWorkDir dir;
        MainWindow *w = openProject(dir, TestPaths::dataDir() + "/projects/runtime", "obiekt", "127.0.6.");
        w->writer()->link()->setTimeoutMs(2000);
        QVERIFY(show(w, "Kocioł"));
        auto *user = w->findChild<QLabel *>("userLabel");
        QCOMPARE(user->text(), QStringLiteral("Projekt bez użytkowników: każdy może wszystko"));
        QVERIFY(!action(w, "actionLogin")->isEnabled());

        new ModalDriver(
            [this](QWidget *users) {
                new ModalDriver([](QWidget *edit) { fillUser(edit, "adam", "haslo-adama", 0); }, this);
                clickButton(users, "addButton");
                new ModalDriver([](QWidget *edit) { fillUser(edit, "ola", "haslo-oli", 1); }, this);
                clickButton(users, "addButton");
                logInNext(this, "adam", "haslo-adama");
                accept(users);
            },
            this);
        w->showUsersDialog();
        QTRY_VERIFY(w->session()->isLoggedIn());
        QCOMPARE(w->session()->userName(), QStringLiteral("adam"));
        QCOMPARE(user->text(), QStringLiteral("Zalogowany: adam (administrator)"));
        QCOMPARE(action(w, "actionLogin")->text(), QStringLiteral("Wyloguj adam"));
        QCOMPARE(UsersFile::read(w->project().location + UsersFile::fileName()).size(), 2);

        // Logged out, the station is a viewer: each change is refused where
        // it is made, with the role it needs, and nothing reaches a controller.
        action(w, "actionLogin")->trigger();
        QVERIFY(!w->session()->isLoggedIn());
        QCOMPARE(user->text(), QStringLiteral("Nikt nie jest zalogowany: stacja tylko pokazuje"));
        const int k1Asked = m_k1->requestCount();
        const int k2Asked = m_k2->requestCount();
        for (int i = 0; i < 6; ++i)
            Dialogs::presetAnswer(QMessageBox::Ok);
        clickScene(w, "nastawy");
        action(w, "actionDevices")->trigger();
        action(w, "actionMenuTree")->trigger();
        action(w, "actionDesigner")->trigger();
        action(w, "actionMonitoring")->trigger();
        w->menuSaveProject();
        QStringList refusals;
        for (const auto &shown : Dialogs::shown())
            refusals << shown.text;
        const QString engineer = QStringLiteral(" wymaga roli „inżynier” lub wyższej. Nikt nie jest zalogowany.");
        QCOMPARE(refusals,
                 QStringList({"Zapis wartości do sterownika wymaga roli „operator” lub wyższej. Nikt nie jest "
                              "zalogowany.",
                              "Zmiana listy sterowników" + engineer, "Zmiana drzewa elementów" + engineer,
                              "Edycja pliku QML" + engineer, "Zmiana monitorowania" + engineer,
                              "Zapis projektu" + engineer}));
        QVERIFY(!QApplication::activeModalWidget());
        QTest::qWait(300);
        QVERIFY(!m_k1->commands().mid(k1Asked).contains("get(tset;mode;pump;);"));
        QVERIFY(!m_k2->commands().mid(k2Asked).join(' ').contains("set("));
        Dialogs::reset();

        // The operator writes: one value kept, one clamped, one refused.
        ModalDriver *login = logInNext(this, "ola", "haslo-oli");
        action(w, "actionLogin")->trigger();
        QVERIFY(login->ran());
        QCOMPARE(w->session()->role(), UserRole::Operator);
        ModalDriver values([](QWidget *modal) {
            setField(modal, "xK2", 12);
            setField(modal, "tsetK1", 95);
            setField(modal, "modeK1", "Auto");
            QTest::mouseClick(modal->findChild<QWidget *>("saveBtn"), Qt::LeftButton);
        });
        Dialogs::presetAnswer(QMessageBox::Ok);
        clickScene(w, "nastawy");
        QTRY_VERIFY(values.ran());
        QTRY_COMPARE(Dialogs::shown().size(), 1);
        QVERIFY(m_k2->commands().contains("set(x=12;);"));
        Dialogs::reset();
        Dialogs::presetAnswer(QMessageBox::Ok);
        action(w, "actionDevices")->trigger();
        QCOMPARE(Dialogs::shown().value(0).text,
                 QStringLiteral("Zmiana listy sterowników wymaga roli „inżynier” lub "
                                "wyższej. Zalogowany użytkownik ola ma rolę „operator”."));

        // The first users were made by whoever the station's account is.
        const QStringList expected{SystemUser::name() + "|users-changed|||||",
                                   "adam|login|||||",
                                   "adam|logout|||||",
                                   "ola|login|||||",
                                   "ola|write-changed|K1|tset|455|950|900",
                                   "ola|write-refused|K1|mode|1|0|",
                                   "ola|write|K2|x|7|12|12"};
        QTRY_COMPARE(auditRows(w), expected);

        // The administrator saves: the row names the revision and the files
        // the save wrote, those whose bytes did not change left out.
        action(w, "actionLogin")->trigger();
        ModalDriver *admin = logInNext(this, "adam", "haslo-adama");
        action(w, "actionLogin")->trigger();
        QVERIFY(admin->ran());
        w->menuSaveProject();
        QTRY_COMPARE(auditRows(w).size(), expected.size() + 3);
        QCOMPARE(auditRows(w).mid(expected.size()),
                 QStringList({"ola|logout|||||", "adam|login|||||", "adam|save|||||"}));
        QCOMPARE(lastDetail(w), QStringLiteral("revision 2: project.xml"));

        // Five wrong passwords lock the name; an attempt during the lock is
        // a failed login as well.
        const int before = auditRows(w).size();
        for (int i = 0; i < 6; ++i)
            w->session()->login("ola", "zgadywane");
        const QString failed = QStringLiteral("ola|login-failed|||||");
        QTRY_COMPARE(auditRows(w).size(), before + 7);
        QCOMPARE(auditRows(w).mid(before),
                 QStringList({failed, failed, failed, failed, failed, "ola|locked|||||", failed}));
        QCOMPARE(lastDetail(w), QStringLiteral("locked"));
        delete w;
    }

private:
    SimServer *m_k1 = nullptr;
    SimServer *m_k2 = nullptr;
};

QTEST_MAIN(TestUserWindow)
#include "tst_userwindow.moc"
