#include "actionlist.h"

#include "common/translate.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

ActionList::ActionList(QWidget* window) : QObject(window)
{
    NewAct = windowAction(window, "NewAct", Translate("Новый"), {Qt::Key_F1});
    SaveAct = windowAction(window, "SaveAct", Translate("Сохранить"), {Qt::Key_F2});
    OpenAct = windowAction(window, "OpenAct", Translate("Открыть"), {Qt::Key_F3});
    CancelAct = windowAction(window, "CancelAct", Translate("Отменить (F5)"), {Qt::Key_F5});
    ClearFileds = windowAction(window, "ClearFileds", Translate("Очистить (F7)"), {Qt::Key_F7});
    QuitAct = windowAction(window, "QuitAct", Translate("Выход (F10)"), {Qt::Key_F10});
    FocusOnCF = windowAction(window, "FocusOnCF", QString(), {QKeySequence(Qt::ALT | Qt::Key_C)});
    MoveStringUp =
        windowAction(window, "MoveStringUp", QString(), {QKeySequence(Qt::CTRL | Qt::Key_Up)});
    MoveStringDown =
        windowAction(window, "MoveStringDown", QString(), {QKeySequence(Qt::CTRL | Qt::Key_Down)});
    // A text field with the focus keeps Del for its own text; elsewhere Del deletes the item.
    DelAct = windowAction(window, "DelAct", QString(),
                          {QKeySequence(Qt::CTRL | Qt::Key_D), QKeySequence(Qt::Key_Delete)});
    CancelAct->setEnabled(false);
    MoveStringUp->setEnabled(false);
    MoveStringDown->setEnabled(false);

    EditCut1 = editAction("EditCut1", "Вырезать", QKeySequence::Cut,
                          [](QLineEdit* field) { field->cut(); });
    EditCopy1 = editAction("EditCopy1", "Копировать", QKeySequence::Copy,
                           [](QLineEdit* field) { field->copy(); });
    EditPaste1 = editAction("EditPaste1", "Вставить", QKeySequence::Paste,
                            [](QLineEdit* field) { field->paste(); });
    EditDelete1 = editAction("EditDelete1", "Удалить", QKeySequence::Delete,
                             [](QLineEdit* field) { field->del(); });
    EditSelectAll1 = editAction("EditSelectAll1", "Выделить все", QKeySequence::SelectAll,
                                [](QLineEdit* field) { field->selectAll(); });
}

QAction* ActionList::windowAction(QWidget* window, const char* objectName, const QString& text,
                                  const QList<QKeySequence>& keys)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setShortcuts(keys);
    window->addAction(action);
    return action;
}

QAction* ActionList::editAction(const char* objectName, const char* text, const QKeySequence& key,
                                const std::function<void(QLineEdit*)>& command)
{
    auto* action = new QAction(Translate(text), this);
    action->setObjectName(QString::fromLatin1(objectName));
    // The key is shown in the menu; the field itself handles it while it has the focus.
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, [this, command] {
        if (m_menuField)
            command(m_menuField);
    });
    return action;
}

void ActionList::installEditMenu(QLineEdit* field)
{
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(field, &QWidget::customContextMenuRequested, this, [this, field](const QPoint& at) {
        field->setFocus(Qt::PopupFocusReason);
        m_menuField = field;
        const bool editable = !field->isReadOnly();
        EditCut1->setEnabled(editable && field->hasSelectedText());
        EditCopy1->setEnabled(field->hasSelectedText());
        EditPaste1->setEnabled(editable);
        EditDelete1->setEnabled(editable && field->hasSelectedText());
        EditSelectAll1->setEnabled(!field->text().isEmpty());
        QMenu menu(field);
        menu.setObjectName(QStringLiteral("StEditMenu"));
        menu.addActions({EditCut1, EditCopy1, EditPaste1, EditDelete1, EditSelectAll1});
        menu.exec(field->mapToGlobal(at));
        m_menuField = nullptr;
    });
}
