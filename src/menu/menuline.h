#pragma once

#include <QString>

// One line of a menu file: name|icon|type|parameter. The parameter is everything after the third
// "|" and may hold "|" itself.
struct MenuItem
{
    QString name;
    QString icon;
    QString type;
    QString parameter;

    bool operator==(const MenuItem&) const = default;
};

// Splits a line into its four fields. A run of "|" inside the parameter becomes one, "|" at the
// parameter's end are dropped, and a parameter starting with "|" keeps one. Lines with fewer
// than three "|" leave the later fields empty. Nothing is trimmed.
MenuItem SplitMenuLine(const QString& line);

// Joins the fields into a line; a ROOTMENU item is written without a parameter.
QString JoinMenuLine(const MenuItem& item);

// A SUBMENU item may not open the main menu itself: its parameter may not be main.mnu, in any
// letter case.
bool isForbiddenSubmenu(const MenuItem& item);

// True for the main menu's file name, in any letter case.
bool isMainMenuName(const QString& fileName);
