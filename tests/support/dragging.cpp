#include "dragging.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QWidget>

#include <memory>

bool dropLine(QWidget* target, const QPoint& at, const DraggedLine& line)
{
    const std::unique_ptr<QMimeData> data(line.toMime());
    const Qt::DropActions actions = Qt::MoveAction | Qt::CopyAction;
    QDragEnterEvent enter(at, actions, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(at, actions, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    if (!move.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), actions, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

DraggedLine draggedFrom(const LineList* list)
{
    const std::optional<DraggedLine> line = list->selectedLineForDrag();
    if (!line)
        qFatal("the list %s has no selected line to drag", qPrintable(list->objectName()));
    return *line;
}
