#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder that stands for ProgramDir (or any folder a test writes files into).
class TempWorkspace
{
public:
    TempWorkspace();

    QString root() const { return m_dir.path(); }
    // A path below the root, written with forward slashes.
    QString path(const QString& relative) const;
    // Writes bytes to a file below the root, making its folders. Returns the full path.
    QString writeFile(const QString& relative, const QByteArray& bytes);
    QString makeFolder(const QString& relative);
    QByteArray readFile(const QString& relative) const;
    bool exists(const QString& relative) const;

private:
    QTemporaryDir m_dir;
};
