#pragma once

#include "menuitemrecord.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

// The group-or-scheme fields two dialogs share: the kind, a group's name,
// a scheme's ID, name, QML file and update period.
struct SchemeFields
{
    QComboBox *kind;
    QLineEdit *groupName;
    QLineEdit *schemeId;
    QLineEdit *schemeName;
    QLineEdit *qmlPath;
    QSpinBox *interval;

    // Shows the record; the kind can no longer be changed.
    void load(const MenuItemRecord &record) const;
    // The record as the fields tell it, other fields taken from base (the
    // record loaded: its interval stays unless the operator changed it).
    MenuItemRecord read(MenuItemRecord base) const;
};
