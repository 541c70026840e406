#pragma once

#include <QString>

#include <functional>
#include <memory>

class AppState;
class Prompts;
class TCIcons;
class TMainForm;
class TSiF;

// The windows of the program, created once, in a fixed order, and kept for the whole run: the
// main window first, then the dialogs, which keep their state between uses.
class WindowSet
{
public:
    // advance is called after each window is made (the splash's progress bar).
    WindowSet(AppState& state, Prompts& prompts, const QString& commandLineFile,
              const std::function<void()>& advance = {});
    ~WindowSet();

    static constexpr int windowCount = 3;

    TMainForm& mainForm() const { return *m_mainForm; }

private:
    std::unique_ptr<TMainForm> m_mainForm;
    // Owned by the main window, which is their parent.
    TSiF* m_saveName = nullptr;
    TCIcons* m_chooser = nullptr;
};
