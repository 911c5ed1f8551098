// tesk-qml-check: loads scheme files the way the program shows them and
// tells what is wrong with them, what properties their root declares and
// which names they pass to itemClicked.

#include "qdeclarativezoompan.h"
#include "qmltext.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QMetaProperty>
#include <QQuickItem>
#include <QTextStream>
#include <QTime>

namespace {

QString qmlTypeName(const QMetaProperty &p)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("double"), QStringLiteral("real")}, {QStringLiteral("QString"), QStringLiteral("string")},
        {QStringLiteral("QColor"), QStringLiteral("color")}, {QStringLiteral("QVariant"), QStringLiteral("variant")},
        {QStringLiteral("QUrl"), QStringLiteral("url")},     {QStringLiteral("QDateTime"), QStringLiteral("date")}};
    const QString cpp = QString::fromLatin1(p.typeName());
    return names.value(cpp, cpp);
}

// The properties the scheme's own text declares on its root.
QStringList declaredProperties(const QObject *root)
{
    QStringList out;
    const QMetaObject *mo = root->metaObject();
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
        out << QString::fromLatin1(mo->property(i).name()) + QLatin1Char(' ') + qmlTypeName(mo->property(i));
    return out;
}

// Images load on their own; wait (a little) until none is loading.
void settle(QQuickItem *root)
{
    const QTime until = QTime::currentTime().addMSecs(2000);
    const auto loading = [root] {
        const auto items = root->findChildren<QQuickItem *>();
        return std::any_of(items.cbegin(), items.cend(), [](QQuickItem *i) { return i->property("status").toInt() == 2; });
    };
    while (loading() && QTime::currentTime() < until)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
}

QString pngPath(const QString &out, const QString &file, bool several)
{
    if (!several)
        return out;
    const QFileInfo o(out);
    return o.path() + QLatin1Char('/') + o.completeBaseName() + QLatin1Char('-') + QFileInfo(file).completeBaseName()
        + QStringLiteral(".png");
}

bool check(const QString &file, const QString &png, QTextStream &out)
{
    QDeclarativeZoomPan view;
    view.resize(800, 600);
    view.setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    for (const QQmlError &e : view.errors())
        out << file << ':' << e.line() << ':' << e.column() << ": " << e.description() << '\n';
    QQuickItem *root = view.rootObject();
    if (!root) {
        out << file << ": failed\n";
        return false;
    }
    out << file << ": ok\n";
    out << "  properties: " << declaredProperties(root).join(QStringLiteral(", ")) << '\n';
    out << "  itemClicked: " << QmlText::itemClickedNames(QmlText::readFile(file)).join(QStringLiteral(", ")) << '\n';
    if (!png.isEmpty()) {
        view.resize(qMax(1, int(root->width())), qMax(1, int(root->height())));
        view.show();
        settle(root);
        const bool saved = view.grabFramebuffer().save(png);
        out << "  image: " << (saved ? png : QStringLiteral("could not write ") + png) << '\n';
        return saved;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Checks Tesk-Control scheme files (QtQuick 1 QML)."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("png"), QStringLiteral("Render the scene to an image."), QStringLiteral("OUT")});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Scheme files."), QStringLiteral("FILE..."));
    parser.process(app);

    const QStringList files = parser.positionalArguments();
    QTextStream out(stdout);
    if (files.isEmpty()) {
        QTextStream(stderr) << "usage: tesk-qml-check [--png OUT] FILE...\n";
        return 2;
    }
    bool allGood = true;
    for (const QString &file : files) {
        const QString png = parser.isSet(QStringLiteral("png"))
            ? pngPath(parser.value(QStringLiteral("png")), file, files.size() > 1)
            : QString();
        allGood = check(file, png, out) && allGood;
        out.flush();
    }
    return allGood ? 0 : 1;
}
