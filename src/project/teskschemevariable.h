#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// One read variable of a scheme: which controller variable feeds which
// property of the scene, and how its value is decoded. Also the unit in which
// the reader and the writer hand values over.
struct TeskSchemeVariable
{
    QString device; // controller ID
    QString devVar; // variable name in the controller
    QString qmlVar; // property of the scene's root object
    QString type;   // scheme type word: int, real, logic, temp, percent
    QString value;  // at run time only; never stored

    bool operator==(const TeskSchemeVariable &o) const
    {
        return device == o.device && devVar == o.devVar && qmlVar == o.qmlVar && type == o.type
            && value == o.value;
    }
};

Q_DECLARE_METATYPE(TeskSchemeVariable)
Q_DECLARE_METATYPE(QList<TeskSchemeVariable>)
