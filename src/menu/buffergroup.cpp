#include "buffergroup.h"

#include "common/linelist.h"
#include "common/translate.h"

#include <QComboBox>
#include <QStyle>
#include <QToolButton>

namespace {
constexpr int buttonSize = 25;
constexpr int buttonLeft = 8;
constexpr int listLeft = 40;
constexpr int listWidth = 177;
constexpr int listTop = 48;
constexpr int menuFilesTop = 20;

QToolButton* bufferButton(const char* objectName, const QString& text, const QString& name,
                          QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setText(text);
    button->setAccessibleName(name);
    button->setToolTip(name);
    button->setFixedSize(buttonSize, buttonSize);
    return button;
}
} // namespace

BufferGroup::BufferGroup(QWidget* parent) : QGroupBox(Translate("Буфер"), parent)
{
    setObjectName(QStringLiteral("BufGroup"));

    m_menuFiles = new QComboBox(this);
    m_menuFiles->setObjectName(QStringLiteral("bufMNU"));
    m_menuFiles->setToolTip(Translate("Список ..\\mnu"));
    m_menuFiles->setAccessibleName(m_menuFiles->toolTip());
    m_menuFiles->setMaxVisibleItems(30);
    m_menuFiles->setGeometry(listLeft, menuFilesTop, listWidth, 24);

    m_buffer = new LineList(this);
    m_buffer->setObjectName(QStringLiteral("Buffer"));
    m_buffer->setFont(fixedPitchFont(13));
    m_buffer->setAccessibleName(title());

    m_toBuffer = bufferButton("ToBuffer", QStringLiteral(">"), Translate("В буфер"), this);
    m_allToBuffer =
        bufferButton("AllToBuffer", QStringLiteral(">>"), Translate("Всё в буфер"), this);
    m_fromBuffer = bufferButton("FromBuffer", QStringLiteral("<"), Translate("Из буфера"), this);
    m_allFromBuffer =
        bufferButton("AllFromBuffer", QStringLiteral("<<"), Translate("Всё из буфера"), this);
    m_saveBuffer = bufferButton("SaveBuffer", QString(), Translate("Сохранить буфер"), this);
    m_saveBuffer->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    m_clearBuffer =
        bufferButton("ClearBuffer", QStringLiteral("CL"), Translate("Очистить буфер"), this);
    m_deleteFromBuffer =
        bufferButton("DelFromBuffer", QString(), Translate("Удалить из буфера"), this);
    m_deleteFromBuffer->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    m_fromBuffer->setEnabled(false);
    m_allFromBuffer->setEnabled(false);

    int top = listTop;
    for (QToolButton* button : {m_toBuffer, m_allToBuffer, m_fromBuffer, m_allFromBuffer}) {
        button->move(buttonLeft, top);
        top += buttonSize + 4;
    }
}

void BufferGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    // The list follows the group's height; the bottom buttons keep their distance from its
    // lower edge.
    m_buffer->setGeometry(listLeft, listTop, listWidth, height() - listTop - 8);
    int top = height() - 8 - buttonSize;
    for (QToolButton* button : {m_deleteFromBuffer, m_clearBuffer, m_saveBuffer}) {
        button->move(buttonLeft, top);
        top -= buttonSize + 4;
    }
}
