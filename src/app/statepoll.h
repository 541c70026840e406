#pragma once

#include <QObject>
#include <QPointer>

class AppState;
class MenuEditorPage;
class QAction;

// Keeps buttons and menu entries of the menu editor page in step with its contents: Add with
// the four fields, the buffer's copy buttons with the two lists, the commands that need a bound
// menu file with MenuPath, and the link type explanation with the focus. Each rule runs when one
// of its inputs changes, so an idle editor does no work.
class StatePoll : public QObject
{
    Q_OBJECT

public:
    StatePoll(AppState& state, MenuEditorPage& page, QObject* parent = nullptr);

    // Entries enabled exactly while a menu file is bound (the save and send entries).
    void addBoundFileAction(QAction* action);

private:
    void applyAddRule();
    void applyBufferRule();
    void applyItemListRule();
    void applyBoundFileRule();
    void applyHintRule();

    AppState& m_state;
    MenuEditorPage& m_page;
    QList<QPointer<QAction>> m_boundFileActions;
};
