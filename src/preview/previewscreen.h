#pragma once

#include "preview/previewscene.h"

#include <QGroupBox>
#include <QImage>

class AppState;
class LineList;
class PreviewOptions;
class Prompts;
class QLabel;

// The preview group PGroup and its phone screen PPanel, which shows the main menu drawn from
// main.mnu and the lines of menu.cfg as the options say. It keeps what one render leaves for the
// next, handles the options that change the screen (its size and the preview cursor) and redraws
// when the options ask for it.
class PreviewScreen : public QGroupBox
{
    Q_OBJECT

public:
    PreviewScreen(AppState& state, Prompts& prompts, PreviewOptions& options, const LineList& cfg,
                  QWidget* parent = nullptr);

    QWidget* screen() const;
    const PreviewScene& scene() const { return m_scene; }
    // The picture the screen shows.
    const QImage& image() const { return m_image; }

    // Rebuilds the whole scene and shows it. The screen becomes visible once a render completes;
    // a failed render shows what it drew up to the failure and then the error.
    void RenderPreview();
    // Renders only when main.mnu and the file at CfgPath both exist.
    void renderWhenFilesExist();
    // Sizes the screen to the size box's choice and centres it in the group, without a render.
    void applyScreenSize();

public Q_SLOTS:
    // The refresh command: shows or hides the start button as the options say, at once, then
    // renders when main.mnu and menu.cfg exist.
    void b_RefreshPreviewClick();
    // Refreshes while auto-update is on; for applied changes of menu.cfg values.
    void refreshWhenAutoUpdating();

private:
    void SizeBoxSelect();
    void BitBtn2Click();
    void BitBtn3Click();
    void showScene();

    AppState& m_state;
    Prompts& m_prompts;
    PreviewOptions& m_options;
    const LineList& m_cfg;
    QLabel* m_screen;
    PreviewScene m_scene;
    QImage m_image;
};
