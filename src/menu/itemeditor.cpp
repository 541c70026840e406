#include "itemeditor.h"

#include "buffergroup.h"
#include "common/appstate.h"
#include "common/paths.h"
#include "common/strings1251.h"
#include "common/translate.h"
#include "fieldpanel.h"
#include "itemlist.h"
#include "links/linktypes.h"
#include "menueditorpage.h"
#include "platform/prompts.h"

#include <QAction>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QToolButton>

using namespace Qt::StringLiterals;

ItemEditor::ItemEditor(AppState& state, Prompts& prompts, MenuEditorPage& page,
                       QAction& cancelAction, QObject* parent)
    : QObject(parent), m_state(state), m_prompts(prompts), m_page(page),
      m_cancelAction(cancelAction)
{
    FieldPanel* fields = page.fieldPanel();
    connect(fields->addButton(), &QPushButton::clicked, this, &ItemEditor::bAddClick);
    connect(fields->changeButton(), &QPushButton::clicked, this, &ItemEditor::bEditClick);
    // The Cancel button stands for the F5 command and follows its state.
    connect(fields->cancelButton(), &QPushButton::clicked, &cancelAction, &QAction::trigger);
    connect(&cancelAction, &QAction::enabledChanged, fields->cancelButton(),
            &QPushButton::setEnabled);
    fields->cancelButton()->setEnabled(cancelAction.isEnabled());
    connect(fields->clearButton(), &QPushButton::clicked, this, &ItemEditor::ClearFiledsExecute);
    connect(fields->showHideButton(), &QToolButton::clicked, this, &ItemEditor::SHFieldsClick);
    connect(page.itemList(), &ItemList::doubleClicked, this, &ItemEditor::ContentsFileDblClick);
    fields->nameField()->installEventFilter(this);
    fields->installEventFilter(this);

    QStringListModel* lines = page.itemList()->lineModel();
    connect(lines, &QAbstractItemModel::rowsRemoved, this,
            &ItemEditor::disableChangeWhenItemIsGone);
    connect(lines, &QAbstractItemModel::modelReset, this, &ItemEditor::disableChangeWhenItemIsGone);
}

