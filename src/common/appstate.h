#pragma once

#include <QObject>
#include <QString>

// The program-wide state every room shares: the workspace paths, the start-up warnings, the
// preview cursor and the two unsaved-change flags. One object is made at start and handed to
// whoever needs it; views follow it through its signals.
class AppState : public QObject
{
    Q_OBJECT

public:
    explicit AppState(const QString& programDir, QObject* parent = nullptr);

    // The folder of the executable, without a trailing separator; fixed for the run.
    const QString& programDir() const { return m_programDir; }
    // ProgramDir joined with a tail written with backslashes ("\Data\eps").
    QString programPath(const QString& backslashTail) const;

    const QString& menuFolder() const { return m_menuFolder; }
    void setMenuFolder(const QString& folder);
    // MenuFolder joined with a tail written with backslashes ("\mnu\main.mnu").
    QString menuFolderPath(const QString& backslashTail) const;
    QString defaultMenuFolder() const;

    const QString& cfgPath() const { return m_cfgPath; }
    void setCfgPath(const QString& path);

    // The menu file being edited; empty while the item list is bound to no file.
    const QString& menuPath() const { return m_menuPath; }
    void setMenuPath(const QString& path);

    // The application's own title (on Windows, the task-bar text); plain messages carry it.
    const QString& applicationTitle() const { return m_applicationTitle; }
    void setApplicationTitle(const QString& title) { m_applicationTitle = title; }

    const QString& errorNotes() const { return m_errorNotes; }
    void appendErrorNote(const QString& text) { m_errorNotes += text; }

    quint8 previewCursor() const { return m_previewCursor; }
    void setPreviewCursor(quint8 cursor) { m_previewCursor = cursor; }

    bool menuChanged() const { return m_menuChanged; }
    void setMenuChanged(bool changed);

    bool cfgChanged() const { return m_cfgChanged; }
    void setCfgChanged(bool changed);

Q_SIGNALS:
    void menuFolderChanged(const QString& folder);
    void cfgPathChanged(const QString& path);
    void menuPathChanged(const QString& path);
    void menuChangedChanged(bool changed);
    void cfgChangedChanged(bool changed);

private:
    const QString m_programDir;
    QString m_menuFolder;
    QString m_cfgPath;
    QString m_menuPath;
    QString m_applicationTitle;
    QString m_errorNotes;
    quint8 m_previewCursor = 0;
    bool m_menuChanged = false;
    bool m_cfgChanged = false;
};
