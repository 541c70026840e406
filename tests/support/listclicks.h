#pragma once

class LineList;
class QPoint;

// Mouse work on the lines of a list, as a user does it.
QPoint rowCenter(const LineList* list, int row);
void clickRow(LineList* list, int row);
void doubleClickRow(LineList* list, int row);
