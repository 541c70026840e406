#include "linelist.h"

#include <QDataStream>
#include <QDrag>
#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QStringListModel>

std::optional<DraggedLine> DraggedLine::fromMime(const QMimeData* data)
{
    const QString format = QString::fromLatin1(mimeType);
    if (!data || !data->hasFormat(format))
        return std::nullopt;
    QByteArray bytes = data->data(format);
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    DraggedLine line;
    stream >> line.source >> line.row >> line.text;
    if (stream.status() != QDataStream::Ok)
        return std::nullopt;
    return line;
}

QMimeData* DraggedLine::toMime() const
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << source << row << text;
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(mimeType), bytes);
    return data;
}

LineList::LineList(QWidget* parent) : QListView(parent), m_model(new QStringListModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &LineList::linesChanged);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &LineList::linesChanged);
    connect(m_model, &QAbstractItemModel::rowsMoved, this, &LineList::linesChanged);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &LineList::linesChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &LineList::linesChanged);
}

QStringList LineList::lines() const
{
    return m_model->stringList();
}

void LineList::setLines(const QStringList& lines)
{
    m_model->setStringList(lines);
}

int LineList::count() const
{
    return m_model->rowCount();
}

QString LineList::line(int row) const
{
    return m_model->index(row).data().toString();
}

void LineList::appendLine(const QString& text)
{
    insertLine(count(), text);
}

void LineList::insertLine(int row, const QString& text)
{
    m_model->insertRows(row, 1);
    m_model->setData(m_model->index(row), text);
}

void LineList::replaceLine(int row, const QString& text)
{
    m_model->setData(m_model->index(row), text);
}

void LineList::removeLine(int row)
{
    m_model->removeRows(row, 1);
}

void LineList::moveLine(int from, int to)
{
    if (from == to)
        return;
    // moveRows takes the row before which the line goes, counted before the move.
    m_model->moveRows(QModelIndex(), from, 1, QModelIndex(), to > from ? to + 1 : to);
}

int LineList::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void LineList::selectRow(int row)
{
    const QModelIndex index = m_model->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void LineList::clearLineSelection()
{
    selectionModel()->clearSelection();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

int LineList::rowAt(const QPoint& viewportPoint) const
{
    if (!viewport()->rect().contains(viewportPoint))
        return -1;
    return indexAt(viewportPoint).row();
}

bool LineList::isBelowLastLine(const QPoint& viewportPoint) const
{
    if (!viewport()->rect().contains(viewportPoint))
        return false;
    if (count() == 0)
        return true;
    const QRect last = visualRect(m_model->index(count() - 1));
    return viewportPoint.y() > last.bottom();
}

void LineList::setDragSource(bool enabled)
{
    setDragEnabled(enabled);
}

std::optional<DraggedLine> LineList::selectedLineForDrag() const
{
    const int row = selectedRow();
    if (row < 0)
        return std::nullopt;
    return DraggedLine{objectName(), row, line(row)};
}

void LineList::focusInEvent(QFocusEvent* event)
{
    QListView::focusInEvent(event);
    // Qt makes the first line current, unselected, when the list gets the focus; the first
    // arrow key would then skip it. Without a selection the keys start from the top.
    if (selectedRow() < 0)
        selectionModel()->clearCurrentIndex();
}

void LineList::mousePressEvent(QMouseEvent* event)
{
    QListView::mousePressEvent(event);
    const int row = selectedRow();
    if (row >= 0)
        Q_EMIT userSelected(row);
}

void LineList::keyPressEvent(QKeyEvent* event)
{
    const int before = selectedRow();
    QListView::keyPressEvent(event);
    const int after = selectedRow();
    if (after >= 0 && after != before)
        Q_EMIT userSelected(after);
}

void LineList::startDrag(Qt::DropActions)
{
    const std::optional<DraggedLine> dragged = selectedLineForDrag();
    if (!dragged)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(dragged->toMime());
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

QFont fixedPitchFont(int pixelSize)
{
    QFont font(QStringLiteral("Courier New"));
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(pixelSize);
    return font;
}
