#include "itemlistcommands.h"

#include "buffergroup.h"
#include "common/appstate.h"
#include "common/linedroptarget.h"
#include "fieldpanel.h"
#include "itemeditor.h"
#include "itemlist.h"
#include "menueditorpage.h"
#include "menufiles.h"

#include <QAction>
#include <QToolButton>

using namespace Qt::StringLiterals;

ItemListCommands::ItemListCommands(AppState& state, MenuEditorPage& page, ItemEditor& editor,
                                   MenuFiles& files, const Actions& actions, QObject* parent)
    : QObject(parent), m_state(state), m_page(page), m_editor(editor), m_actions(actions)
{
    ItemList* items = page.itemList();
    connect(items, &ItemList::userSelected, this, &ItemListCommands::ContentsFileClick);
    connect(items, &ItemList::enterPressed, this, &ItemListCommands::ContentsFileKeyPress);
    connect(items, &ItemList::lineDropped, this, &ItemListCommands::ContentsFileDragDrop);
    connect(page.moveUpButton(), &QToolButton::clicked, this, &ItemListCommands::mUpClick);
    connect(page.moveDownButton(), &QToolButton::clicked, this, &ItemListCommands::mDownClick);
    connect(page.deleteLineButton(), &QToolButton::clicked, this, &ItemListCommands::DelActExecute);

    // A line of the list dropped on the delete buttons or on the field panel.
    const QString source = QString::fromLatin1(ItemList::listName);
    (new LineDropTarget(
         source, [this] { DelActExecute(); }, this))
        ->install(page.deleteLineButton());
    (new LineDropTarget(
         source, [&files] { files.DelCurrFileClick(); }, this))
        ->install(page.deleteFileButton());
    (new LineDropTarget(
         source, [&editor] { editor.ContentsFileDblClick(); }, this))
        ->install(page.fieldPanel(), true);
}

void ItemListCommands::ContentsFileClick(int row)
{
    if (row < 0)
        return;
    applyEnablingRule(row);
    m_page.deleteLineButton()->setEnabled(true);
    m_page.bufferGroup()->toBuffer()->setEnabled(true);
}

// Up is offered except on the first line, down except on the last.
void ItemListCommands::applyEnablingRule(int row)
{
    const int last = m_page.itemList()->count() - 1;
    m_page.moveUpButton()->setEnabled(row != 0);
    m_actions.moveUp.setEnabled(row != 0);
    m_page.moveDownButton()->setEnabled(row != last);
    m_actions.moveDown.setEnabled(row != last);
}

void ItemListCommands::moveSelected(int step)
{
    ItemList* items = m_page.itemList();
    const int row = items->selectedRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= items->count())
        return;
    items->moveLine(row, target);
    items->selectRow(target);
    applyEnablingRule(target);
    m_state.setMenuChanged(true);
}

void ItemListCommands::mUpClick()
{
    moveSelected(-1);
}

void ItemListCommands::mDownClick()
{
    moveSelected(+1);
}

void ItemListCommands::MoveStringUpExecute()
{
    if (m_page.isVisible() && m_page.itemList()->hasFocus())
        moveSelected(-1);
}

void ItemListCommands::MoveStringDownExecute()
{
    if (m_page.isVisible() && m_page.itemList()->hasFocus())
        moveSelected(+1);
}

void ItemListCommands::DelActExecute()
{
    ItemList* items = m_page.itemList();
    const int row = items->selectedRow();
    if (!m_page.isVisible() || row < 0)
        return;
    items->removeLine(row);
    m_state.setMenuChanged(true);
    if (items->isEmpty()) {
        for (QToolButton* button :
             {m_page.moveUpButton(), m_page.moveDownButton(), m_page.deleteLineButton()})
            button->setEnabled(false);
        m_actions.moveUp.setEnabled(false);
        m_actions.moveDown.setEnabled(false);
        return;
    }
    // The line that took the deleted one's place, or the new last line.
    const int next = std::min(row, items->count() - 1);
    items->selectRow(next);
    applyEnablingRule(next);
}

void ItemListCommands::ContentsFileKeyPress()
{
    if (!m_page.itemList()->isEmpty())
        m_editor.ContentsFileDblClick();
}

void ItemListCommands::ContentsFileDragDrop(const DraggedLine& line, const QPoint& viewportPoint)
{
    ItemList* items = m_page.itemList();
    if (line.source == QLatin1String(ItemList::bufferName)) {
        items->appendLine(line.text);
        m_state.setMenuChanged(true);
        return;
    }
    const int dragged = items->selectedRow();
    int under = items->rowAt(viewportPoint);
    if (under < 0 && items->isBelowLastLine(viewportPoint))
        under = items->count();
    // A drop off the lines (on the border or a scroll bar) has no place in the list.
    if (dragged < 0 || under < 0)
        return;
    // The line goes where the point lies once it has been taken out of the list.
    const int target = std::min(under, items->count() - 1);
    items->moveLine(dragged, target);
    items->selectRow(target);
    applyEnablingRule(target);
    m_state.setMenuChanged(true);
}
