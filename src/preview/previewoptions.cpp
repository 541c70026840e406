#include "previewoptions.h"

#include "common/translate.h"
#include "links/roundedpanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>

namespace {
template <typename Widget> Widget* named(Widget* widget, const char* objectName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}
} // namespace

PreviewOptions::PreviewOptions(QWidget* parent)
    : QGroupBox(Translate("Опции предпросмотра"), parent)
{
    setObjectName(QStringLiteral("GroupBox2"));
    setFixedSize(256, 166);

    auto* fontLabel = new QLabel(Translate("Шрифт:"), this);
    fontLabel->setGeometry(6, 20, 48, 22);
    m_font = named(new QFontComboBox(this), "Font");
    m_font->setCurrentIndex(-1);
    m_font->setGeometry(56, 20, 140, 22);
    fontLabel->setBuddy(m_font);
    m_font->setAccessibleName(fontLabel->text());
    m_fontSize = named(new QSpinBox(this), "FontSize");
    m_fontSize->setRange(5, 20);
    m_fontSize->setValue(10);
    m_fontSize->setGeometry(200, 20, 50, 22);
    m_fontSize->setAccessibleName(Translate("Размер шрифта"));

    m_size = named(new QComboBox(this), "SizeBox");
    m_size->addItems(
        {QStringLiteral("130x130"), QStringLiteral("132x176"), QStringLiteral("240x320")});
    m_size->setCurrentIndex(2);
    m_size->setGeometry(6, 46, 84, 22);
    m_size->setAccessibleName(Translate("Размер экрана"));
    m_background = named(new QRadioButton(this), "CBackground");
    m_background->setAccessibleName(Translate("Фон"));
    m_background->setGeometry(96, 48, 18, 18);
    m_changeBackground = named(new QPushButton(Translate("Фон..."), this), "ChangeBG");
    m_changeBackground->setGeometry(116, 46, 70, 22);
    m_swatch = named(new RoundedPanel(this), "bkcol");
    m_swatch->setFillColour(Qt::yellow);
    m_swatch->setGeometry(192, 46, 58, 22);

    m_refresh = named(new QPushButton(Translate("Обновить"), this), "b_RefreshPreview");
    m_refresh->setGeometry(6, 72, 84, 22);
    m_wallpaper = named(new QRadioButton(this), "CWallp");
    m_wallpaper->setAccessibleName(Translate("Обои"));
    m_wallpaper->setGeometry(96, 74, 18, 18);
    m_changeWallpaper = named(new QPushButton(Translate("Обои..."), this), "ChangeWallp");
    m_changeWallpaper->setGeometry(116, 72, 70, 22);
    m_wallpaperPath = named(new QLabel(this), "wpath");
    m_wallpaperPath->hide();

    m_digits = named(new QCheckBox(Translate("Нумерация"), this), "Show_Digits");
    m_startButton = named(new QCheckBox(Translate("Кнопка \"Пуск\""), this), "Show_img_button");
    m_startButton->setChecked(true);
    m_outline = named(new QCheckBox(Translate("Обводка"), this), "show_bevel");
    m_outline->setChecked(true);
    m_autoUpdate = named(new QCheckBox(Translate("Автообновление"), this), "AUpdate");
    m_autoUpdate->setChecked(true);
    int top = 97;
    for (QCheckBox* box : {m_digits, m_startButton, m_outline, m_autoUpdate}) {
        box->setGeometry(6, top, 160, 17);
        top += 17;
    }

    m_cursorUp = named(new QToolButton(this), "BitBtn2");
    m_cursorUp->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    m_cursorUp->setToolTip(Translate("Курсор вверх"));
    m_cursorUp->setAccessibleName(m_cursorUp->toolTip());
    m_cursorUp->setGeometry(224, 108, 26, 24);
    m_cursorDown = named(new QToolButton(this), "BitBtn3");
    m_cursorDown->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    m_cursorDown->setToolTip(Translate("Курсор вниз"));
    m_cursorDown->setAccessibleName(m_cursorDown->toolTip());
    m_cursorDown->setGeometry(224, 134, 26, 24);
}
