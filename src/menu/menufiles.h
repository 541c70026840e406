#pragma once

#include <QObject>

class AppState;
class MenuEditorPage;
class Prompts;

// Binds the item list to menu files: MenuPath, the window title while a file is current and the
// two lists of the menu folder's files.
class MenuFiles : public QObject
{
    Q_OBJECT

public:
    MenuFiles(AppState& state, Prompts& prompts, MenuEditorPage& page, QObject* parent = nullptr);

    // A menu file named on the command line becomes MenuPath and titles the window; only a
    // name ending in ".mnu" (letter case counting) is loaded into the list.
    void openFromCommandLine(const QString& path);

    // Refills the quick-open list (sorted) and the buffer's file list (in the folder's order)
    // with the menu files of the menu folder; nothing is selected afterwards.
    void RefreshMenuLists();

    // Both the window caption and the application title name the current menu file.
    void setMenuWindowTitle();

private:
    void setTitles(const QString& caption, const QString& applicationTitle);

    AppState& m_state;
    Prompts& m_prompts;
    MenuEditorPage& m_page;
};
