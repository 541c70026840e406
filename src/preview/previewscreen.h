#pragma once

#include <QGroupBox>
#include <QImage>

class AppState;

// The preview group PGroup and its phone screen PPanel, which shows the rendered main menu.
class PreviewScreen : public QGroupBox
{
    Q_OBJECT

public:
    explicit PreviewScreen(AppState& state, QWidget* parent = nullptr);

    QWidget* screen() const { return m_screen; }

    // Draws the main menu from main.mnu and the lines of menu.cfg. The renderer is not built
    // yet, so the screen keeps what it shows.
    void RenderPreview() {}

private:
    AppState& m_state;
    QWidget* m_screen;
};
