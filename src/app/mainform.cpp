#include "mainform.h"

#include "aboutpage.h"
#include "actionlist.h"
#include "cfg/cfgeditorpage.h"
#include "common/appstate.h"
#include "common/linelist.h"
#include "common/paths.h"
#include "common/textfile.h"
#include "common/translate.h"
#include "links/roundedpanel.h"
#include "menu/buffergroup.h"
#include "menu/fieldpanel.h"
#include "menu/itemeditor.h"
#include "menu/itemlistcommands.h"
#include "menu/menueditorpage.h"
#include "menu/menufiles.h"
#include "optionspanel.h"
#include "platform/prompts.h"
#include "preview/previewoptions.h"
#include "preview/previewscreen.h"
#include "preview/scenebuilder.h"
#include "statepoll.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
constexpr int clientWidth = 938;
constexpr int clientHeight = 701;
constexpr int rightColumnLeft = 674;
constexpr int hintShowMilliseconds = 5000;
} // namespace

TMainForm::TMainForm(AppState& state, Prompts& prompts, const QString& commandLineFile,
                     QWidget* parent)
    : QWidget(parent), m_state(state), m_prompts(prompts), m_commandLineFile(commandLineFile)
{
    setObjectName(u"MainForm"_s);
    setWindowTitle(Translate("TAVU - редактор файлов меню"));
    setFixedSize(clientWidth, clientHeight);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    buildFolderBar();
    buildPages();
    buildRightColumn();
    m_actions = new ActionList(this);
    m_menuFiles = new MenuFiles(state, prompts, *m_menuPage, this);
    m_statePoll = new StatePoll(state, *m_menuPage, this);
    m_itemEditor = new ItemEditor(state, prompts, *m_menuPage, *m_actions->CancelAct, this);
    m_itemListCommands =
        new ItemListCommands(state, *m_menuPage, *m_itemEditor, *m_menuFiles,
                             {*m_actions->MoveStringUp, *m_actions->MoveStringDown}, this);
    wireCommands();
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::buildFolderBar()
{
    auto* label = new QLabel(Translate("Папка с меню \"Пуск\" (sMenu):"), this);
    label->setGeometry(8, 6, 200, 22);
    m_menuFolderEdit = new QLineEdit(this);
    m_menuFolderEdit->setObjectName(u"vMNUDir"_s);
    m_menuFolderEdit->setReadOnly(true);
    m_menuFolderEdit->setGeometry(210, 5, 686, 24);
    m_menuFolderEdit->installEventFilter(this);
    label->setBuddy(m_menuFolderEdit);
    m_menuFolderEdit->setAccessibleName(label->text());
    m_browseMenuFolder = new QToolButton(this);
    m_browseMenuFolder->setObjectName(u"BrowseMNUFol"_s);
    m_browseMenuFolder->setText(u"..."_s);
    m_browseMenuFolder->setToolTip(Translate("Выбрать папку с меню \"Пуск\""));
    m_browseMenuFolder->setAccessibleName(m_browseMenuFolder->toolTip());
    m_browseMenuFolder->setGeometry(900, 5, 30, 24);
}

void TMainForm::buildPages()
{
    m_editor = new QTabWidget(this);
    m_editor->setObjectName(u"Editor"_s);
    m_editor->setGeometry(6, 34, 664, 663);
    m_editor->hide();

    m_menuPage = new MenuEditorPage(m_state);
    m_cfgPage = new CfgEditorPage(m_state, m_prompts);
    m_aboutPage = new AboutPage(m_state);
    m_editor->addTab(m_menuPage, Translate("Редактор меню"));
    m_editor->addTab(m_cfgPage, Translate("Редактор настроек меню"));
    m_editor->addTab(m_aboutPage, Translate("О программе"));
}

void TMainForm::buildRightColumn()
{
    m_previewOptions = new PreviewOptions(m_prompts, this);
    m_previewOptions->move(rightColumnLeft, 30);
    m_previewScreen =
        new PreviewScreen(m_state, m_prompts, *m_previewOptions, *m_cfgPage->cfgList(), this);
    m_previewScreen->move(rightColumnLeft, 200);
    m_optionsPanel = new OptionsPanel(m_state, m_prompts, this);
    m_optionsPanel->setGeometry(rightColumnLeft, 549, 256, 148);
}

void TMainForm::wireCommands()
{
    connect(m_actions->QuitAct, &QAction::triggered, m_optionsPanel, &OptionsPanel::QuitActExecute);
    connect(m_optionsPanel, &OptionsPanel::quitConfirmed, this, &TMainForm::quitConfirmed);
    connect(m_browseMenuFolder, &QToolButton::clicked, m_menuFiles, &MenuFiles::BrowseMNUFolClick);
    connect(&m_state, &AppState::menuFolderChanged, m_menuFolderEdit,
            [this](const QString& folder) {
                m_menuFolderEdit->setText(QDir::toNativeSeparators(folder));
            });
    connect(m_menuFiles, &MenuFiles::menuFolderChosen, this, &TMainForm::loadWorkspace);
    connect(m_menuFiles, &MenuFiles::previewRefreshRequested, m_previewScreen,
            &PreviewScreen::b_RefreshPreviewClick);
    connect(m_cfgPage, &CfgEditorPage::previewRefreshRequested, m_previewScreen,
            &PreviewScreen::b_RefreshPreviewClick);
    connect(m_actions->NewAct, &QAction::triggered, m_menuFiles, &MenuFiles::NewActExecute);
    connect(m_actions->CancelAct, &QAction::triggered, m_itemEditor, &ItemEditor::CancelActExecute);
    connect(m_actions->ClearFileds, &QAction::triggered, m_itemEditor,
            &ItemEditor::ClearFiledsExecute);
    connect(m_actions->FocusOnCF, &QAction::triggered, m_itemEditor, &ItemEditor::FocusOnCFExecute);
    connect(m_actions->MoveStringUp, &QAction::triggered, m_itemListCommands,
            &ItemListCommands::MoveStringUpExecute);
    connect(m_actions->MoveStringDown, &QAction::triggered, m_itemListCommands,
            &ItemListCommands::MoveStringDownExecute);
    connect(m_actions->DelAct, &QAction::triggered, m_itemListCommands,
            &ItemListCommands::DelActExecute);
    connect(m_actions->SaveAct, &QAction::triggered, m_menuFiles, &MenuFiles::popUpSaveMenu);
    connect(m_actions->OpenAct, &QAction::triggered, m_menuFiles, &MenuFiles::popUpOpenMenu);
    for (QAction* action : m_menuFiles->boundFileActions())
        m_statePoll->addBoundFileAction(action);
    m_actions->installEditMenu(m_menuPage->fieldPanel()->nameField());
    m_actions->installEditMenu(m_menuPage->fieldPanel()->parameterField());
}

void TMainForm::FormCreate()
{
    m_previewOptions->backgroundSwatch()->setFillColour(Qt::yellow);
    createWorkspaceFolders();
    m_state.setCfgPath(m_state.menuFolderPath(u"\\data\\menu.cfg"_s));
    probeOptionalFiles();
    // The saved settings are not read yet: the options keep their start values and MenuFolder
    // stays the default folder.
    m_optionsPanel->languageBox()->setEnabled(
        fileExists(m_state.programPath(u"\\Data\\language.lng"_s)));
    m_menuFolderEdit->setText(QDir::toNativeSeparators(m_state.menuFolder()));
    m_editor->show();
    m_cfgPage->descriptionLabel()->clear();
    for (QWidget* widget : findChildren<QWidget*>())
        widget->setToolTipDuration(hintShowMilliseconds);
    loadBufferFile();
    m_cfgPage->LoadWorkspaceCfg();
    probeCobexTools();
    // The first preview is drawn once the window shows, from everything loaded here.
}

void TMainForm::createWorkspaceFolders()
{
    // Failures are not reported: a folder that cannot be made shows up later as a missing file.
    const QString programFolders[] = {u"\\Data\\eps"_s,   u"\\Data\\fs\\0"_s, u"\\Data\\fs\\1"_s,
                                      u"\\Data\\fs\\2"_s, u"\\Data\\fs\\4"_s, u"\\Data\\cobex"_s};
    QDir().mkpath(m_state.menuFolder());
    QDir().mkpath(m_state.menuFolderPath(u"\\data\\images\\icons\\"_s));
    for (const QString& folder : programFolders)
        QDir().mkpath(m_state.programPath(folder));
}

void TMainForm::probeOptionalFiles()
{
    m_aboutPage->historyButton()->setVisible(
        fileExists(m_state.programPath(u"\\Data\\changelog.txt"_s)));

    // The choice is made without its click command: drawing now, before menu.cfg is loaded,
    // would only repeat the drawing at the window's showing, and any error with it.
    const QStringList wallpapers = fixedWallpaperPaths(m_state.programDir());
    if (std::any_of(wallpapers.begin(), wallpapers.end(), fileExists))
        m_previewOptions->wallpaperChoice()->setChecked(true);
    else
        m_previewOptions->backgroundChoice()->setChecked(true);
}

void TMainForm::probeCobexTools()
{
    if (!fileExists(m_state.programPath(u"\\Data\\cobex\\obexcopy.exe"_s))) {
        m_state.appendErrorNote(
            Translate("Не найден \\Data\\cobex\\obexcopy.exe - невозможна прямая отправка на "
                      "телефон"));
        m_optionsPanel->warningMark()->show();
    }
    if (!fileExists(m_state.programPath(u"\\Data\\cobex\\obexsetup.exe"_s))) {
        m_optionsPanel->setCobexSetupAvailable(false);
        m_optionsPanel->warningMark()->show();
        m_state.appendErrorNote(
            u'\r' +
            Translate("Не найден \\Data\\cobex\\obexsetup.exe - невозможна настройка COBEX"));
    }
}

void TMainForm::loadBufferFile()
{
    const QString path = m_state.programPath(u"\\Data\\Buffer.buf"_s);
    if (!fileExists(path))
        return;
    const TextReadResult read = readTextLines(path);
    if (read.ok())
        m_menuPage->bufferGroup()->buffer()->setLines(read.lines);
    else
        m_prompts.error(read.error);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TMainForm::FormShow()
{
    m_editor->setCurrentWidget(m_menuPage);
    if (!m_commandLineFile.isEmpty())
        m_menuFiles->openFromCommandLine(m_commandLineFile);
    m_menuFiles->RefreshMenuLists();
    m_previewScreen->renderWhenFilesExist();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // The window closes only through Quit, which asks about unsaved changes first.
    event->ignore();
    m_optionsPanel->quitButton()->click();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_menuFolderEdit && event->type() == QEvent::MouseButtonDblClick) {
        m_browseMenuFolder->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TMainForm::attachDialogs(TSiF& saveName, TCIcons& chooser)
{
    m_menuFiles->setDialogs(saveName, chooser);
}

void TMainForm::loadWorkspace()
{
    if (m_cfgPage->LoadWorkspaceCfg())
        m_previewScreen->b_RefreshPreviewClick();
    else
        m_previewScreen->screen()->hide();
}
