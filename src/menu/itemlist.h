#pragma once

#include "common/linelist.h"

// The item list ContentsFile: the lines of the menu file being edited, shown verbatim. It takes
// lines dragged out of itself (to reorder them) and out of the item buffer.
class ItemList : public LineList
{
    Q_OBJECT

public:
    explicit ItemList(QWidget* parent = nullptr);

    static constexpr const char* listName = "ContentsFile";
    static constexpr const char* bufferName = "Buffer";

Q_SIGNALS:
    // A line of this list or of the buffer was dropped at a point of the viewport.
    void lineDropped(const DraggedLine& line, const QPoint& viewportPoint);
    // Enter was pressed in the list.
    void enterPressed();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::optional<DraggedLine> acceptedLine(const QDropEvent* event) const;
};
