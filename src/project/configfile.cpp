#include "configfile.h"

#include "xmlread.h"
#include "xmlsave.h"

#include <QDomDocument>

namespace ConfigFile {

namespace {

const QString kLanguage = QStringLiteral("Language");
const QString kWorkspace = QStringLiteral("workspaceDir");

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

bool readFlag(const QDomElement &e, const QString &name)
{
    return e.attribute(name).toInt(nullptr, 10) != 0;
}

void setLogSwitches(QDomElement &log, const AppSettings &s)
{
    log.setAttribute(QStringLiteral("showData"), flag(s.showData));
    log.setAttribute(QStringLiteral("showErrors"), flag(s.showErrors));
    log.setAttribute(QStringLiteral("showInfo"), flag(s.showInfo));
    log.setAttribute(QStringLiteral("showWarnings"), flag(s.showWarnings));
}

QDomDocument completeDocument(const QString &workspaceDir, const QString &language,
                              const AppSettings &s)
{
    QDomDocument doc = XmlSave::newDocument(QStringLiteral("config"));
    QDomElement root = doc.createElement(QStringLiteral("Config"));
    doc.appendChild(root);
    QDomElement app = doc.createElement(QStringLiteral("AppSettings"));
    app.setAttribute(kWorkspace, workspaceDir);
    app.setAttribute(kLanguage, language);
    root.appendChild(app);
    QDomElement last = doc.createElement(QStringLiteral("LastProject"));
    last.setAttribute(QStringLiteral("location"), s.projectLocation);
    last.setAttribute(QStringLiteral("name"), s.projectName);
    root.appendChild(last);
    QDomElement settings = doc.createElement(QStringLiteral("Settings"));
    QDomElement log = doc.createElement(QStringLiteral("LogSettings"));
    setLogSwitches(log, s);
    settings.appendChild(log);
    root.appendChild(settings);
    return doc;
}

void updateLastProject(QDomElement &last, const AppSettings &s)
{
    if (last.hasAttribute(QStringLiteral("name")))
        last.setAttribute(QStringLiteral("name"), s.projectName);
    if (last.hasAttribute(QStringLiteral("location")))
        last.setAttribute(QStringLiteral("location"), s.projectLocation);
}

} // namespace

QString defaultPath()
{
    return QStringLiteral("config.xml");
}

QString startupLanguage(const QString &path)
{
    QDomDocument doc;
    bool opened = false;
    if (!XmlRead::parse(path, doc, &opened))
        return opened ? QString() : QStringLiteral("eng");
    return doc.documentElement().firstChildElement(QStringLiteral("AppSettings")).attribute(kLanguage);
}

LoadResult load(const QString &path, AppSettings &settings, bool *logSwitchesRead)
{
    if (logSwitchesRead)
        *logSwitchesRead = false;
    QDomDocument doc;
    bool opened = false;
    if (!XmlRead::parse(path, doc, &opened))
        return opened ? LoadResult::Unparsable : LoadResult::Missing;

    for (QDomElement e = doc.documentElement().firstChildElement(); !e.isNull();
         e = e.nextSiblingElement()) {
        if (e.tagName() == QLatin1String("AppSettings")) {
            settings.workspaceDir = e.attribute(kWorkspace);
        } else if (e.tagName() == QLatin1String("LastProject")) {
            settings.projectName = e.attribute(QStringLiteral("name"));
            settings.projectLocation = e.attribute(QStringLiteral("location"));
        } else if (e.tagName() == QLatin1String("Settings")) {
            for (QDomElement log = e.firstChildElement(QStringLiteral("LogSettings")); !log.isNull();
                 log = log.nextSiblingElement(QStringLiteral("LogSettings"))) {
                settings.showData = readFlag(log, QStringLiteral("showData"));
                settings.showErrors = readFlag(log, QStringLiteral("showErrors"));
                settings.showInfo = readFlag(log, QStringLiteral("showInfo"));
                settings.showWarnings = readFlag(log, QStringLiteral("showWarnings"));
                if (logSwitchesRead)
                    *logSwitchesRead = true;
            }
        }
    }
    return LoadResult::Loaded;
}

QString writeFirstRun(const QString &path, const QString &workspaceDir, const QString &language)
{
    AppSettings firstRun;
    firstRun.showData = false;
    firstRun.showWarnings = false;
    return XmlSave::write(path, completeDocument(workspaceDir, language, firstRun));
}

QString save(const QString &path, const AppSettings &settings)
{
    QDomDocument doc;
    bool opened = false;
    // A missing or broken file would otherwise be replaced by an empty one,
    // losing the last project and the switches at the next start.
    if (!XmlRead::parse(path, doc, &opened))
        return XmlSave::write(path, completeDocument(settings.workspaceDir, QStringLiteral("eng"),
                                                     settings));

    for (QDomElement e = doc.documentElement().firstChildElement(); !e.isNull();
         e = e.nextSiblingElement()) {
        if (e.tagName() == QLatin1String("LastProject")) {
            updateLastProject(e, settings);
        } else if (e.tagName() == QLatin1String("Settings")) {
            for (QDomElement log = e.firstChildElement(QStringLiteral("LogSettings")); !log.isNull();
                 log = log.nextSiblingElement(QStringLiteral("LogSettings")))
                setLogSwitches(log, settings);
        }
    }
    return XmlSave::write(path, doc);
}

} // namespace ConfigFile
