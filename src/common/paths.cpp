#include "paths.h"

#include <QDir>
#include <QFileInfo>

QString joinPath(const QString& base, const QString& backslashTail)
{
    QString tail = backslashTail;
    tail.replace(u'\\', u'/');
    return base + tail;
}

QString fileNamePart(const QString& path)
{
    return path.sliced(path.lastIndexOf(u'/') + 1);
}

QString folderPart(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash);
}

QString extensionPart(const QString& path)
{
    const QString name = fileNamePart(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.sliced(dot);
}

bool fileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool folderExists(const QString& path)
{
    return QFileInfo(path).isDir();
}
