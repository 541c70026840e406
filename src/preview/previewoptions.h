#pragma once

#include "preview/previewscene.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;
class Prompts;
class RoundedPanel;

// The preview options GroupBox2: screen size, font, background colour or wallpaper, numbering,
// outline, start button, cursor movement, refresh and auto-update. Every change of an option
// asks for a redraw; the size box and the cursor buttons are handled by the preview screen,
// which owns what they change.
class PreviewOptions : public QGroupBox
{
    Q_OBJECT

public:
    explicit PreviewOptions(Prompts& prompts, QWidget* parent = nullptr);

    QRadioButton* backgroundChoice() const { return m_background; }
    QRadioButton* wallpaperChoice() const { return m_wallpaper; }
    RoundedPanel* backgroundSwatch() const { return m_swatch; }
    QComboBox* sizeBox() const { return m_size; }
    QToolButton* cursorUpButton() const { return m_cursorUp; }
    QToolButton* cursorDownButton() const { return m_cursorDown; }

    // The size the size box names: its text split at the first "x" into width and height.
    QSize screenSize() const;
    bool startButtonShown() const;
    bool autoUpdate() const;
    // The options as the renderer reads them, for a screen of the given size.
    PreviewSettings settings(QSize screen) const;

Q_SIGNALS:
    // An option changed or the refresh button was pressed.
    void refreshRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ChangeBGClick();
    void ChangeWallpClick();
    void AUpdateClick();

    Prompts& m_prompts;
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
