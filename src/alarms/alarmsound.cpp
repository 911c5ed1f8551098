#include "alarmsound.h"

#include <QSoundEffect>
#include <QTimer>

namespace {

constexpr int kRepeatMs = 3000;

} // namespace

AlarmSound::AlarmSound(QObject *parent)
    : QObject(parent)
    , m_repeat(new QTimer(this))
{
    m_repeat->setInterval(kRepeatMs);
    connect(m_repeat, &QTimer::timeout, this, &AlarmSound::play);
}

void AlarmSound::setSounding(bool sounding)
{
    if (sounding == m_repeat->isActive())
        return;
    if (!sounding) {
        m_repeat->stop();
        if (m_effect)
            m_effect->stop();
        return;
    }
    m_repeat->start();
    play();
}

bool AlarmSound::isSounding() const
{
    return m_repeat->isActive();
}

void AlarmSound::play()
{
    if (!m_effect) {
        m_effect = new QSoundEffect(this);
        m_effect->setSource(QUrl(QStringLiteral("qrc:/sounds/alarm.wav")));
    }
    m_effect->play();
}
