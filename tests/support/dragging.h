#pragma once

#include "common/linelist.h"

#include <QPoint>

class QWidget;

// Drags a line over a widget and drops it at a point, with the events the window system sends
// during a drag: enter, move, drop. Returns whether the widget accepted the drop.
bool dropLine(QWidget* target, const QPoint& at, const DraggedLine& line);

// The line a list would drag now: its selected line.
DraggedLine draggedFrom(const LineList* list);
