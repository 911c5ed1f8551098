// A project folder, given as files each after a line "== NAME": every
// reader, a save into the same folder, and a second read. The save must stay
// inside the folder and give back what was read.
#include "configfile.h"
#include "fuzzcheck.h"
#include "project.h"
#include "qmltext.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzApplication();
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9_-][A-Za-z0-9_.-]{0,40}$"));
    QTemporaryDir sandbox;
    const QString folder = sandbox.filePath(QStringLiteral("p/"));
    QDir().mkpath(folder);
    QFile file;
    for (const QByteArray &line : QByteArray(reinterpret_cast<const char *>(data), int(size)).split('\n')) {
        const QString name = QString::fromLatin1(line.mid(3));
        if (line.startsWith("== ") && plainName.match(name).hasMatch()) {
            file.close();
            file.setFileName(folder + name);
            FUZZ_CHECK(file.open(QIODevice::Append));
        } else if (file.isOpen()) {
            QmlText::propertyNames(QString::fromUtf8(line));
            QmlText::itemClickedNames(QString::fromUtf8(line));
            FUZZ_CHECK(file.write(line + '\n') == line.size() + 1);
        }
    }
    file.close();

    Project first, second;
    first.load(folder);
    AppSettings settings, again;
    const QString config = folder + QStringLiteral("config.xml");
    ConfigFile::load(config, settings);
    ConfigFile::startupLanguage(config);
    first.save(QStringLiteral("v 0.8.12"));
    FUZZ_CHECK(ConfigFile::save(config, settings).isEmpty());
    FUZZ_CHECK(QDir(sandbox.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
               == QStringList{QStringLiteral("p")});
    FUZZ_CHECK(QDir(folder).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());

    second.load(folder);
    FUZZ_CHECK(second.devices == first.devices);
    FUZZ_CHECK(second.menu.size() == first.menu.size()
               && std::is_permutation(first.menu.cbegin(), first.menu.cend(), second.menu.cbegin()));
    ProjectInfo expected = first.info;
    expected.revision = second.info.revision;
    expected.teskVersion = second.info.teskVersion;
    FUZZ_CHECK(second.info == expected);
    ConfigFile::load(config, again);
    FUZZ_CHECK(again.workspaceDir == settings.workspaceDir && again.projectName == settings.projectName
               && again.projectLocation == settings.projectLocation && again.showData == settings.showData
               && again.showErrors == settings.showErrors && again.showInfo == settings.showInfo
               && again.showWarnings == settings.showWarnings);
    return 0;
}
