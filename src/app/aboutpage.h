#pragma once

#include <QWidget>

class QPushButton;

// The static About page: the program's name and version, credits and the version history button.
class AboutPage : public QWidget
{
    Q_OBJECT

public:
    explicit AboutPage(QWidget* parent = nullptr);

    QPushButton* historyButton() const { return m_history; }

private:
    QPushButton* m_history;
};
