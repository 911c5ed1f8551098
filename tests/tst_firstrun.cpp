#include "dialogs.h"
#include "firstrun.h"
#include "logmodel.h"
#include "mainwindow.h"
#include "modaldriver.h"
#include "startup.h"
#include "tempworkdir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>


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

    QCOMPARE(dir.read(QStringLiteral("config.xml")),
             QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE config>\n<Config>\n"
                        " <AppSettings workspaceDir=\"/srv/Projekty\" Language=\"pl\"/>\n"
                        " <LastProject location=\"\" name=\"\"/>\n <Settings>\n"
                        "  <LogSettings showData=\"0\" showErrors=\"1\" showInfo=\"1\" showWarnings=\"0\"/>\n"
                        " </Settings>\n</Config>\n"));
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
    QTest::keyClicks(edit, QStringLiteral("/typed"));
    QVERIFY(finish->isEnabled());
    QCOMPARE(wizard.workspaceDir(), QStringLiteral("/typed"));
    QCOMPARE(wizard.language(), QStringLiteral("eng"));
    Dialogs::presetPath(QString()); // a cancelled chooser changes nothing
    QTest::mouseClick(wizard.findChild<QToolButton *>(QStringLiteral("toolButton")), Qt::LeftButton);
    QCOMPARE(edit->text(), QStringLiteral("/typed"));
    edit->clear();
    QVERIFY(!finish->isEnabled());
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
