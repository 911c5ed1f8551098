#include "loginlockout.h"

int LoginLockout::attempts()
{
    return 5;
}

int LoginLockout::lockSeconds()
{
    return 30;
}

int LoginLockout::secondsLeft(const QString &name, qint64 nowMs) const
{
    const qint64 left = m_counts.value(name).lockedUntilMs - nowMs;
    return left > 0 ? int((left + 999) / 1000) : 0;
}

bool LoginLockout::fail(const QString &name, qint64 nowMs)
{
    Count &c = m_counts[name];
    if (++c.failures < attempts())
        return false;
    c.failures = 0;
    c.lockedUntilMs = nowMs + lockSeconds() * 1000;
    return true;
}

void LoginLockout::succeed(const QString &name)
{
    m_counts.remove(name);
}
