#pragma once

#include <QString>

#include <functional>

class Prompts;

// One line of menu.cfg: the key is the text before the first ':', the value the text between the
// first and the second ':' (or the end of the line). Text from a second ':' on belongs to no
// field. Nothing is trimmed: "Price :" has the key "Price " and an empty value.
struct CfgLine
{
    QString key;
    QString value;
};

CfgLine SplitCfgLine(const QString& line);

// Called with the message for each character that is not a hexadecimal digit.
using HexReport = std::function<void(const QString& message)>;

// Shows each message as a plain message box with OK.
HexReport hexReportTo(Prompts& prompts);

// Reads hexadecimal digits in either letter case into a 32-bit number. Each other character
// counts as 0 and is reported, with the whole text in capitals, and reading goes on.
qint32 ReadHex(const QString& text, const HexReport& report);

// A colour value of menu.cfg: four pairs AABBGGRR, alpha 0 to 100 (64 hex). Missing pairs of a
// short value read as 0; digits past the eighth are ignored.
struct CfgColour
{
    int alpha = 0;
    int blue = 0;
    int green = 0;
    int red = 0;
};

CfgColour ReadCfgColour(const QString& value, const HexReport& report);
