#pragma once

#include "monitoringrecord.h"

#include <QStringList>

// Whether what an editor is about to store in monitoring.xml may be stored.
// Each answer is empty when it may, else a sentence that names the field.
namespace MonitoringCheck {

// A point beside the others' IDs: its ID non-empty, of a scheme ID's
// characters and not already used; a controller and a variable chosen;
// deadband and maximum gap not below 0.
QString pointProblem(const MonitoringPoint &point, const QStringList &otherIds);
// The intervals and the store.
QString settingsProblem(const MonitoringRecord &record);

} // namespace MonitoringCheck
