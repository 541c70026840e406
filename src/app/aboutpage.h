#pragma once

#include <QWidget>

class AppState;
class QPushButton;

// The static About page: the program's name and version, credits and the version history button.
class AboutPage : public QWidget
{
    Q_OBJECT

public:
    explicit AboutPage(const AppState& state, QWidget* parent = nullptr);

    QPushButton* historyButton() const { return m_history; }

private:
    // Opens the version history, Data\changelog.txt, in the desktop's viewer for text.
    void HistVerBClick();

    const AppState& m_state;
    QPushButton* m_history;
};
