#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class QProgressBar;
class QTimer;
class WindowSet;

// The splash window: a picture with a progress bar. Its timer fires once, about a second after
// start, creates every window of the program while the bar advances, hides the splash and shows
// the main window.
class TLoadForm : public QWidget
{
    Q_OBJECT

public:
    using CreateWindows = std::function<std::unique_ptr<WindowSet>(std::function<void()> advance)>;

    TLoadForm(int windowCount, CreateWindows createWindows);
    ~TLoadForm() override;

    WindowSet* windows() const { return m_windows.get(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void TTimer();

    const int m_windowCount;
    CreateWindows m_createWindows;
    QProgressBar* m_progress;
    QTimer* m_timer;
    std::unique_ptr<WindowSet> m_windows;
};
