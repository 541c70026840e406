#pragma once

#include <QWidget>

class AppState;
class BufferGroup;
class FieldPanel;
class ItemList;
class LinkHintPanel;
class QComboBox;
class QLabel;
class QToolButton;

// The menu editor page MenuEditor: help line, toolbar, item list, field panel, item buffer and
// the link type explanation, in the page's fixed layout.
class MenuEditorPage : public QWidget
{
    Q_OBJECT

public:
    MenuEditorPage(AppState& state, QWidget* parent = nullptr);

    ItemList* itemList() const { return m_items; }
    FieldPanel* fieldPanel() const { return m_fields; }
    BufferGroup* bufferGroup() const { return m_buffer; }
    LinkHintPanel* linkHint() const { return m_hint; }
    QComboBox* quickOpenList() const { return m_quickOpen; }
    QToolButton* newButton() const { return m_new; }
    QToolButton* openButton() const { return m_open; }
    QToolButton* saveButton() const { return m_save; }
    QToolButton* deleteLineButton() const { return m_deleteLine; }
    QToolButton* moveUpButton() const { return m_moveUp; }
    QToolButton* moveDownButton() const { return m_moveDown; }
    QToolButton* deleteFileButton() const { return m_deleteFile; }

    // Expanded, the field panel shows whole under the item list; collapsed, it slides down to
    // its top strip and the item list and the buffer grow into the room it leaves.
    void setFieldsExpanded(bool expanded);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void MenuEditorShow();
    QToolButton* toolButton(const char* objectName, const char* hint, int standardIcon);

    AppState& m_state;
    QLabel* m_helpLine;
    QToolButton* m_new;
    QToolButton* m_open;
    QToolButton* m_save;
    QToolButton* m_deleteLine;
    QToolButton* m_moveUp;
    QToolButton* m_moveDown;
    QComboBox* m_quickOpen;
    QToolButton* m_deleteFile;
    QLabel* m_changedMark;
    QToolButton* m_showBuffer;
    ItemList* m_items;
    FieldPanel* m_fields;
    BufferGroup* m_buffer;
    LinkHintPanel* m_hint;
};
