#pragma once

#include <QString>
#include <QStringList>

// The names of the files in folder that match masks ("*.mnu", or several joined by ';', as
// "*.png;*.bmp"), hidden ones included, in the order the file system lists them. Masks ignore
// letter case, as the phone's Windows tools do. Folders are never listed.
QStringList findFiles(const QString& folder, const QString& masks);

// True when a folder and mask given as one pattern ("<folder>/*.eps") match at least one file.
bool fileMatches(const QString& pattern);
