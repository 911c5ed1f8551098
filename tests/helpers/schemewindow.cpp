#include "schemewindow.h"

#include "logmodel.h"

#include <QQuickItem>

namespace SchemeWindow {

MainWindow *openProject(const TempWorkDir &dir, const QString &source, const QString &folder, const QByteArray &fromNet)
{
    TempWorkDir::copyTree(source, dir.filePath(folder));
    const QString devices = folder + QStringLiteral("/deviceList.xml");
    dir.write(devices, dir.read(devices).replace(fromNet, TestNet::subnet().toLatin1()));
    dir.write(QStringLiteral("config.xml"),
              QStringLiteral("<Config><AppSettings workspaceDir=\"%1\" Language=\"pl\"/>"
                             "<LastProject location=\"%2/\" name=\"%3\"/></Config>")
                  .arg(dir.path(), dir.filePath(folder), folder)
                  .toUtf8());
    auto *w = new MainWindow;
    w->resize(1294, 783);
    w->show();
    return w;
}

QStringList logTexts(const MainWindow *w, int from)
{
    QStringList out;
    for (int i = from; i < w->logModel()->entries().size(); ++i)
        out << w->logModel()->entries().at(i).text;
    return out;
}

int passes(const MainWindow *w)
{
    int n = 0;
    for (const LogEntry &e : w->logModel()->entries())
        n += e.text.startsWith(QStringLiteral("Aktualizacja zakończona"));
    return n;
}

bool answering(const MainWindow *w, const QString &deviceId)
{
    for (const ControllerStatus &s : w->reader()->controllerStatus()) {
        if (s.deviceId == deviceId)
            return s.answering;
    }
    return false;
}

QTreeWidgetItem *treeRow(const MainWindow *w, const QString &text)
{
    for (QTreeWidgetItem *item : w->treeItems()) {
        if (item->text(0) == text)
            return item;
    }
    return nullptr;
}

void choose(MainWindow *w, const QString &text)
{
    w->findChild<QTreeWidget *>(QStringLiteral("menuTree"))->setCurrentItem(treeRow(w, text));
}

bool show(MainWindow *w, const QString &text)
{
    const int before = passes(w);
    choose(w, text);
    return QTest::qWaitFor([&] { return passes(w) > before; }, 10000);
}

QObject *sceneRoot(const MainWindow *w)
{
    return w->schemeView()->rootObject();
}

void clickScene(const MainWindow *w, const QString &name)
{
    QMetaObject::invokeMethod(sceneRoot(w), "itemClicked", Q_ARG(QString, name));
}

// Spin boxes, check boxes and combo boxes take it through their user
// property; a list takes the row.
void setField(QWidget *dialog, const QString &name, const QVariant &value)
{
    QWidget *field = dialog->findChild<QWidget *>(name);
    const QMetaProperty user = field->metaObject()->userProperty();
    if (user.isValid())
        user.write(field, value);
    else
        field->setProperty("currentRow", value);
}

} // namespace SchemeWindow
