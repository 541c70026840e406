#pragma once

#include <QListView>
#include <QStringList>

class QMimeData;
class QStringListModel;

// A line dragged out of a LineList, as the drop target sees it.
struct DraggedLine
{
    QString source; // objectName of the list it comes from
    int row = -1;
    QString text;

    static constexpr const char* mimeType = "application/x-tavu-list-line";
    // Null when the data holds no line of ours.
    static std::optional<DraggedLine> fromMime(const QMimeData* data);
    QMimeData* toMime() const;
};

// A list of text lines with at most one selected line, the form in which the editor holds its
// documents (the item list, the buffer, the lines of menu.cfg). It can start a drag of its
// selected line; lists that take drops override the drag and drop events.
class LineList : public QListView
{
    Q_OBJECT

public:
    explicit LineList(QWidget* parent = nullptr);

    QStringList lines() const;
    void setLines(const QStringList& lines);
    int count() const;
    bool isEmpty() const { return count() == 0; }
    QString line(int row) const;

    void appendLine(const QString& text);
    void insertLine(int row, const QString& text);
    void replaceLine(int row, const QString& text);
    void removeLine(int row);
    // Moves one line so that it ends up at index to.
    void moveLine(int from, int to);

    // -1 when no line is selected.
    int selectedRow() const;
    void selectRow(int row);
    void clearLineSelection();

    // The row under a point of the viewport, or -1 when the point lies below the last line or
    // outside the item area.
    int rowAt(const QPoint& viewportPoint) const;
    // True when the point lies inside the viewport but below the last line.
    bool isBelowLastLine(const QPoint& viewportPoint) const;

    void setDragSource(bool enabled);
    std::optional<DraggedLine> selectedLineForDrag() const;

    QStringListModel* lineModel() const { return m_model; }

Q_SIGNALS:
    // The user changed or clicked the selection with the mouse or the keys.
    void userSelected(int row);
    // Lines were added, removed or replaced: the count or the contents changed.
    void linesChanged();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    QStringListModel* m_model;
};

// The fixed-pitch font of the editor's lists, at a height in pixels.
QFont fixedPitchFont(int pixelSize);
