#pragma once

#include "alarmreport.h"

#include <QString>

// The alarm load as the analysis window shows it: the figures against
// their targets, the lists that say which alarms to tune.
namespace AlarmReportHtml {

QString render(const AlarmReport &report);

} // namespace AlarmReportHtml
