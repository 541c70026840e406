#include "previewscreen.h"

#include "cfg/cfgline.h"

#include "common/appstate.h"
#include "common/linelist.h"
#include "common/paths.h"
#include "common/translate.h"
#include "platform/prompts.h"
#include "preview/previewoptions.h"
#include "preview/scenebuilder.h"
#include "preview/scenepainter.h"

#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

PreviewScreen::PreviewScreen(AppState& state, Prompts& prompts, PreviewOptions& options,
                             const LineList& cfg, QWidget* parent)
    : QGroupBox(parent), m_state(state), m_prompts(prompts), m_options(options), m_cfg(cfg)
{
    setObjectName(u"PGroup"_s);
    // The screen is centred in the whole group, so a caption would lie under the largest one.
    setAccessibleName(Translate("Предпросмотр"));
    setFixedSize(256, 343);
    m_screen = new QLabel(this);
    m_screen->setObjectName(u"PPanel"_s);
    m_screen->setAccessibleName(Translate("Экран телефона"));
    m_screen->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_screen->hide();
    applyScreenSize();

    connect(&m_options, &PreviewOptions::refreshRequested, this,
            &PreviewScreen::b_RefreshPreviewClick);
    connect(m_options.sizeBox(), &QComboBox::activated, this, &PreviewScreen::SizeBoxSelect);
    connect(m_options.cursorUpButton(), &QToolButton::clicked, this, &PreviewScreen::BitBtn2Click);
    connect(m_options.cursorDownButton(), &QToolButton::clicked, this,
            &PreviewScreen::BitBtn3Click);
}

QWidget* PreviewScreen::screen() const
{
    return m_screen;
}

void PreviewScreen::RenderPreview()
{
    PreviewInput input;
    input.programDir = m_state.programDir();
    input.menuFolder = m_state.menuFolder();
    input.cfgLines = m_cfg.lines();
    input.settings = m_options.settings(m_screen->size());
    m_scene = buildPreviewScene(input, std::move(m_scene.stage), m_state.previewCursor(),
                                hexReportTo(m_prompts));
    m_state.setPreviewCursor(m_scene.cursor);
    if (m_scene.filledWithBackground)
        m_options.backgroundChoice()->setChecked(true);
    showScene();
    if (m_scene.end == PreviewScene::End::Completed)
        m_screen->show();
    else if (m_scene.end == PreviewScene::End::Failed)
        m_prompts.error(m_scene.error);
}

void PreviewScreen::renderWhenFilesExist()
{
    if (fileExists(m_state.menuFolderPath(u"\\mnu\\main.mnu"_s)) && fileExists(m_state.cfgPath()))
        RenderPreview();
}

void PreviewScreen::applyScreenSize()
{
    const QSize size = m_options.screenSize();
    m_screen->setGeometry(width() / 2 - size.width() / 2, height() / 2 - size.height() / 2,
                          size.width(), size.height());
    showScene();
}

void PreviewScreen::b_RefreshPreviewClick()
{
    const bool shown = m_options.startButtonShown();
    if (m_scene.stage.startButtonShown != shown) {
        m_scene.stage.startButtonShown = shown;
        showScene();
    }
    renderWhenFilesExist();
}

void PreviewScreen::refreshWhenAutoUpdating()
{
    if (m_options.autoUpdate())
        b_RefreshPreviewClick();
}

void PreviewScreen::SizeBoxSelect()
{
    applyScreenSize();
    b_RefreshPreviewClick();
}

// The cursor wraps: up from the first item goes to the last, down from the last to the first.
// With no items, up gives 255 and down 0; the next render clamps it.
void PreviewScreen::BitBtn2Click()
{
    const quint8 cursor = m_state.previewCursor();
    const int count = int(m_scene.stage.previewList.size());
    m_state.setPreviewCursor(cursor > 0 ? quint8(cursor - 1) : quint8(count - 1));
    b_RefreshPreviewClick();
}

void PreviewScreen::BitBtn3Click()
{
    const quint8 cursor = m_state.previewCursor();
    const int count = int(m_scene.stage.previewList.size());
    m_state.setPreviewCursor(int(cursor) < count - 1 ? quint8(cursor + 1) : quint8(0));
    b_RefreshPreviewClick();
}

void PreviewScreen::showScene()
{
    m_image = paintPreview(m_scene, m_screen->size());
    m_screen->setPixmap(QPixmap::fromImage(m_image));
}
