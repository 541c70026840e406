#pragma once

#include <QFrame>

class AppState;
class Prompts;
class QComboBox;
class QPushButton;
class QToolButton;

// The options panel OptPanel: settings, OBEX set-up, interface language, start-up warnings and
// quitting.
class OptionsPanel : public QFrame
{
    Q_OBJECT

public:
    OptionsPanel(const AppState& state, Prompts& prompts, QWidget* parent = nullptr);

    QPushButton* saveSettingsButton() const { return m_saveSettings; }
    QPushButton* cobexSetupButton() const { return m_cobexSetup; }
    QComboBox* languageBox() const { return m_language; }
    QToolButton* warningMark() const { return m_warning; }
    QPushButton* quitButton() const { return m_quit; }

    // Without the set-up tool its button is disabled and drawn narrower.
    void setCobexSetupAvailable(bool available);

    // Quit: asks first while the menu file or menu.cfg has unsaved changes.
    void QuitActExecute();

Q_SIGNALS:
    // The user confirmed quitting; the application ends on this.
    void quitConfirmed();

private:
    void ErrorWarnClick();

    const AppState& m_state;
    Prompts& m_prompts;
    QPushButton* m_saveSettings;
    QPushButton* m_cobexSetup;
    QComboBox* m_language;
    QToolButton* m_warning;
    QPushButton* m_quit;
};
