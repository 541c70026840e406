#include "previewoptions.h"

#include "common/strings1251.h"
#include "common/translate.h"
#include "links/roundedpanel.h"
#include "platform/prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
template <typename Widget> Widget* named(Widget* widget, const char* objectName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}
} // namespace

PreviewOptions::PreviewOptions(Prompts& prompts, QWidget* parent)
    : QGroupBox(Translate("Опции предпросмотра"), parent), m_prompts(prompts)
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
    m_swatch->setAccessibleName(Translate("Цвет фона"));
    m_swatch->installEventFilter(this);

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

    // Changing the font, its size, the background or wallpaper choice, the numbering, the
    // outline or the start button only redraws.
    connect(m_font, &QFontComboBox::currentFontChanged, this, &PreviewOptions::refreshRequested);
    // Every change of the size box's text counts, an empty or unfinished one too.
    connect(m_fontSize->findChild<QLineEdit*>(), &QLineEdit::textChanged, this,
            &PreviewOptions::refreshRequested);
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             m_background, m_wallpaper, m_digits, m_outline, m_startButton, m_refresh})
        connect(button, &QAbstractButton::clicked, this, &PreviewOptions::refreshRequested);
    connect(m_changeBackground, &QPushButton::clicked, this, &PreviewOptions::ChangeBGClick);
    connect(m_changeWallpaper, &QPushButton::clicked, this, &PreviewOptions::ChangeWallpClick);
    connect(m_autoUpdate, &QCheckBox::clicked, this, &PreviewOptions::AUpdateClick);
}

QSize PreviewOptions::screenSize() const
{
    const auto [width, height] = SplitAtChar(m_size->currentText(), u'x');
    return QSize(width.toInt(), height.toInt());
}

bool PreviewOptions::startButtonShown() const
{
    return m_startButton->isChecked();
}

bool PreviewOptions::autoUpdate() const
{
    return m_autoUpdate->isChecked();
}

PreviewSettings PreviewOptions::settings(QSize screen) const
{
    PreviewSettings settings;
    settings.screen = screen;
    settings.wallpaper = m_wallpaper->isChecked();
    settings.background = m_swatch->fillColour();
    settings.chosenWallpaper = m_wallpaperPath->text();
    if (m_font->currentIndex() >= 0)
        settings.fontName = m_font->currentText();
    // An empty size box leaves the texts at their default size; a text that is no number
    // counts as the smallest size.
    const QString sizeText = m_fontSize->cleanText();
    if (sizeText.isEmpty()) {
        settings.fontPoints.reset();
    } else {
        bool ok = false;
        const int points = sizeText.toInt(&ok);
        settings.fontPoints = ok ? points : m_fontSize->minimum();
    }
    settings.digits = m_digits->isChecked();
    settings.outline = m_outline->isChecked();
    return settings;
}

bool PreviewOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_swatch && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ChangeBGClick();
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

void PreviewOptions::ChangeBGClick()
{
    QColor colour;
    if (!m_prompts.chooseColor(colour))
        return;
    m_swatch->setFillColour(colour);
    m_background->setChecked(true);
    Q_EMIT refreshRequested();
}

void PreviewOptions::ChangeWallpClick()
{
    FileDialogSpec spec;
    spec.title = Translate("Открыть обои...");
    spec.filter = u"PNG,JPG,BMP (*.png *.jpg *.jpeg *.bmp);;PNG (*.png);;JPG (*.jpg *.jpeg);;"
                  u"BMP (*.bmp)"_s;
    const QString path = m_prompts.openFileName(spec);
    if (path.isEmpty())
        return;
    // Only the path is kept; the file stays where it is.
    m_wallpaperPath->setText(path);
    m_wallpaper->setChecked(true);
    Q_EMIT refreshRequested();
}

void PreviewOptions::AUpdateClick()
{
    if (m_autoUpdate->isChecked())
        Q_EMIT refreshRequested();
}