bool ItemEditor::eventFilter(QObject* watched, QEvent* event)
{
    FieldPanel* fields = m_page.fieldPanel();
    if (watched == fields->nameField() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter in the name field moves on to the icon; it never adds an item.
            fields->iconField()->setFocus();
            return true;
        }
    } else if (watched == fields && event->type() == QEvent::MouseButtonDblClick) {
        // A double click on the panel's free area, its hint line or the name's caption shows
        // or hides the fields; the other captions have commands of their own.
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        const QWidget* under = fields->childAt(at);
        if (!under || under == fields->keepHint() || under == fields->nameCaption()) {
            SHFieldsClick();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ItemEditor::ContentsFileDblClick()
{
    ItemList* items = m_page.itemList();
    const int row = items->selectedRow();
    if (row < 0)
        return;
    FieldPanel* fields = m_page.fieldPanel();
    const MenuItem item = SplitMenuLine(items->line(row));
    fields->setItem(item);
    m_loadedItem = QPersistentModelIndex(items->lineModel()->index(row));
    fields->changeButton()->setEnabled(true);
    m_cancelAction.setEnabled(true);
    m_page.deleteLineButton()->show();
    const ActionButtonState action = loadedItemActionButton(item.type);
    fields->setActionButton(action.caption, action.enabled);
    m_page.bufferGroup()->toBuffer()->setEnabled(true);
    showIconPreview(item.icon);
    if (fields->isExpanded())
        fields->nameField()->setFocus();
    else
        SHFieldsClick();
}

void ItemEditor::showIconPreview(const QString& icon)
{
    QLabel* preview = m_page.fieldPanel()->iconPreview();
    const QString path = m_state.menuFolderPath(u"\\data\\images\\"_s + icon);
    const QString extension = UpperCase1251(extensionPart(path));
    if (!fileExists(path) || (extension != u".PNG"_s && extension != u".BMP"_s)) {
        preview->hide();
        return;
    }
    QImageReader reader(path);
    reader.setScaledSize(reader.size().scaled(preview->size(), Qt::KeepAspectRatio));
    const QImage picture = reader.read();
    if (picture.isNull()) {
        preview->hide();
        m_prompts.error(
            Translate("Не удаётся прочитать рисунок \"%1\":\n%2").arg(path, reader.errorString()));
        return;
    }
    preview->setPixmap(QPixmap::fromImage(picture));
    preview->show();
}

void ItemEditor::bAddClick()
{
    FieldPanel* fields = m_page.fieldPanel();
    const MenuItem item = fields->item();
    if (isForbiddenSubmenu(item)) {
        m_prompts.warn(programCaption(), Translate("Параметр main.mnu недопустим!"));
        return;
    }
    m_page.itemList()->appendLine(JoinMenuLine(item));
    fields->clearKeptFields();
    leaveChanging();
    fields->nameField()->setFocus();
    if (m_collapseAfterEdit)
        SHFieldsClick();
    m_state.setMenuChanged(true);
}

void ItemEditor::bEditClick()
{
    if (!m_loadedItem.isValid())
        return;
    FieldPanel* fields = m_page.fieldPanel();
    m_page.itemList()->replaceLine(m_loadedItem.row(), JoinMenuLine(fields->item()));
    fields->clearKeptFields();
    leaveChanging();
    finishEdit();
    m_state.setMenuChanged(true);
}

void ItemEditor::CancelActExecute()
{
    if (!m_page.isVisible() || !m_cancelAction.isEnabled())
        return;
    FieldPanel* fields = m_page.fieldPanel();
    fields->clearKeptFields();
    fields->changeButton()->setEnabled(false);
    m_cancelAction.setEnabled(false);
    fields->actionButton()->setEnabled(false);
    m_loadedItem = QPersistentModelIndex();
    finishEdit();
}

void ItemEditor::ClearFiledsExecute()
{
    if (!m_page.isVisible() ||
        !m_prompts.ask(programCaption(), Translate("Вы уверены, что хотите очистить все поля?")))
        return;
    FieldPanel* fields = m_page.fieldPanel();
    fields->clearAllFields();
    const ActionButtonState idle = idleActionButton();
    fields->setActionButton(idle.caption, idle.enabled);
    finishEdit();
}

void ItemEditor::SHFieldsClick()
{
    FieldPanel* fields = m_page.fieldPanel();
    if (fields->isExpanded()) {
        m_page.setFieldsExpanded(false);
        m_collapseAfterEdit = true;
    } else {
        m_page.setFieldsExpanded(true);
        fields->nameField()->setFocus();
        if (!fields->changeButton()->isEnabled())
            m_collapseAfterEdit = false;
    }
}

void ItemEditor::FocusOnCFExecute()
{
    if (m_page.isVisible())
        m_page.itemList()->setFocus();
}

// Add and Change end the changing of an item: the action button, Change and Cancel go off.
void ItemEditor::leaveChanging()
{
    FieldPanel* fields = m_page.fieldPanel();
    const ActionButtonState idle = idleActionButton();
    fields->setActionButton(idle.caption, idle.enabled);
    fields->changeButton()->setEnabled(false);
    m_cancelAction.setEnabled(false);
    m_loadedItem = QPersistentModelIndex();
}

// A panel the user keeps collapsed closes again after an edit; an open one takes the focus back
// to the name.
void ItemEditor::finishEdit()
{
    if (m_collapseAfterEdit)
        SHFieldsClick();
    else
        m_page.fieldPanel()->nameField()->setFocus();
}

void ItemEditor::disableChangeWhenItemIsGone()
{
    if (!m_loadedItem.isValid())
        m_page.fieldPanel()->changeButton()->setEnabled(false);
}
