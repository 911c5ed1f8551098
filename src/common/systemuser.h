#pragma once

#include <QString>

// The name of the account the program runs under, for the journal.
namespace SystemUser {

QString name();

} // namespace SystemUser
