#include "filesearch.h"

#include "paths.h"

#include <QDir>

QStringList findFiles(const QString& folder, const QString& masks)
{
    QDir dir(folder);
    dir.setNameFilters(masks.split(u';', Qt::SkipEmptyParts));
    dir.setFilter(QDir::Files | QDir::Hidden | QDir::System);
    dir.setSorting(QDir::Unsorted);
    return dir.entryList();
}

bool fileMatches(const QString& pattern)
{
    return !findFiles(folderPart(pattern), fileNamePart(pattern)).isEmpty();
}
