#pragma once

#include "monitoringrecord.h"

#include <QStringList>

// Whether what an editor is about to store in monitoring.xml may be stored.
// Each answer is empty when it may, else a sentence that names the field.
namespace MonitoringCheck {

// A point beside the others' IDs: its ID non-empty, of a scheme ID's
// characters and not already used; a controller and a variable chosen;
// deadband and maximum gap not below 0; each alarm as alarmProblem says.
QString pointProblem(const MonitoringPoint &point, const QStringList &otherIds);
// An alarm of a point of type pointType beside the point's other alarms:
// a kind not already used, a state only of a logic or int point, deadband
// and delays not below 0, a priority of 1 to 4, a text, and limits in
// order (lowlow <= low <= high <= highhigh).
QString alarmProblem(const AlarmDefinition &alarm, const QString &pointType, const QList<AlarmDefinition> &others);
// The kind as the editors and the alarm windows name it, a controller's
// communication alarm ("comm") included.
QString alarmKindName(const QString &kind);
// The intervals and the store.
QString settingsProblem(const MonitoringRecord &record);

// A pen's drawing: a colour "#rrggbb" (or empty: the window picks one), a
// width of 0.5 to 10 pixels, a style of "solid", "dash" or "dot".
bool isPenColour(const QString &colour);
bool isPenWidth(double width);
bool isPenStyle(const QString &style);
// A trend beside the others' names: a name not already used, 1 to 16 pens,
// each naming a point, no point twice, each drawn as the above allow.
QString trendProblem(const TrendSetRecord &trend, const QStringList &otherNames);
// Pens of the trends that name a point the record no longer has, each as
// "trend: point". They stay: the point's history is still in the store.
QStringList unmonitoredPens(const MonitoringRecord &record);

} // namespace MonitoringCheck
