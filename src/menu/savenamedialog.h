#pragma once

#include <QDialog>

class AppState;
class Prompts;
class QComboBox;
class QPushButton;

// The save-name dialog TSiF: asks for the name of a menu file in the menu folder, offering the
// names already there, and asks before an existing file is replaced.
class TSiF : public QDialog
{
    Q_OBJECT

public:
    TSiF(AppState& state, Prompts& prompts, QWidget* parent = nullptr);

    // With a name required, Ok is enabled only while a name is typed.
    void prepare(bool nameRequired);
    QString name() const;
    // The menu file the name stands for: MenuFolder/mnu/<name>.mnu.
    QString chosenPath() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SiF_NameChange(const QString& text);
    void bOkClick();

    AppState& m_state;
    Prompts& m_prompts;
    QComboBox* m_name;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    bool m_nameRequired = false;
};
