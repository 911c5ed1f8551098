#include "schemewindow.h"

#include "logmodel.h"
#include "mainwindow.h"
#include "qdeclarativezoompan.h"

#include <QMetaProperty>
#include <QQuickItem>
#include <QTreeWidget>

namespace SchemeWindow {

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
