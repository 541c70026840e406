#include "menueditorpage.h"

#include "buffergroup.h"
#include "common/appstate.h"
#include "common/translate.h"
#include "fieldpanel.h"
#include "itemlist.h"
#include "links/linkhintpanel.h"
#include "pagegeometry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

using namespace PageGeometry;

MenuEditorPage::MenuEditorPage(AppState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("MenuEditor"));
    setFixedSize(pageWidth, pageHeight);

    m_helpLine = new QLabel(Translate("Alt+C - установить фокус; F1 - новый, F2 - сохранить, F3 - "
                                      "открыть; Ctrl+Вверх/вниз - перемещение, Ctrl+D - удалить"),
                            this);
    m_helpLine->setObjectName(QStringLiteral("Label2"));
    m_helpLine->setAutoFillBackground(true);
    QFont helpFont = m_helpLine->font();
    helpFont.setPixelSize(10);
    m_helpLine->setFont(helpFont);
    QPalette helpPalette = m_helpLine->palette();
    helpPalette.setColor(QPalette::Window, QColor(255, 255, 160));
    m_helpLine->setPalette(helpPalette);
    m_helpLine->setGeometry(listLeft, 1, listWidthAlone, 16);

    m_new = toolButton("bClear", "Новый", QStyle::SP_FileIcon);
    m_open = toolButton("bOpen", "Открыть", QStyle::SP_DialogOpenButton);
    m_save = toolButton("bSave", "Сохранить", QStyle::SP_DialogSaveButton);
    m_deleteLine = toolButton("Del", "Удалить", QStyle::SP_DialogDiscardButton);
    m_moveUp = toolButton("mUp", "Переместить вверх", QStyle::SP_ArrowUp);
    m_moveDown = toolButton("mDown", "Переместить вниз", QStyle::SP_ArrowDown);
    m_deleteLine->setEnabled(false);
    m_moveUp->setEnabled(false);
    m_moveDown->setEnabled(false);

    m_quickOpen = new QComboBox(this);
    m_quickOpen->setObjectName(QStringLiteral("MNUList"));
    m_quickOpen->setToolTip(Translate("Быстрое открытие"));
    m_quickOpen->setAccessibleName(m_quickOpen->toolTip());
    m_quickOpen->setMaxVisibleItems(38);
    m_quickOpen->setFixedSize(170, 24);

    m_deleteFile = toolButton("DelCurrFile", "Удалить текущий файл", QStyle::SP_TrashIcon);
    m_deleteFile->setEnabled(false);

    m_changedMark = new QLabel(Translate("  Изменен "), this);
    m_changedMark->setObjectName(QStringLiteral("mnu_changedlabel"));
    QFont markFont = m_changedMark->font();
    markFont.setPixelSize(16);
    markFont.setBold(true);
    m_changedMark->setFont(markFont);
    QPalette markPalette = m_changedMark->palette();
    markPalette.setColor(QPalette::Active, QPalette::WindowText, Qt::red);
    markPalette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::red);
    markPalette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(190, 190, 190));
    m_changedMark->setPalette(markPalette);
    m_changedMark->setEnabled(state.menuChanged());
    connect(&state, &AppState::menuChangedChanged, m_changedMark, &QLabel::setEnabled);

    m_showBuffer =
        toolButton("ShowBuffer", "Показать/скрыть буфер", QStyle::SP_FileDialogDetailedView);

    int left = listLeft;
    constexpr int toolbarTop = 18;
    for (QWidget* tool :
         std::initializer_list<QWidget*>{m_new, m_open, m_save, m_deleteLine, m_moveUp, m_moveDown,
                                         m_quickOpen, m_deleteFile, m_changedMark}) {
        tool->move(left, toolbarTop - (tool == m_changedMark ? 2 : 0));
        left += (tool == m_changedMark ? m_changedMark->sizeHint().width() : tool->width()) + 2;
    }
    m_showBuffer->move(listLeft + listWidthAlone - m_showBuffer->width(), toolbarTop);

    m_items = new ItemList(this);
    m_items->setAccessibleName(Translate("Пункты меню"));
    m_items->setGeometry(listLeft, listTop, listWidthAlone, listHeightExpanded);

    m_buffer = new BufferGroup(this);
    m_buffer->setGeometry(bufferLeftHidden, bufferTop, bufferWidth, bufferHeightExpanded);
    m_buffer->setEnabled(false);

    m_fields = new FieldPanel(this);
    m_fields->setGeometry(listLeft, panelTopExpanded, listWidthAlone,
                          pageHeight - panelTopExpanded);

    m_hint = new LinkHintPanel(this);
    m_hint->move(hintLeft, hintTop);
    m_hint->hide();
}

void MenuEditorPage::setFieldsExpanded(bool expanded)
{
    m_fields->setExpanded(expanded);
    m_fields->move(listLeft, expanded ? panelTopExpanded : panelTopCollapsed);
    m_items->resize(m_items->width(), expanded ? listHeightExpanded : listHeightCollapsed);
    m_buffer->resize(m_buffer->width(), expanded ? bufferHeightExpanded : bufferHeightCollapsed);
}

QToolButton* MenuEditorPage::toolButton(const char* objectName, const char* hint, int standardIcon)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setToolTip(Translate(hint));
    button->setAccessibleName(button->toolTip());
    button->setIcon(style()->standardIcon(QStyle::StandardPixmap(standardIcon)));
    button->setFixedSize(24, 22);
    return button;
}

void MenuEditorPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    MenuEditorShow();
}

void MenuEditorPage::MenuEditorShow()
{
    m_fields->nameField()->setFocus();
}
