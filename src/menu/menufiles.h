#pragma once

#include "platform/prompts.h"

#include <QObject>

#include <optional>

class AppState;
class MenuEditorPage;
class QAction;
class QMenu;
class QPoint;
class QToolButton;
class TCIcons;
class TSiF;

// Binds the item list to menu files: New, Open, Open from the menu folder, quick open, the three
// ways of saving, deleting the current file and choosing another menu folder. It keeps MenuPath
// and MenuChanged, the window title while a file is current, the two lists of the menu folder's
// files and the popup menus of these commands.
class MenuFiles : public QObject
{
    Q_OBJECT

public:
    MenuFiles(AppState& state, Prompts& prompts, MenuEditorPage& page, QObject* parent = nullptr);

    void setDialogs(TSiF& saveName, TCIcons& chooser);

    // A menu file named on the command line becomes MenuPath and titles the window; only a
    // name ending in ".mnu" (letter case counting) is loaded into the list.
    void openFromCommandLine(const QString& path);

    // Refills the quick-open list (sorted) and the buffer's file list (in the folder's order)
    // with the menu files of the menu folder; nothing is selected afterwards.
    void RefreshMenuLists();

    void NewActExecute();
    void mOpenClick();
    void mOpenDMClick();
    void MNUListSelect(int index);
    void mSaveClick();
    void mSaveAsClick();
    void mSaveDMClick();
    void DelCurrFileClick();
    void BrowseMNUFolClick();

    // F2 and F3 pop the save and open menus up beside their toolbar buttons.
    void popUpSaveMenu();
    void popUpOpenMenu();

    // The entries that need a bound menu file: Save in both menus and both send entries.
    QList<QAction*> boundFileActions() const;

Q_SIGNALS:
    // The main menu was saved: the preview draws from it.
    void previewRefreshRequested();
    // MenuFolder now names another folder: its menu.cfg and preview are to be loaded.
    void menuFolderChosen();

private:
    bool confirmDiscardingChanges();
    std::optional<QStringList> readMenuFile(const QString& path);
    bool writeLines(const QString& path, const QStringList& lines);
    void bind(const QString& path, const QStringList& lines);
    void resetListControls();
    void focusByPanel();
    void selectCurrentEntry();
    void setMenuWindowTitle();
    // Refills the buffer's list of menu files; returns the names in the folder's order.
    QStringList refillBufferFileList();
    void setTitles(const QString& caption, const QString& applicationTitle);
    void buildMenus();
    QAction* addEntry(QMenu* menu, const char* objectName, const QString& text,
                      void (MenuFiles::*command)());
    void popUpAtKeyPoint(QMenu* menu, QToolButton* button);

    AppState& m_state;
    Prompts& m_prompts;
    MenuEditorPage& m_page;
    TSiF* m_saveName = nullptr;
    TCIcons* m_chooser = nullptr;
    FileDialogSpec m_openDialog;
    FileDialogSpec m_saveDialog;
    QMenu* m_openMenu = nullptr;
    QMenu* m_saveMenu = nullptr;
    QMenu* m_listMenu = nullptr;
    QList<QAction*> m_boundFileActions;
};
