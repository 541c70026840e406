#pragma once

#include <QString>

// The action button beside the parameter field: what it reads and whether it opens a picker.
struct ActionButtonState
{
    QString caption;
    bool enabled = false;
};

// The button's state once an item of this type is loaded into the fields: the types with a
// picker get its caption, without checking that the picker's lists exist; the others, an empty
// or unknown type included, get "Нет действия", disabled.
ActionButtonState loadedItemActionButton(const QString& type);

// The button's state when no type is being worked on.
ActionButtonState idleActionButton();
