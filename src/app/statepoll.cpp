#include "statepoll.h"

#include "common/appstate.h"
#include "common/linelist.h"
#include "links/linkhintpanel.h"
#include "menu/buffergroup.h"
#include "menu/fieldpanel.h"
#include "menu/itemlist.h"
#include "menu/menueditorpage.h"
#include "menu/pagegeometry.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

StatePoll::StatePoll(AppState& state, MenuEditorPage& page, QObject* parent)
    : QObject(parent), m_state(state), m_page(page)
{
    for (QLineEdit* field : page.fieldPanel()->fields())
        connect(field, &QLineEdit::textChanged, this, &StatePoll::applyAddRule);
    connect(page.bufferGroup()->buffer(), &LineList::linesChanged, this,
            &StatePoll::applyBufferRule);
    connect(page.itemList(), &LineList::linesChanged, this, &StatePoll::applyItemListRule);
    connect(&state, &AppState::menuPathChanged, this, &StatePoll::applyBoundFileRule);
    connect(qApp, &QApplication::focusChanged, this, &StatePoll::applyHintRule);

    applyAddRule();
    applyBufferRule();
    applyItemListRule();
    applyBoundFileRule();
    applyHintRule();
}

void StatePoll::addBoundFileAction(QAction* action)
{
    m_boundFileActions.append(action);
    action->setEnabled(!m_state.menuPath().isEmpty());
}

void StatePoll::applyAddRule()
{
    FieldPanel* fields = m_page.fieldPanel();
    fields->addButton()->setEnabled(fields->allFieldsFilled());
}

void StatePoll::applyBufferRule()
{
    BufferGroup* group = m_page.bufferGroup();
    if (group->buffer()->isEmpty()) {
        group->allFromBuffer()->setEnabled(false);
        group->fromBuffer()->setEnabled(false);
    } else {
        group->allFromBuffer()->setEnabled(true);
    }
}

void StatePoll::applyItemListRule()
{
    BufferGroup* group = m_page.bufferGroup();
    if (m_page.itemList()->isEmpty()) {
        group->allToBuffer()->setEnabled(false);
        group->toBuffer()->setEnabled(false);
    } else {
        group->allToBuffer()->setEnabled(true);
    }
}

void StatePoll::applyBoundFileRule()
{
    const bool bound = !m_state.menuPath().isEmpty();
    m_page.deleteFileButton()->setEnabled(bound);
    for (const QPointer<QAction>& action : std::as_const(m_boundFileActions)) {
        if (action)
            action->setEnabled(bound);
    }
}

void StatePoll::applyHintRule()
{
    LinkHintPanel* hint = m_page.linkHint();
    if (m_page.fieldPanel()->typeField()->hasFocus()) {
        hint->move(PageGeometry::hintLeft, PageGeometry::hintTop);
        hint->raise();
        hint->show();
    } else {
        hint->hide();
    }
}
