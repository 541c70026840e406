#pragma once

#include <QWidget>

class AppState;
class LineList;
class Prompts;
class QLabel;
class QPushButton;

// The configuration editor page CFGEditor: the lines of menu.cfg in the list CFG, the file name
// and changed labels, and the file command buttons of the panel Panel3.
class CfgEditorPage : public QWidget
{
    Q_OBJECT

public:
    CfgEditorPage(AppState& state, Prompts& prompts, QWidget* parent = nullptr);

    LineList* cfgList() const { return m_cfg; }
    QStringList lines() const;
    QLabel* descriptionLabel() const { return m_description; }

    // Points CfgPath at the workspace's menu.cfg and shows its lines, or the default lines with
    // "Не найден " and the path when the file is missing. Returns whether the file exists.
    bool LoadWorkspaceCfg();

private:
    QPushButton* commandButton(const char* objectName, const char* caption);

    AppState& m_state;
    Prompts& m_prompts;
    LineList* m_cfg;
    LineList* m_defaultLines;
    QLabel* m_fileName;
    QLabel* m_changedMark;
    QLabel* m_description;
    QWidget* m_commands;
    QPushButton* m_open;
    QPushButton* m_reload;
    QPushButton* m_save;
    QPushButton* m_saveInWorkspace;
    QPushButton* m_saveAs;
    QPushButton* m_send;
};
