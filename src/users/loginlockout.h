#pragma once

#include <QHash>
#include <QString>

// Failed logins counted per name, whether a user has it or not (so that a
// lock does not tell which names exist): five in a row lock the name for
// 30 seconds, and the count starts anew with the lock.
class LoginLockout
{
public:
    static int attempts();
    static int lockSeconds();

    // The seconds name stays locked at nowMs, rounded up; 0 when it is not.
    int secondsLeft(const QString &name, qint64 nowMs) const;

    // Counts a failed login; true when it locks the name.
    bool fail(const QString &name, qint64 nowMs);
    void succeed(const QString &name);

private:
    struct Count
    {
        int failures = 0;
        qint64 lockedUntilMs = 0;
    };
    QHash<QString, Count> m_counts;
};
