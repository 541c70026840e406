#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;
class RoundedPanel;

// The preview options GroupBox2: screen size, font, background colour or wallpaper, numbering,
// outline, start button, cursor movement, refresh and auto-update.
class PreviewOptions : public QGroupBox
{
    Q_OBJECT

public:
    explicit PreviewOptions(QWidget* parent = nullptr);

    QRadioButton* backgroundChoice() const { return m_background; }
    QRadioButton* wallpaperChoice() const { return m_wallpaper; }
    RoundedPanel* backgroundSwatch() const { return m_swatch; }

private:
    QFontComboBox* m_font;
    QSpinBox* m_fontSize;
    QComboBox* m_size;
    QRadioButton* m_background;
    RoundedPanel* m_swatch;
    QPushButton* m_changeBackground;
    QPushButton* m_refresh;
    QRadioButton* m_wallpaper;
    QPushButton* m_changeWallpaper;
    QLabel* m_wallpaperPath;
    QCheckBox* m_digits;
    QCheckBox* m_startButton;
    QCheckBox* m_outline;
    QCheckBox* m_autoUpdate;
    QToolButton* m_cursorUp;
    QToolButton* m_cursorDown;
};
