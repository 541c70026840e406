#pragma once

#include <QGroupBox>

class LineList;
class QComboBox;
class QToolButton;

// The item buffer BufGroup: a second list of menu lines beside the item list, with the buttons
// that copy lines to and from it and the list of menu files it can be filled from.
class BufferGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit BufferGroup(QWidget* parent = nullptr);

    LineList* buffer() const { return m_buffer; }
    QComboBox* menuFiles() const { return m_menuFiles; }
    QToolButton* toBuffer() const { return m_toBuffer; }
    QToolButton* allToBuffer() const { return m_allToBuffer; }
    QToolButton* fromBuffer() const { return m_fromBuffer; }
    QToolButton* allFromBuffer() const { return m_allFromBuffer; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    LineList* m_buffer;
    QComboBox* m_menuFiles;
    QToolButton* m_toBuffer;
    QToolButton* m_allToBuffer;
    QToolButton* m_fromBuffer;
    QToolButton* m_allFromBuffer;
    QToolButton* m_saveBuffer;
    QToolButton* m_clearBuffer;
    QToolButton* m_deleteFromBuffer;
};
