#include "walkthrough.h"

#include "codeeditor.h"
#include "deviceaddedit.h"
#include "devicemanagement.h"
#include "dialogs.h"
#include "eventaddedit.h"
#include "eventitemaddedit.h"
#include "mainwindow.h"
#include "newproject.h"
#include "schemeaddedit.h"
#include "schemesmanagement.h"
#include "schemevariables.h"
#include "teskdesigner.h"
#include "variableaddedit.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const char *const kScheme =
    "import QtQuick 1.1\n\n"
    "Rectangle {\n"
    "    id: root\n"
    "    width: 420\n"
    "    height: 260\n"
    "    color: \"#f4f6f8\"\n"
    "    property real temperatura: 0\n"
    "    signal itemClicked(string name)\n\n"
    "    Text { x: 24; y: 20; text: \"Kocioł 1 - zasilanie\"; font.pixelSize: 22; font.bold: true }\n"
    "    Text { x: 24; y: 70; text: root.temperatura.toFixed(1) + \" °C\"; font.pixelSize: 44; color: \"#d64545\" }\n"
    "    Rectangle {\n"
    "        x: 24; y: 170; width: 180; height: 54; radius: 8; color: \"#3a86d4\"\n"
    "        Text { anchors.centerIn: parent; text: \"Palnik\"; color: \"white\"; font.pixelSize: 20 }\n"
    "        MouseArea {\n"
    "            anchors.fill: parent\n"
    "            onClicked: root.itemClicked(\"palnik\")\n"
    "        }\n"
    "    }\n"
    "}\n";

template<typename T>
T *modal()
{
    return qobject_cast<T *>(QApplication::activeModalWidget());
}

template<typename T>
T *child(QWidget *w, const char *name)
{
    return w->findChild<T *>(QString::fromLatin1(name), Qt::FindChildrenRecursively);
}

// A dialog's own button, not one of a dialog it holds.
QPushButton *ownButton(QWidget *w, const char *name)
{
    return w->findChild<QPushButton *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

// Ready once the dialog of that type is up and the combo offers something:
// the names the controller was asked for have come.
template<typename T>
std::function<bool()> offers(const char *combo)
{
    return [combo] {
        T *d = modal<T>();
        return d && child<QComboBox>(d, combo)->count() > 0;
    };
}

void later(const std::function<void()> &f)
{
    QTimer::singleShot(0, f);
}

} // namespace

Walkthrough::Walkthrough(MainWindow &window, const QString &folder, QTextStream &out)
    : m_window(window)
    , m_folder(folder)
    , m_out(out)
{
    buildSteps();
    connect(&m_poll, &QTimer::timeout, this, [this] { poll(); });
    m_poll.start(150);
}

void Walkthrough::poll()
{
    if (done()) {
        m_poll.stop();
        return;
    }
    const Step &step = m_steps.at(m_step);
    if (!step.ready())
        return;
    ++m_step;
    step.act();
}

void Walkthrough::shoot(QWidget *widget, const char *name)
{
    const QString path = m_folder + QLatin1Char('/') + QLatin1String(name);
    const bool saved = widget->grab().save(path);
    m_ok = saved && m_ok;
    m_out << (saved ? "wrote " : "could not write ") << path << '\n';
    m_out.flush();
}

void Walkthrough::buildSteps()
{
    buildProjectSteps();
    buildMenuSteps();
    buildBindingSteps();
    buildEventSteps();
}

