#pragma once

#include <QObject>
#include <QPersistentModelIndex>

class AppState;
class MenuEditorPage;
class Prompts;
class QAction;

// Composes one item in the four fields of the field panel and adds it to the item list, or
// writes it back over the item it was loaded from. Also shows and hides the field panel.
//
// Change writes over the loaded item wherever the list commands have moved it; when that item
// is deleted or the list is replaced by another file, Change is disabled instead of writing over
// another line.
class ItemEditor : public QObject
{
    Q_OBJECT

public:
    ItemEditor(AppState& state, Prompts& prompts, MenuEditorPage& page, QAction& cancelAction,
               QObject* parent = nullptr);

    void ContentsFileDblClick();
    void bAddClick();
    void bEditClick();
    void CancelActExecute();
    void ClearFiledsExecute();
    void SHFieldsClick();
    void FocusOnCFExecute();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void leaveChanging();
    void finishEdit();
    void showIconPreview(const QString& icon);
    void disableChangeWhenItemIsGone();

    AppState& m_state;
    Prompts& m_prompts;
    MenuEditorPage& m_page;
    QAction& m_cancelAction;
    QPersistentModelIndex m_loadedItem;
    // Set while the user keeps the panel collapsed: each edit then closes it again.
    bool m_collapseAfterEdit = false;
};
