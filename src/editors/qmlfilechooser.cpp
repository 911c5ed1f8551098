#include "qmlfilechooser.h"

#include "dialogs.h"
#include "projectpaths.h"

#include <QCoreApplication>

namespace QmlFileChooser {

QString choose(QWidget *parent, const QString &projectFolder)
{
    const QString chosen = Dialogs::openFileName(parent, QCoreApplication::translate("QmlFileChooser", "Wybierz folder"),
                                                 projectFolder, QStringLiteral("*.qml"));
    if (chosen.isEmpty())
        return QString();
    const QChar separator = ProjectPaths::separatorFor(projectFolder);
    QString path = chosen;
    path.replace(QLatin1Char('\\'), separator).replace(QLatin1Char('/'), separator);
    QString folder = projectFolder;
    folder.replace(QLatin1Char('\\'), separator).replace(QLatin1Char('/'), separator);
    if (!path.startsWith(folder)) {
        Dialogs::warning(parent, QCoreApplication::translate("QmlFileChooser", "Błąd"),
                         QCoreApplication::translate("QmlFileChooser", "Plik QML musi leżeć w folderze projektu: ")
                             + projectFolder);
        return QString();
    }
    return path.mid(folder.size());
}

} // namespace QmlFileChooser
