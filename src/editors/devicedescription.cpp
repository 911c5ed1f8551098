#include "devicedescription.h"

#include "commandlanguage.h"

namespace {

void applyAttribute(DeviceParameter &p, const QString &attribute, const QString &value)
{
    if (attribute == QLatin1String("type")) {
        p.type = value;
    } else if (attribute == QLatin1String("modify")) {
        p.modify = value.toInt(nullptr, 10) != 0;
    } else if (attribute == QLatin1String("max")) {
        p.max = value.toInt(nullptr, 10);
        p.hasMax = true;
    } else if (attribute == QLatin1String("min")) {
        p.min = value.toInt(nullptr, 10);
        p.hasMin = true;
    }
}

} // namespace

DeviceDescription DeviceDescription::parse(const QStringList &entries)
{
    DeviceDescription d;
    DeviceParameter current;
    bool collecting = false;
    for (const QString &entry : entries) {
        const QString key = CommandLanguage::entryKey(entry);
        if (key.contains(QLatin1Char('.'))) {
            const QString group = key.section(QLatin1Char('.'), 0, 0);
            if (!d.groups.contains(group))
                d.groups << group;
        }
        const int dot = key.lastIndexOf(QLatin1Char('.'));
        if (dot <= 0)
            continue;
        const QString name = key.left(dot);
        if (collecting && name != current.name) {
            d.parameters << current;
            current = DeviceParameter();
        }
        current.name = name;
        collecting = true;
        applyAttribute(current, key.mid(dot + 1), CommandLanguage::entryValue(entry));
    }
    if (collecting)
        d.parameters << current;
    return d;
}
