#include "itemlist.h"

#include <QDropEvent>
#include <QKeyEvent>

ItemList::ItemList(QWidget* parent) : LineList(parent)
{
    setObjectName(QString::fromLatin1(listName));
    setFont(fixedPitchFont(13));
    setDragSource(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
}

std::optional<DraggedLine> ItemList::acceptedLine(const QDropEvent* event) const
{
    std::optional<DraggedLine> line = DraggedLine::fromMime(event->mimeData());
    if (line &&
        (line->source == QLatin1String(listName) || line->source == QLatin1String(bufferName)))
        return line;
    return std::nullopt;
}

void ItemList::dragEnterEvent(QDragEnterEvent* event)
{
    if (acceptedLine(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ItemList::dragMoveEvent(QDragMoveEvent* event)
{
    if (acceptedLine(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ItemList::dropEvent(QDropEvent* event)
{
    const std::optional<DraggedLine> line = acceptedLine(event);
    if (!line) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT lineDropped(*line, event->position().toPoint());
}

void ItemList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        Q_EMIT enterPressed();
        return;
    }
    LineList::keyPressEvent(event);
}
