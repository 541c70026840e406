#pragma once

#include <QString>
#include <QStringList>

#include <span>

// The kind of a menu.cfg key fixes its value's format and the editor that changes it.
enum class KeyKind
{
    Text,
    Image,
    Colour,
    Number
};

struct CfgKey
{
    const char* name;
    KeyKind kind;
    const char* description; // Russian; shown through Translate
    // The value of the key's line in a new file ("name :value"); null when a new file has no
    // line of this key.
    const char* defaultValue = nullptr;
    // A comment line that a new file puts just above the key's line, or null.
    const char* commentAbove = nullptr;
};

// Every key the applet knows, in the order of the default lines. Nothing else in the program
// lists key names.
std::span<const CfgKey> keyCatalogue();

// The key whose name the line begins with (letter case counting), or null for a comment, an
// unknown key or a line whose key is preceded by anything.
const CfgKey* findKey(const QString& line);

bool isCommentLine(const QString& line);

// The description shown for a line: its key's, "Комментарий" for a comment, empty otherwise.
QString describeLine(const QString& line);

// The 30 lines of a new menu.cfg: each key's default line, in catalogue order, with the comments
// placed above their keys.
QStringList defaultCfgLines();

// The names of the keys the preview draws from, as the catalogue lists them.
namespace CfgKeys {
inline constexpr const char* MainBGimg = "MainBGimg";
inline constexpr const char* ItemImg = "ItemImg";
inline constexpr const char* StartButtonImg = "StartButtonImg";
inline constexpr const char* MainCursorImg = "MainCursorImg";
inline constexpr const char* ItemColor = "ItemColor";
inline constexpr const char* ItemBorder = "ItemBorder";
inline constexpr const char* SelItemColor = "SelItemColor";
inline constexpr const char* SelItemBorder = "SelItemBorder";
inline constexpr const char* X0 = "X0";
inline constexpr const char* Y0 = "Y0";
inline constexpr const char* ItemXofsMain = "ItemXofsMain";
inline constexpr const char* ItemYofsMain = "ItemYofsMain";
inline constexpr const char* ItemTextXofs = "ItemTextXofs";
} // namespace CfgKeys
