#include "windowset.h"

#include "links/filechooser.h"
#include "mainform.h"
#include "menu/savenamedialog.h"

WindowSet::WindowSet(AppState& state, Prompts& prompts, const QString& commandLineFile,
                     const std::function<void()>& advance)
{
    const auto made = [&advance] {
        if (advance)
            advance();
    };
    m_mainForm = std::make_unique<TMainForm>(state, prompts, commandLineFile);
    made();
    m_saveName = new TSiF(state, prompts, m_mainForm.get());
    made();
    m_chooser = new TCIcons(prompts, m_mainForm.get());
    made();
    m_mainForm->attachDialogs(*m_saveName, *m_chooser);
}

WindowSet::~WindowSet() = default;
