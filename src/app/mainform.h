#pragma once

#include <QWidget>

class ActionList;
class AboutPage;
class AppState;
class CfgEditorPage;
class ItemEditor;
class ItemListCommands;
class MenuEditorPage;
class MenuFiles;
class OptionsPanel;
class PreviewOptions;
class PreviewScreen;
class Prompts;
class QLineEdit;
class QTabWidget;
class QToolButton;
class StatePoll;
class TCIcons;
class TSiF;

// The main window: the folder bar, the page control with the menu editor, the configuration
// editor and the About page, and at the right the preview options, the preview screen and the
// options panel. It composes the rooms and wires the calls between them; each room keeps its
// own handlers.
class TMainForm : public QWidget
{
    Q_OBJECT

public:
    // Creating the window runs its creation sequence: workspace folders, optional files,
    // configuration, buffer and first preview. commandLineFile is shown when the window is.
    TMainForm(AppState& state, Prompts& prompts, const QString& commandLineFile,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    MenuEditorPage* menuPage() const { return m_menuPage; }
    CfgEditorPage* cfgPage() const { return m_cfgPage; }
    ActionList* actions() const { return m_actions; }
    MenuFiles* menuFiles() const { return m_menuFiles; }

    // The dialogs are made after the main window; it hands them to the rooms that use them.
    void attachDialogs(TSiF& saveName, TCIcons& chooser);

Q_SIGNALS:
    // The user confirmed quitting; the application ends on this.
    void quitConfirmed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void buildFolderBar();
    void buildPages();
    void buildRightColumn();
    void wireCommands();
    void createWorkspaceFolders();
    void probeOptionalFiles();
    void probeCobexTools();
    void loadBufferFile();
    // Loads the menu folder's menu.cfg (or the default lines) and redraws or hides the preview.
    void loadWorkspace();

    AppState& m_state;
    Prompts& m_prompts;
    const QString m_commandLineFile;

    QLineEdit* m_menuFolderEdit = nullptr;
    QToolButton* m_browseMenuFolder = nullptr;
    QTabWidget* m_editor = nullptr;
    MenuEditorPage* m_menuPage = nullptr;
    CfgEditorPage* m_cfgPage = nullptr;
    AboutPage* m_aboutPage = nullptr;
    PreviewOptions* m_previewOptions = nullptr;
    PreviewScreen* m_previewScreen = nullptr;
    OptionsPanel* m_optionsPanel = nullptr;
    ActionList* m_actions = nullptr;
    MenuFiles* m_menuFiles = nullptr;
    StatePoll* m_statePoll = nullptr;
    ItemEditor* m_itemEditor = nullptr;
    ItemListCommands* m_itemListCommands = nullptr;
};
