#pragma once

#include <QString>

// A number typed in an editor: a decimal comma is taken as well as a
// point, and only a finite number is one.
namespace DecimalText {

bool parse(const QString &text, double *value);

} // namespace DecimalText
