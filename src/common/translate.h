#pragma once

#include <QString>

// The wording of an interface text in the current language. Every text the program shows at run
// time passes through here; without an active dictionary the Russian text comes back unchanged.
QString Translate(const char* russianText);
