#include "configfile.h"

#include "projectpaths.h"
#include "xmlread.h"
#include "xmlsave.h"

#include <QDomDocument>

namespace ConfigFile {

namespace {

const QString kLanguage = QStringLiteral("Language");
const QString kWorkspace = QStringLiteral("workspaceDir");
const QString kAlarmSettings = QStringLiteral("AlarmSettings");
const QString kUserSettings = QStringLiteral("UserSettings");
const QString kIdleMinutes = QStringLiteral("idleLogoutMinutes");
const QString kStoreSettings = QStringLiteral("StoreSettings");
const QString kRecord = QStringLiteral("record");

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

const XmlSave::AttributeOrder &attributeOrder()
{
    static const XmlSave::AttributeOrder order{
        {QStringLiteral("AppSettings"), {kWorkspace, kLanguage}},
        {QStringLiteral("LastProject"), {QStringLiteral("location"), QStringLiteral("name")}},
        {QStringLiteral("LogSettings"),
         {QStringLiteral("showData"), QStringLiteral("showErrors"), QStringLiteral("showInfo"),
          QStringLiteral("showWarnings")}},
        {kAlarmSettings, {QStringLiteral("sound")}},
        {kUserSettings, {kIdleMinutes}},
        {kStoreSettings, {kRecord}}};
    return order;
}

bool readFlag(const XmlRead::ElementStream &stream, const QString &name)
{
    return stream.attribute(name).toInt(nullptr, 10) != 0;
}

void setLogSwitches(QDomElement &log, const AppSettings &s)
{
    log.setAttribute(QStringLiteral("showData"), flag(s.showData));
    log.setAttribute(QStringLiteral("showErrors"), flag(s.showErrors));
    log.setAttribute(QStringLiteral("showInfo"), flag(s.showInfo));
    log.setAttribute(QStringLiteral("showWarnings"), flag(s.showWarnings));
}

// The element is written only once the sound has been turned off, so that
// a file from before alarms keeps its bytes.
void setAlarmSound(QDomDocument &doc, QDomElement &settingsElement, const AppSettings &s)
{
    QDomElement alarms = settingsElement.firstChildElement(kAlarmSettings);
    if (alarms.isNull()) {
        if (s.alarmSound)
            return;
        alarms = doc.createElement(kAlarmSettings);
        settingsElement.appendChild(alarms);
    }
    alarms.setAttribute(QStringLiteral("sound"), flag(s.alarmSound));
}

// Likewise written once the time differs from the default.
void setIdleLogout(QDomDocument &doc, QDomElement &settingsElement, const AppSettings &s)
{
    QDomElement users = settingsElement.firstChildElement(kUserSettings);
    if (users.isNull()) {
        if (s.idleLogoutMinutes == AppSettings().idleLogoutMinutes)
            return;
        users = doc.createElement(kUserSettings);
        settingsElement.appendChild(users);
    }
    users.setAttribute(kIdleMinutes, s.idleLogoutMinutes);
}

// Likewise written once the station may no longer record.
void setMayRecord(QDomDocument &doc, QDomElement &settingsElement, const AppSettings &s)
{
    QDomElement store = settingsElement.firstChildElement(kStoreSettings);
    if (store.isNull()) {
        if (s.mayRecord)
            return;
        store = doc.createElement(kStoreSettings);
        settingsElement.appendChild(store);
    }
    store.setAttribute(kRecord, flag(s.mayRecord));
}

// The choices of the settings dialog, each written once it differs from
// its default.
void setChoices(QDomDocument &doc, QDomElement &settingsElement, const AppSettings &s)
{
    setAlarmSound(doc, settingsElement, s);
    setIdleLogout(doc, settingsElement, s);
    setMayRecord(doc, settingsElement, s);
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
    setChoices(doc, settings, s);
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
    QString language;
    XmlRead::ElementStream stream(path);
    while (stream.next()) {
        // The later of two AppSettings wins, as it does for the workspace.
        if (stream.depth() == 2 && stream.name() == QLatin1String("AppSettings"))
            language = stream.attribute(kLanguage);
    }
    switch (stream.status()) {
    case XmlRead::Status::Missing:
        return QStringLiteral("eng");
    case XmlRead::Status::Unreadable:
        return QString();
    case XmlRead::Status::Read:
        break;
    }
    return language;
}

LoadResult load(const QString &path, AppSettings &settings, bool *logSwitchesRead)
{
    AppSettings read = settings;
    bool switchesRead = false;
    bool inSettings = false;
    XmlRead::ElementStream stream(path);
    while (stream.next()) {
        if (stream.depth() == 2) {
            inSettings = stream.name() == QLatin1String("Settings");
            if (stream.name() == QLatin1String("AppSettings")) {
                read.workspaceDir = stream.attribute(kWorkspace);
            } else if (stream.name() == QLatin1String("LastProject")) {
                read.projectName = stream.attribute(QStringLiteral("name"));
                read.projectLocation = ProjectPaths::asLocation(stream.attribute(QStringLiteral("location")));
            }
        } else if (stream.depth() == 3 && inSettings && stream.name() == QLatin1String("LogSettings")) {
            read.showData = readFlag(stream, QStringLiteral("showData"));
            read.showErrors = readFlag(stream, QStringLiteral("showErrors"));
            read.showInfo = readFlag(stream, QStringLiteral("showInfo"));
            read.showWarnings = readFlag(stream, QStringLiteral("showWarnings"));
            switchesRead = true;
        } else if (stream.depth() == 3 && inSettings && stream.name() == kAlarmSettings) {
            read.alarmSound = readFlag(stream, QStringLiteral("sound"));
        } else if (stream.depth() == 3 && inSettings && stream.name() == kUserSettings) {
            bool ok = false;
            const int minutes = stream.attribute(kIdleMinutes).toInt(&ok, 10);
            if (ok && minutes >= AppSettings::kLeastIdleMinutes && minutes <= AppSettings::kMostIdleMinutes)
                read.idleLogoutMinutes = minutes;
        } else if (stream.depth() == 3 && inSettings && stream.name() == kStoreSettings) {
            read.mayRecord = readFlag(stream, kRecord);
        }
    }
    if (logSwitchesRead)
        *logSwitchesRead = false;
    switch (stream.status()) {
    case XmlRead::Status::Missing:
        return LoadResult::Missing;
    case XmlRead::Status::Unreadable:
        return LoadResult::Unparsable;
    case XmlRead::Status::Read:
        break;
    }
    settings = read;
    if (logSwitchesRead)
        *logSwitchesRead = switchesRead;
    return LoadResult::Loaded;
}

QString writeFirstRun(const QString &path, const QString &workspaceDir, const QString &language)
{
    AppSettings firstRun;
    firstRun.showData = false;
    firstRun.showWarnings = false;
    return XmlSave::write(path, completeDocument(workspaceDir, language, firstRun), attributeOrder());
}

QString save(const QString &path, const AppSettings &settings)
{
    QDomDocument doc;
    // A missing or broken file would otherwise be replaced by an empty one,
    // losing the last project and the switches at the next start.
    if (XmlRead::parse(path, doc) != XmlRead::Status::Read)
        return XmlSave::write(path, completeDocument(settings.workspaceDir, QStringLiteral("eng"), settings),
                              attributeOrder());

    QDomElement app;
    bool settingsSeen = false;
    for (QDomElement e = doc.documentElement().firstChildElement(); !e.isNull();
         e = e.nextSiblingElement()) {
        if (e.tagName() == QLatin1String("AppSettings")) {
            app = e;
        } else if (e.tagName() == QLatin1String("LastProject")) {
            updateLastProject(e, settings);
        } else if (e.tagName() == QLatin1String("Settings")) {
            for (QDomElement log = e.firstChildElement(QStringLiteral("LogSettings")); !log.isNull();
                 log = log.nextSiblingElement(QStringLiteral("LogSettings")))
                setLogSwitches(log, settings);
            setChoices(doc, e, settings);
            settingsSeen = true;
        }
    }
    // A file without Settings gets them once a choice differs from its
    // default, so that the choice is not lost at the next start.
    if (!settingsSeen && (!settings.alarmSound || settings.idleLogoutMinutes != AppSettings().idleLogoutMinutes
                          || !settings.mayRecord)) {
        QDomElement e = doc.createElement(QStringLiteral("Settings"));
        doc.documentElement().appendChild(e);
        setChoices(doc, e, settings);
    }
    // The workspace may have been chosen since the start; the element it was
    // read from takes it.
    if (!app.isNull() && app.attribute(kWorkspace) != settings.workspaceDir)
        app.setAttribute(kWorkspace, settings.workspaceDir);
    return XmlSave::write(path, doc, attributeOrder());
}

} // namespace ConfigFile