void Walkthrough::buildProjectSteps()
{
    const auto noModal = [] { return !QApplication::activeModalWidget(); };
    m_steps << Step{noModal, [this] { later([this] { m_window.menuNewProject(); }); }};
    m_steps << Step{[] { return modal<NewProject>(); }, [this] {
                        NewProject *d = modal<NewProject>();
                        child<QLineEdit>(d, "lineEdit")->setText(QStringLiteral("Mała kotłownia"));
                        child<QLineEdit>(d, "lineEdit_3")->setText(QStringLiteral("Serwis"));
                        shoot(d, "walk-1-new-project.png");
                        child<QPushButton>(d, "okButton")->click();
                    }};
    m_steps << Step{noModal, [this] { later([this] { m_window.menuShowDeviceManagemenetDialog(); }); }};
    m_steps << Step{[] { return modal<deviceManagement>(); },
                    [] { later([] { child<QPushButton>(modal<deviceManagement>(), "addDeviceButton")->click(); }); }};
    m_steps << Step{[] { return modal<deviceAddEdit>(); }, [] {
                        deviceAddEdit *d = modal<deviceAddEdit>();
                        d->setDeviceFields({QStringLiteral("127.0.0.2"), QStringLiteral("Sterownik kotłowni"),
                                            QStringLiteral("KOT"), QStringLiteral("16483")});
                        d->on_lineEdit_editingFinished();
                    }};
    m_steps << Step{[] {
                        deviceAddEdit *d = modal<deviceAddEdit>();
                        return d && !child<QProgressBar>(d, "dataReadProgressBar")->isVisible();
                    },
                    [this] {
                        deviceAddEdit *d = modal<deviceAddEdit>();
                        d->resize(820, 560);
                        child<QTabWidget>(d, "tabWidget")->setCurrentIndex(1);
                        shoot(d, "walk-2-controller.png");
                        child<QPushButton>(d, "pushButton")->click();
                    }};
    m_steps << Step{[] { return modal<deviceManagement>(); },
                    [] { child<QPushButton>(modal<deviceManagement>(), "saveButton")->click(); }};
    m_steps << Step{noModal, [this] {
                        TeskDesigner *designer = m_window.designer();
                        designer->show();
                        designer->newFile();
                        designer->currentEditor()->setPlainText(QString::fromUtf8(kScheme));
                        shoot(designer, "walk-3-qml-editor.png");
                        Dialogs::presetPath(m_window.project().location + QStringLiteral("kociol.qml"));
                        designer->saveFile();
                        designer->hide();
                    }};
}

void Walkthrough::buildMenuSteps()
{
    m_steps << Step{[] { return !QApplication::activeModalWidget(); },
                    [this] { later([this] { m_window.menuShowSchemesManagementDialog(); }); }};
    m_steps << Step{[] { return modal<schemesManagement>(); },
                    [] { later([] { ownButton(modal<schemesManagement>(), "schemeAddBtn")->click(); }); }};
    m_steps << Step{[] { return modal<schemeAddEdit>(); }, [] {
                        schemeAddEdit *d = modal<schemeAddEdit>();
                        child<QComboBox>(d, "comboBox")->setCurrentIndex(0);
                        child<QLineEdit>(d, "groupName")->setText(QStringLiteral("Kotłownia"));
                        child<QPushButton>(d, "okBtn")->click();
                    }};
    m_steps << Step{[] { schemesManagement *d = modal<schemesManagement>(); return d && d->menuRecords().size() == 1; },
                    [] {
                        schemesManagement *d = modal<schemesManagement>();
                        auto *tree = child<QTreeWidget>(d, "treeWidget");
                        tree->setCurrentItem(tree->topLevelItem(0));
                        emit tree->itemClicked(tree->topLevelItem(0), 0);
                        later([] { ownButton(modal<schemesManagement>(), "schemeAddBtn")->click(); });
                    }};
    m_steps << Step{[] { return modal<schemeAddEdit>(); }, [this] {
                        schemeAddEdit *d = modal<schemeAddEdit>();
                        child<QComboBox>(d, "comboBox")->setCurrentIndex(1);
                        child<QLineEdit>(d, "schemeId")->setText(QStringLiteral("kociol"));
                        child<QLineEdit>(d, "schemeName")->setText(QStringLiteral("Kocioł 1"));
                        Dialogs::presetPath(m_window.project().location + QStringLiteral("kociol.qml"));
                        child<QToolButton>(d, "toolButton")->click();
                        shoot(d, "walk-4-scheme.png");
                        child<QPushButton>(d, "okBtn")->click();
                    }};
}

