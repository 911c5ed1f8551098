#pragma once

#include <QObject>

class UserSession;

// Tells the session of the user's activity: installed on the application,
// every key, click, wheel turn or mouse move in any of its windows counts.
class UserActivityFilter : public QObject
{
    Q_OBJECT

public:
    explicit UserActivityFilter(UserSession *session);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    UserSession *m_session;
};
