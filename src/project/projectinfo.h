#pragma once

#include <QString>

// What project.xml holds: the project's information and its SIP account.
struct ProjectInfo
{
    QString name;
    QString author;
    QString revision;    // a decimal integer: the save counter
    QString teskVersion; // version of the program that last wrote the file
    bool sipEnabled = false;
    QString sipServer;
    QString sipNumber;
    QString sipPassword;
    QString sipUserName;

    bool operator==(const ProjectInfo &o) const
    {
        return name == o.name && author == o.author && revision == o.revision && teskVersion == o.teskVersion
            && sipEnabled == o.sipEnabled && sipServer == o.sipServer && sipNumber == o.sipNumber
            && sipPassword == o.sipPassword && sipUserName == o.sipUserName;
    }
};
