#include "windowset.h"

#include "mainform.h"

WindowSet::WindowSet(AppState& state, Prompts& prompts, const QString& commandLineFile,
                     const std::function<void()>& advance)
{
    const auto made = [&advance] {
        if (advance)
            advance();
    };
    m_mainForm = std::make_unique<TMainForm>(state, prompts, commandLineFile);
    made();
}

WindowSet::~WindowSet() = default;
