#pragma once

#include <QMetaType>
#include <QString>

// The answer to a login.
struct LoginResult
{
    enum class Status {
        Ok,
        WrongNameOrPassword, // which of the two is not told
        Locked, // too many failures: refused, even with the right password
        Unusable, // the user's entry is damaged (see UserRecord::Problem)
    };
    QString name;
    Status status = Status::WrongNameOrPassword;
    int secondsLeft = 0; // Locked: until the name may try again

    bool operator==(const LoginResult &o) const
    {
        return name == o.name && status == o.status && secondsLeft == o.secondsLeft;
    }
};

Q_DECLARE_METATYPE(LoginResult)
