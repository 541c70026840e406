#include "linedroptarget.h"

#include "linelist.h"

#include <QDropEvent>
#include <QWidget>

LineDropTarget::LineDropTarget(const QString& sourceList, std::function<void()> onDrop,
                               QObject* parent)
    : QObject(parent), m_sourceList(sourceList), m_onDrop(std::move(onDrop))
{
}

void LineDropTarget::install(QWidget* widget, bool withChildren)
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
    if (!withChildren)
        return;
    for (QWidget* child : widget->findChildren<QWidget*>())
        install(child);
}

bool LineDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const std::optional<DraggedLine> line = DraggedLine::fromMime(drop->mimeData());
    if (!line) // not a line of ours: the widget decides, as a text field does for text
        return QObject::eventFilter(watched, event);
    if (line->source != m_sourceList) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        m_onDrop();
    return true;
}
