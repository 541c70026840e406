#pragma once

#include <QString>
#include <utility>

// Text helpers that follow the Windows-1251 rules of the phone's files. Texts are held decoded
// (one character per byte, see textfile.h), so each helper works character by character.

// Capitalises the Latin a-z and the Cyrillic а-я only; ё and every other character stay as they
// are. Used only to compare file names, extensions and the submenu parameter.
QString UpperCase1251(const QString& text);

// True when text begins with prefix, letter case counting; an empty prefix always matches.
bool StartsWith(const QString& prefix, const QString& text);

// Splits text at the first c: the text before it and the text after it. Without c the head is the
// whole text and the tail is empty.
std::pair<QString, QString> SplitAtChar(const QString& text, QChar c);
