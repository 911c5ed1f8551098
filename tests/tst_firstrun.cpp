#include "dialogs.h"
#include "firstrun.h"
#include "logmodel.h"
#include "mainwindow.h"
#include "modaldriver.h"
#include "startup.h"
#include "tempworkdir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDomDocument>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {

QDomElement logSettings(const QByteArray &config)
{
    QDomDocument doc;
    doc.setContent(config);
    return doc.documentElement()
        .firstChildElement(QStringLiteral("Settings"))
        .firstChildElement(QStringLiteral("LogSettings"));
}

} // namespace

class TestFirstRun : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void acceptWritesConfig();
    void cancelWritesNothing();
    void finishNeedsAFolder();
    void wizardSpeaksEnglishOnFirstStart();
};

void TestFirstRun::cleanup()
{
    ModalDriver::closeAllModals();
    Dialogs::reset();
}

void TestFirstRun::acceptWritesConfig()
{
    TempWorkDir dir;
    Dialogs::presetPath(QStringLiteral("/srv/Projekty"));
    Dialogs::presetAnswer(QMessageBox::Ok);
    ModalDriver driver([](QWidget *modal) {
        auto *wizard = qobject_cast<FirstRun *>(modal);
        QVERIFY(wizard);
        QTest::mouseClick(wizard->findChild<QToolButton *>(QStringLiteral("toolButton")), Qt::LeftButton);
        QCOMPARE(wizard->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->text(),
                 QStringLiteral("/srv/Projekty"));
        wizard->findChild<QComboBox *>(QStringLiteral("comboBox"))->setCurrentIndex(1);
        QTest::mouseClick(wizard->findChild<QPushButton *>(QStringLiteral("pushButton_2")), Qt::LeftButton);
    });
    MainWindow window;
    QVERIFY(driver.ran());

    const QList<Dialogs::Shown> shown = Dialogs::shown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QString());
    QCOMPARE(shown.first().text, QStringLiteral("Język w programie zostanie zmieniony po ponownym uruchomieniu"));

    const QByteArray config = dir.read(QStringLiteral("config.xml"));
    QDomDocument doc;
    QVERIFY(doc.setContent(config));
    const QDomElement app = doc.documentElement().firstChildElement(QStringLiteral("AppSettings"));
    QCOMPARE(app.attribute(QStringLiteral("workspaceDir")), QStringLiteral("/srv/Projekty"));
    QCOMPARE(app.attribute(QStringLiteral("Language")), QStringLiteral("pl"));
    const QDomElement log = logSettings(config);
    QCOMPARE(log.attribute(QStringLiteral("showData")), QStringLiteral("0"));
    QCOMPARE(log.attribute(QStringLiteral("showWarnings")), QStringLiteral("0"));
    QCOMPARE(window.appSettings().workspaceDir, QStringLiteral("/srv/Projekty"));
    // This run keeps every log switch on; the stored ones apply next start.
    QVERIFY(window.findChild<QCheckBox *>(QStringLiteral("dataCheckBox"))->isChecked());
    QVERIFY(window.logModel()->filter().data && window.logModel()->filter().warnings);
}

void TestFirstRun::cancelWritesNothing()
{
    TempWorkDir dir;
    ModalDriver driver([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
    MainWindow window;
    QVERIFY(driver.ran());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("config.xml"))));
    QCOMPARE(window.appSettings().workspaceDir, QString());
}

void TestFirstRun::finishNeedsAFolder()
{
    FirstRun wizard;
    auto *finish = wizard.findChild<QPushButton *>(QStringLiteral("pushButton_2"));
    auto *edit = wizard.findChild<QLineEdit *>(QStringLiteral("lineEdit"));
    QVERIFY(!finish->isEnabled());
    QTest::keyClicks(edit, QStringLiteral("/home/serwis"));
    QVERIFY(finish->isEnabled());
    QCOMPARE(wizard.workspaceDir(), QStringLiteral("/home/serwis"));
    QCOMPARE(wizard.language(), QStringLiteral("eng"));
    edit->clear();
    QVERIFY(!finish->isEnabled());

    Dialogs::presetPath(QString()); // a cancelled chooser changes nothing
    QTest::keyClicks(edit, QStringLiteral("/typed"));
    QTest::mouseClick(wizard.findChild<QToolButton *>(QStringLiteral("toolButton")), Qt::LeftButton);
    QCOMPARE(edit->text(), QStringLiteral("/typed"));
}

void TestFirstRun::wizardSpeaksEnglishOnFirstStart()
{
    TempWorkDir dir;
    dir.installTranslations();
    QVERIFY(Startup::installTranslation(*qApp, QStringLiteral("eng")));
    QString title;
    QString finishText;
    ModalDriver driver([&](QWidget *modal) {
        title = modal->windowTitle();
        finishText = modal->findChild<QPushButton *>(QStringLiteral("pushButton_2"))->text();
        qobject_cast<QDialog *>(modal)->reject();
    });
    {
        MainWindow window;
        QVERIFY(driver.ran());
        QCOMPARE(window.logModel()->entries().first().text,
                 QStringLiteral("Program started, logging begun"));
    }
    for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
        qApp->removeTranslator(t);
        delete t;
    }
    QCOMPARE(title, QStringLiteral("Welcome to Tesk-Control!"));
    QCOMPARE(finishText, QStringLiteral("Finish"));
}

QTEST_MAIN(TestFirstRun)
#include "tst_firstrun.moc"
