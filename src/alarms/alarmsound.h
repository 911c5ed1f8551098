#pragma once

#include <QObject>

class QSoundEffect;
class QTimer;

// The alarm tone, played again every few seconds while it is wanted.
class AlarmSound : public QObject
{
    Q_OBJECT

public:
    explicit AlarmSound(QObject *parent = nullptr);

    void setSounding(bool sounding);
    bool isSounding() const;

private:
    void play();

    QSoundEffect *m_effect = nullptr; // made when first played
    QTimer *m_repeat;
};
