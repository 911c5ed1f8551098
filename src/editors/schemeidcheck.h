#pragma once

#include <QString>

class QWidget;

// The one place an editor asks whether a typed scheme ID may be stored: the
// ID names the scheme's file in the project folder. A refused ID is
// explained to the operator in a message box.
namespace SchemeIdCheck {

bool accept(QWidget *parent, const QString &id);

} // namespace SchemeIdCheck
