#include "useraction.h"

#include <QCoreApplication>

namespace UserActions {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("UserActions", text);
}

} // namespace

UserRole required(UserAction action)
{
    switch (action) {
    case UserAction::WriteValue:
    case UserAction::AcknowledgeAlarm:
    case UserAction::ShelveAlarm:
    case UserAction::Comment:
        return UserRole::Operator;
    case UserAction::EditDeviceList:
    case UserAction::DeviceEditorWrite:
    case UserAction::EditMenuTree:
    case UserAction::EditScheme:
    case UserAction::EditQml:
    case UserAction::EditMonitoring:
    case UserAction::SaveProject:
    case UserAction::SetAlarmOutOfService:
        return UserRole::Engineer;
    case UserAction::ManageUsers:
        return UserRole::Administrator;
    }
    return UserRole::Administrator;
}

QString label(UserAction action)
{
    switch (action) {
    case UserAction::WriteValue:
        return tr("Zapis wartości do sterownika");
    case UserAction::AcknowledgeAlarm:
        return tr("Potwierdzanie alarmów");
    case UserAction::ShelveAlarm:
        return tr("Odkładanie alarmów");
    case UserAction::Comment:
        return tr("Dodawanie komentarzy");
    case UserAction::EditDeviceList:
        return tr("Zmiana listy sterowników");
    case UserAction::DeviceEditorWrite:
        return tr("Zapis wartości z edytora sterownika");
    case UserAction::EditMenuTree:
        return tr("Zmiana drzewa elementów");
    case UserAction::EditScheme:
        return tr("Zmiana schematu");
    case UserAction::EditQml:
        return tr("Edycja pliku QML");
    case UserAction::EditMonitoring:
        return tr("Zmiana monitorowania");
    case UserAction::SaveProject:
        return tr("Zapis projektu");
    case UserAction::SetAlarmOutOfService:
        return tr("Wyłączanie alarmów z obsługi i włączanie ich z powrotem");
    case UserAction::ManageUsers:
        return tr("Zarządzanie użytkownikami");
    }
    return QString();
}

QString refusal(UserAction action)
{
    const UserRole needed = required(action);
    if (needed == UserRoles::all().constLast())
        return tr("%1 wymaga roli „%2”.").arg(label(action), UserRoles::label(needed));
    return tr("%1 wymaga roli „%2” lub wyższej.").arg(label(action), UserRoles::label(needed));
}

} // namespace UserActions
