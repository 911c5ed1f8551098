#include "alarmindicator.h"

#include "alarmcenter.h"
#include "alarmtablemodel.h"

AlarmIndicator::AlarmIndicator(AlarmCenter *center, QWidget *parent)
    : QToolButton(parent)
    , m_center(center)
{
    setObjectName(QStringLiteral("alarmIndicator"));
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(center, &AlarmCenter::changed, this, &AlarmIndicator::update);
    update();
}

void AlarmIndicator::update()
{
    const int unacknowledged = m_center->unacknowledgedCount();
    const int active = m_center->activeCount();
    const int priority = m_center->highestPriority();
    setText(tr("Alarmy: %1 niepotwierdzone, %2 aktywne").arg(unacknowledged).arg(active));
    setToolTip(priority == 0 ? tr("Brak alarmów") : tr("Najwyższy priorytet: %1").arg(priority));
    if (priority == 0) {
        setStyleSheet(QString());
        return;
    }
    const QColor back = AlarmTableModel::priorityColour(priority);
    setStyleSheet(QStringLiteral("QToolButton { background: %1; color: %2; font-weight: %3; padding: 1px 6px; }")
                      .arg(back.name(), priority == 1 ? QStringLiteral("white") : QStringLiteral("black"),
                           unacknowledged > 0 ? QStringLiteral("bold") : QStringLiteral("normal")));
}
