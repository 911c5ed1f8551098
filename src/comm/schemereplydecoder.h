#pragma once

#include "replymatcher.h"
#include "teskschemevariable.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QVector>

// The read variables of a scheme grouped by controller, and how one
// controller's values reply becomes the values of its variables.
class SchemeReplyDecoder
{
public:
    // One finding for a variable: a decoded value, or the variable missing
    // from the reply.
    struct Report
    {
        int variable; // index into the read variables
        bool present;
        QString value;
    };

    SchemeReplyDecoder() = default;
    explicit SchemeReplyDecoder(const QList<TeskSchemeVariable> &variables);

    // The controller's variables in scheme order, each with its decoded
    // values in reply order and then, when it has no candidate at all, its
    // absence. Undecoded types give no value.
    QVector<Report> decode(const QString &deviceId, const QVector<QStringRef> &parts) const;

    const TeskSchemeVariable &variable(int index) const { return m_variables.at(index); }
    // The distinct property names, sorted: a value map is built in this order.
    const QStringList &sortedProperties() const { return m_sortedProperties; }
    // Where the variable's property stands among the sorted properties.
    int propertyOf(int variable) const { return m_propertyOf.at(variable); }

private:
    struct DeviceVariables
    {
        QVector<int> variables; // indices into the read variables
        ReplyMatcher matcher;   // over their controller names, same order
    };

    QList<TeskSchemeVariable> m_variables;
    QHash<QString, DeviceVariables> m_byDevice;
    QStringList m_sortedProperties;
    QVector<int> m_propertyOf; // per read variable
};
