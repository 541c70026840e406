#pragma once

#include <QString>

// Paths of the workspace are written as a base folder and a tail with backslashes, as the phone
// and the menu files write them ("\data\images\icons"). This joins them into a local path.
QString joinPath(const QString& base, const QString& backslashTail);

// The file name part of a path: the text after its last folder separator.
QString fileNamePart(const QString& path);

// The folder part of a path, without a trailing separator.
QString folderPart(const QString& path);

// The extension of a file name or path, from its last dot, the dot included ("" without one).
QString extensionPart(const QString& path);

bool fileExists(const QString& path);
bool folderExists(const QString& path);
