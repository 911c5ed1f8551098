#include "startup.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace Startup {

namespace {

bool loadProgramTranslation(QTranslator &translator, const QString &languageCode)
{
    const QString name = QStringLiteral("tesk_control_") + languageCode;
    // Sites keep their own lang/ beside config.xml; it wins over the installed one.
    return translator.load(QStringLiteral("lang/") + name)
        || translator.load(name, QDir::cleanPath(QCoreApplication::applicationDirPath()
                                                 + QStringLiteral("/" TESK_LANG_FROM_BIN)));
}

// Qt's catalogues are named by the two-letter code.
QString qtLanguage(const QString &languageCode)
{
    return languageCode == QLatin1String("eng") ? QStringLiteral("en") : languageCode;
}

} // namespace

bool installTranslation(QCoreApplication &app, const QString &languageCode)
{
    auto *translator = new QTranslator(&app);
    const bool loaded = !languageCode.isEmpty() && loadProgramTranslation(*translator, languageCode);
    app.installTranslator(translator);

    auto *qtTranslator = new QTranslator(&app);
    qtTranslator->load(QStringLiteral("qt_") + qtLanguage(loaded ? languageCode : QStringLiteral("pl")),
                       QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    app.installTranslator(qtTranslator);

    // Tells a technician which files the interface was taken from.
    QStringList files{translator->filePath(), qtTranslator->filePath()};
    files.removeAll(QString());
    qInfo().noquote() << QCoreApplication::translate("Startup", "Język interfejsu: polski")
                      << QLatin1Char('(') + files.join(QStringLiteral(", ")) + QLatin1Char(')');
    return loaded;
}

bool shouldMaximize(int desktopHeight)
{
    return desktopHeight - 1 <= 767;
}

} // namespace Startup
