#pragma once

#include <QObject>

class AppState;
class ItemEditor;
class LineDropTarget;
class MenuEditorPage;
class MenuFiles;
class QAction;
struct DraggedLine;

// What is done to the item list as a list: choosing a line, moving it up and down, deleting it,
// reordering by drag and drop, and the drops that start other commands (loading a line into the
// fields, deleting the line, deleting the whole file).
class ItemListCommands : public QObject
{
    Q_OBJECT

public:
    // The keyboard commands whose state follows the chosen line.
    struct Actions
    {
        QAction& moveUp;
        QAction& moveDown;
    };

    ItemListCommands(AppState& state, MenuEditorPage& page, ItemEditor& editor, MenuFiles& files,
                     const Actions& actions, QObject* parent = nullptr);

    void ContentsFileClick(int row);
    void mUpClick();
    void mDownClick();
    void MoveStringUpExecute();
    void MoveStringDownExecute();
    void DelActExecute();
    void ContentsFileKeyPress();
    void ContentsFileDragDrop(const DraggedLine& line, const QPoint& viewportPoint);

private:
    void moveSelected(int step);
    void applyEnablingRule(int row);

    AppState& m_state;
    MenuEditorPage& m_page;
    ItemEditor& m_editor;
    Actions m_actions;
};
