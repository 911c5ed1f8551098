#include "useractivityfilter.h"

#include "usersession.h"

#include <QEvent>

UserActivityFilter::UserActivityFilter(UserSession *session)
    : QObject(session)
    , m_session(session)
{ }

bool UserActivityFilter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
        m_session->touch();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
