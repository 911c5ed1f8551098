#pragma once

#include <QStringList>

// The types of a controller variable in the order the editors' type combo
// boxes list them.
inline const QStringList &variableTypes()
{
    static const QStringList types = {QStringLiteral("int"), QStringLiteral("real"), QStringLiteral("logic"),
                                      QStringLiteral("temp"), QStringLiteral("percent")};
    return types;
}
