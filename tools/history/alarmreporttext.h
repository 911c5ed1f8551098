#pragma once

#include "alarmreport.h"

#include <QString>

// An alarm report as plain English text for a terminal: a few headed
// sections with aligned columns.
namespace AlarmReportText {

QString format(const AlarmReport &report);

} // namespace AlarmReportText
