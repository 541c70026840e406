#include "appstate.h"

#include "paths.h"

AppState::AppState(const QString& programDir, QObject* parent)
    : QObject(parent), m_programDir(programDir), m_menuFolder(defaultMenuFolder()),
      m_cfgPath(menuFolderPath(QStringLiteral("\\data\\menu.cfg")))
{
}

QString AppState::programPath(const QString& backslashTail) const
{
    return joinPath(m_programDir, backslashTail);
}

void AppState::setMenuFolder(const QString& folder)
{
    if (folder == m_menuFolder)
        return;
    m_menuFolder = folder;
    Q_EMIT menuFolderChanged(folder);
}

QString AppState::menuFolderPath(const QString& backslashTail) const
{
    return joinPath(m_menuFolder, backslashTail);
}

QString AppState::defaultMenuFolder() const
{
    return programPath(QStringLiteral("\\Data\\sMenu"));
}

void AppState::setCfgPath(const QString& path)
{
    if (path == m_cfgPath)
        return;
    m_cfgPath = path;
    Q_EMIT cfgPathChanged(path);
}

void AppState::setMenuPath(const QString& path)
{
    if (path == m_menuPath)
        return;
    m_menuPath = path;
    Q_EMIT menuPathChanged(path);
}

void AppState::setMenuChanged(bool changed)
{
    if (changed == m_menuChanged)
        return;
    m_menuChanged = changed;
    Q_EMIT menuChangedChanged(changed);
}

void AppState::setCfgChanged(bool changed)
{
    if (changed == m_cfgChanged)
        return;
    m_cfgChanged = changed;
    Q_EMIT cfgChangedChanged(changed);
}
