#include "tempworkspace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempWorkspace::TempWorkspace()
{
    Q_ASSERT(m_dir.isValid());
}

QString TempWorkspace::path(const QString& relative) const
{
    return m_dir.filePath(relative);
}

QString TempWorkspace::writeFile(const QString& relative, const QByteArray& bytes)
{
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file %s", qPrintable(full));
    return full;
}

QString TempWorkspace::makeFolder(const QString& relative)
{
    const QString full = path(relative);
    QDir().mkpath(full);
    return full;
}

QByteArray TempWorkspace::readFile(const QString& relative) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool TempWorkspace::exists(const QString& relative) const
{
    return QFileInfo::exists(path(relative));
}
