#pragma once

#include <QWidget>

class AppState;
class LineList;
class Prompts;
class QLabel;
class QPushButton;

// The configuration editor page CFGEditor: the lines of menu.cfg in the list CFG, the file name
// and changed labels, and the file commands of the panel Panel3. The file commands read and write
// CfgPath; a command that fails to read or write shows the error and leaves the lines, CfgPath,
// the file name label and CfgChanged as they were.
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

Q_SIGNALS:
    // The lines were replaced by Open or Reload; the preview should be drawn again.
    void previewRefreshRequested();

private:
    QPushButton* commandButton(const char* objectName, const char* caption);

    void cfg_openClick();
    void cfg_OpenFromCFGClick();
    void cfg_SaveClick();
    void cfg_SaveInCFGClick();
    void cfg_SaveAsClick();

    // Replaces the lines with the file's; false after showing the error, the lines unchanged.
    bool readLinesFrom(const QString& path);
    // CfgPath and the file name label name the file.
    void bindToFile(const QString& path);
    // Writes the lines to the file and clears CfgChanged; false after showing the error.
    bool writeLinesTo(const QString& path);
    // Empties the editor area under the list after the lines were replaced.
    void resetEditorArea();

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
