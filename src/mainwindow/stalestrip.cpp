#include "stalestrip.h"

namespace {

QString descriptionOf(const DeviceList &devices, const QString &id)
{
    QString description;
    for (const DeviceRecord &d : devices) {
        if (d.id == id)
            description = d.description;
    }
    return description;
}

QString timeText(const QDateTime &utc)
{
    const QDateTime when = utc.toLocalTime();
    const QString format = when.date() == QDate::currentDate() ? QStringLiteral("HH:mm:ss")
                                                                : QStringLiteral("yyyy-MM-dd HH:mm:ss");
    return when.toString(format);
}

} // namespace

StaleStrip::StaleStrip(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("staleStrip"));
    setWordWrap(true);
    // Minimum: the layout gives it the height its lines take at its width.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    setStyleSheet(QStringLiteral("QLabel { background-color: #fff1c7; color: #5a3d00; border: 1px solid #e0a100;"
                                 " border-radius: 4px; padding: 4px 8px; font-weight: bold; }"));
    hide();
}

void StaleStrip::showStatus(const QList<ControllerStatus> &status, const DeviceList &devices)
{
    QStringList lines;
    for (const ControllerStatus &s : status) {
        if (s.answering)
            continue;
        QString name = s.deviceId + QStringLiteral(" ") + s.address;
        const QString description = descriptionOf(devices, s.deviceId);
        if (!description.isEmpty())
            name += QStringLiteral(" (") + description + QLatin1Char(')');
        const QString since = s.lastAnswer.isValid()
            ? tr("ostatnia poprawna odpowiedź: ") + timeText(s.lastAnswer)
            : tr("dotąd bez odpowiedzi");
        lines << failureText(s.failure) + name + QStringLiteral(", ") + since;
    }
    setText(lines.join(QLatin1Char('\n')));
    setVisible(!lines.isEmpty());
}

QString StaleStrip::failureText(ControllerStatus::Failure failure)
{
    switch (failure) {
    case ControllerStatus::Failure::BadReply:
        return tr("Sterownik odpowiada niepoprawnie: ");
    case ControllerStatus::Failure::NoValues:
        return tr("Sterownik odpowiada bez wartości: ");
    case ControllerStatus::Failure::NoAnswer:
        break;
    }
    return tr("Sterownik nie odpowiada: ");
}
