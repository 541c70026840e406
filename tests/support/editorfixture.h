#pragma once

#include "common/appstate.h"
#include "support/scriptedprompts.h"
#include "support/tempworkspace.h"

#include <QTest>
#include <QWidget>

#include <memory>

class TMainForm;
class WindowSet;

// The real editor in a temporary ProgramDir, answered by scripted prompts. Write the workspace's
// files first, then start it.
class EditorFixture
{
public:
    EditorFixture();
    ~EditorFixture();

    TempWorkspace workspace; // ProgramDir
    AppState state;
    ScriptedPrompts prompts;

    // Creates the windows (running the main window's creation) and shows the main window.
    void start(const QString& commandLineFile = QString());
    TMainForm& window() const;
    bool quitConfirmed() const { return m_quitConfirmed; }

    // A control of the main window by its name; fails the test when it is missing.
    template <typename T> T* find(const char* objectName) const
    {
        T* found = findOrNull<T>(objectName);
        if (!found)
            qFatal("no control named %s", objectName);
        return found;
    }
    template <typename T> T* findOrNull(const char* objectName) const
    {
        return rootWidget()->findChild<T*>(QString::fromLatin1(objectName));
    }

    // Paths below the default menu folder, ProgramDir/Data/sMenu.
    QString menuFolderFile(const QString& relative) const;
    QString writeMenuFolderFile(const QString& relative, const QByteArray& bytes);

private:
    QWidget* rootWidget() const;
    std::unique_ptr<WindowSet> m_windows;
    bool m_quitConfirmed = false;
};
