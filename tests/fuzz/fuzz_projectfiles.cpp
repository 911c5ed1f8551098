// A project folder, given as files each after a line "== NAME": every
// reader, a save into the same folder, and a second read. The save must stay
// inside the folder, give back what was read, and leave every file it does
// not write as it was. "=> NAME" makes a link to a file outside the folder
// holding the lines that follow (a dangling one when none do), "=| NAME" a
// named pipe.
#include "configfile.h"
#include "fuzzcheck.h"
#include "project.h"
#include "qmltext.h"
#include "schemefile.h"

#include <QDir>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>

#include <sys/stat.h>

namespace {

// Per name: 'f' and the bytes of a regular file, 'l' and the target of a
// link, 'o' for anything else.
using Snapshot = QMap<QString, QByteArray>;

Snapshot snapshot(const QString &folder)
{
    Snapshot out;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
        QFile file(info.filePath());
        if (info.isSymLink())
            out.insert(info.fileName(), 'l' + info.symLinkTarget().toUtf8());
        else if (info.isFile() && file.open(QIODevice::ReadOnly))
            out.insert(info.fileName(), 'f' + file.readAll());
        else
            out.insert(info.fileName(), "o");
    }
    return out;
}

// Lays out the folder the input describes; the first use of a name counts.
void layOut(const QByteArray &input, const QString &folder, const QString &outside)
{
    static const QRegularExpression header(QStringLiteral("^=([=>|]) ([A-Za-z0-9_-][A-Za-z0-9_.-]{0,40})$"));
    QSet<QString> used;
    QFile file;
    for (const QByteArray &line : input.split('\n')) {
        const QRegularExpressionMatch match = header.match(QString::fromLatin1(line));
        const QString name = match.captured(2);
        if (match.hasMatch() && !used.contains(name)) {
            used.insert(name);
            const QChar kind = match.captured(1).at(0);
            file.close();
            file.setFileName(kind == '|' ? QString() : kind == '>' ? outside + name : folder + name);
            if (kind == '|')
                FUZZ_CHECK(mkfifo(QFile::encodeName(folder + name).constData(), 0600) == 0);
            else if (kind == '>')
                FUZZ_CHECK(QFile::link(outside + name, folder + name));
            else
                FUZZ_CHECK(file.open(QIODevice::Append));
        } else if (!file.fileName().isEmpty()) {
            QmlText::propertyNames(QString::fromUtf8(line));
            QmlText::itemClickedNames(QString::fromUtf8(line));
            FUZZ_CHECK(file.isOpen() || file.open(QIODevice::Append));
            FUZZ_CHECK(file.write(line + '\n') == line.size() + 1);
        }
    }
}

// The files a save may replace: the project's own and the definitions of
// its schemes.
bool mayReplace(const QString &name, const Project &project)
{
    static const QStringList own{QStringLiteral("project.xml"), QStringLiteral("deviceList.xml"),
                                 QStringLiteral("menuList.xml"), QStringLiteral("config.xml")};
    return own.contains(name) || std::any_of(project.menu.cbegin(), project.menu.cend(), [&](const MenuItemRecord &r) {
               return r.isScheme() && SchemeFile::isValidSchemeId(r.id) && name == r.id + QStringLiteral(".xml");
           });
}

// And those it may make besides: the copies of the files it could not read.
bool mayMake(const QString &name, const Project &project, const QStringList &unreadable)
{
    return mayReplace(name, project) || std::any_of(unreadable.cbegin(), unreadable.cend(), [&](const QString &path) {
               return name.startsWith(QFileInfo(path).fileName() + QStringLiteral(".unreadable"));
           });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzApplication();
    QTemporaryDir sandbox;
    const QString folder = sandbox.filePath(QStringLiteral("p/"));
    const QString outside = sandbox.filePath(QStringLiteral("outside/"));
    QDir().mkpath(folder);
    QDir().mkpath(outside);
    layOut(QByteArray(reinterpret_cast<const char *>(data), int(size)), folder, outside);
    const Snapshot before = snapshot(folder);
    const Snapshot outsideBefore = snapshot(outside);

    Project first, second;
    first.load(folder);
    const QStringList unreadable = first.unreadable;
    AppSettings settings, again;
    const QString config = folder + QStringLiteral("config.xml");
    ConfigFile::load(config, settings);
    ConfigFile::startupLanguage(config);
    first.save(QStringLiteral("v 0.8.12"));
    // Only a regular file is replaced, or none at all.
    FUZZ_CHECK(ConfigFile::save(config, settings).isEmpty() || !before.value(QStringLiteral("config.xml"), "f").startsWith('f'));
    FUZZ_CHECK(QDir(sandbox.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
               == QStringList({QStringLiteral("outside"), QStringLiteral("p")}));
    FUZZ_CHECK(snapshot(outside) == outsideBefore);
    const Snapshot after = snapshot(folder);
    for (auto e = before.cbegin(); e != before.cend(); ++e) {
        FUZZ_CHECK(after.contains(e.key()));
        const QByteArray now = after.value(e.key());
        FUZZ_CHECK(now == e.value() || (e.value().startsWith('f') && now.startsWith('f') && mayReplace(e.key(), first)));
    }
    for (auto e = after.cbegin(); e != after.cend(); ++e)
        FUZZ_CHECK(before.contains(e.key()) || (e.value().startsWith('f') && mayMake(e.key(), first, unreadable)));

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
