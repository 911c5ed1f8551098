#pragma once

#include <QString>

// One choice of a "combo" or "list" event item.
struct ListValueRecord
{
    QString value; // written to the controller
    QString name;  // shown to the user

    bool operator==(const ListValueRecord &o) const { return value == o.value && name == o.name; }
};
