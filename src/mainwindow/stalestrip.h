#pragma once

#include "controllerstatus.h"
#include "devicerecord.h"

#include <QLabel>

// A strip over the scheme view naming each controller that did not answer in
// the last pass, with the time of its last good answer: the values it feeds
// are not live. Hidden while every controller answers.
class StaleStrip : public QLabel
{
    Q_OBJECT

public:
    explicit StaleStrip(QWidget *parent = nullptr);

    void showStatus(const QList<ControllerStatus> &status, const DeviceList &devices);
    // How a line about a controller that is not answering begins: what
    // happened, up to the colon before its name.
    static QString failureText(ControllerStatus::Failure failure);
};