void Walkthrough::buildBindingSteps()
{
    m_steps << Step{[] { schemesManagement *d = modal<schemesManagement>(); return d && d->menuRecords().size() == 2; },
                    [this] {
                        schemesManagement *d = modal<schemesManagement>();
                        auto *tree = child<QTreeWidget>(d, "treeWidget");
                        tree->expandAll();
                        shoot(d, "walk-5-menu-tree.png");
                        QTreeWidgetItem *scheme = tree->topLevelItem(0)->child(0);
                        tree->setCurrentItem(scheme);
                        emit tree->itemClicked(scheme, 0);
                        later([tree, scheme] { emit tree->itemDoubleClicked(scheme, 0); });
                    }};
    m_steps << Step{[] { return modal<schemeVariables>(); }, [] {
                        schemeVariables *d = modal<schemeVariables>();
                        child<QTabWidget>(d, "tabWidget")->setCurrentIndex(1);
                        later([] { ownButton(modal<schemeVariables>(), "addBtn")->click(); });
                    }};
    m_steps << Step{[] { return modal<variableAddEdit>(); },
                    [] { child<QComboBox>(modal<variableAddEdit>(), "deviceCombo")->setCurrentIndex(0); }};
    m_steps << Step{offers<variableAddEdit>("devVarCombo"), [this] {
                        variableAddEdit *d = modal<variableAddEdit>();
                        child<QComboBox>(d, "devVarCombo")->setCurrentText(QStringLiteral("kot1.t_zas"));
                        child<QComboBox>(d, "qmlVarCombo")->setCurrentText(QStringLiteral("temperatura"));
                        child<QComboBox>(d, "comboBox")->setCurrentIndex(3);
                        shoot(d, "walk-6-variable.png");
                        ownButton(d, "saveBtn")->click();
                    }};
}

void Walkthrough::buildEventSteps()
{
    m_steps << Step{[] { schemeVariables *d = modal<schemeVariables>(); return d && d->readVariables().size() == 1; },
                    [] {
                        schemeVariables *d = modal<schemeVariables>();
                        child<QTabWidget>(d, "tabWidget")->setCurrentIndex(2);
                        later([] { ownButton(modal<schemeVariables>(), "addBtn")->click(); });
                    }};
    m_steps << Step{[] { return modal<EventAddEdit>(); },
                    [] { later([] { ownButton(modal<EventAddEdit>(), "addButton")->click(); }); }};
    m_steps << Step{[] { return modal<EventItemAddEdit>(); }, [] {
                        EventItemAddEdit *d = modal<EventItemAddEdit>();
                        child<QComboBox>(d, "typeCombo")->setCurrentIndex(2);
                        child<QComboBox>(d, "comboBox_2")->setCurrentIndex(0);
                    }};
    m_steps << Step{offers<EventItemAddEdit>("comboBox_3"), [this] {
                        EventItemAddEdit *d = modal<EventItemAddEdit>();
                        child<QComboBox>(d, "comboBox_3")->setCurrentText(QStringLiteral("kot1.palnik"));
                        child<QLineEdit>(d, "lineEdit")->setText(QStringLiteral("Palnik kotła 1"));
                        shoot(d, "walk-7-event-item.png");
                        ownButton(d, "okButton")->click();
                    }};
    m_steps << Step{[] { EventAddEdit *d = modal<EventAddEdit>(); return d && d->event().items.size() == 1; },
                    [this] {
                        EventAddEdit *d = modal<EventAddEdit>();
                        shoot(d, "walk-8-event.png");
                        ownButton(d, "okButton")->click();
                    }};
    m_steps << Step{[] { schemeVariables *d = modal<schemeVariables>(); return d && d->events().size() == 1; },
                    [this] {
                        schemeVariables *d = modal<schemeVariables>();
                        shoot(d, "walk-9-scheme-events.png");
                        ownButton(d, "saveBtn")->click();
                    }};
    m_steps << Step{[] { return modal<schemesManagement>(); },
                    [] { ownButton(modal<schemesManagement>(), "pushButton_2")->click(); }};
    m_steps << Step{[] { return !QApplication::activeModalWidget(); }, [this] {
                        m_window.menuSaveProject();
                        auto *tree = m_window.findChild<QTreeWidget *>(QStringLiteral("menuTree"));
                        tree->expandAll();
                        for (QTreeWidgetItem *item : m_window.treeItems()) {
                            if (item->text(0) == QStringLiteral("Kocioł 1"))
                                tree->setCurrentItem(item);
                        }
                    }};
}
