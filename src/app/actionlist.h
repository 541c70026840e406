#pragma once

#include <QObject>

#include <functional>

class QAction;
class QLineEdit;
class QWidget;

// The main window's keyboard commands, each with its key, and the clipboard entries of the text
// fields' context menus.
class ActionList : public QObject
{
    Q_OBJECT

public:
    explicit ActionList(QWidget* window);

    QAction* NewAct;
    QAction* SaveAct;
    QAction* OpenAct;
    QAction* CancelAct;
    QAction* ClearFileds;
    QAction* QuitAct;
    QAction* FocusOnCF;
    QAction* MoveStringUp;
    QAction* MoveStringDown;
    QAction* DelAct;

    QAction* EditCut1;
    QAction* EditCopy1;
    QAction* EditPaste1;
    QAction* EditDelete1;
    QAction* EditSelectAll1;

    // Gives a text field the context menu with the clipboard entries (StEditMenu).
    void installEditMenu(QLineEdit* field);

private:
    QAction* windowAction(QWidget* window, const char* objectName, const QString& text,
                          const QList<QKeySequence>& keys);
    QAction* editAction(const char* objectName, const char* text, const QKeySequence& key,
                        const std::function<void(QLineEdit*)>& command);
    QLineEdit* m_menuField = nullptr;
};
