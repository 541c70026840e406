#include "cfgeditorpage.h"

#include "cfg/keycatalogue.h"
#include "common/appstate.h"
#include "common/linelist.h"
#include "common/paths.h"
#include "common/textfile.h"
#include "common/translate.h"
#include "platform/prompts.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Both file dialogs offer menu.cfg first and every file second.
FileDialogSpec cfgFileDialog(const char* title)
{
    FileDialogSpec spec;
    spec.title = Translate(title);
    spec.filter = Translate("menu.cfg (menu.cfg);;Все файлы (*)");
    return spec;
}

// The open dialog CFGOpen.
FileDialogSpec CFGOpen()
{
    return cfgFileDialog("Открыть menu.cfg...");
}

// The save dialog CFGSave. It replaces an existing file without asking.
FileDialogSpec CFGSave()
{
    FileDialogSpec spec = cfgFileDialog("Сохранить menu.cfg как...");
    spec.defaultName = u"menu.cfg"_s;
    return spec;
}

} // namespace

CfgEditorPage::CfgEditorPage(AppState& state, Prompts& prompts, QWidget* parent)
    : QWidget(parent), m_state(state), m_prompts(prompts)
{
    setObjectName(QStringLiteral("CFGEditor"));

    m_fileName = new QLabel(this);
    m_fileName->setObjectName(QStringLiteral("CFGFileNameLabel"));
    m_fileName->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_changedMark = new QLabel(Translate("Изменен"), this);
    m_changedMark->setObjectName(QStringLiteral("cfg_changedlabel"));
    QPalette markPalette = m_changedMark->palette();
    markPalette.setColor(QPalette::WindowText, Qt::red);
    m_changedMark->setPalette(markPalette);
    m_changedMark->setVisible(state.cfgChanged());
    connect(&state, &AppState::cfgChangedChanged, m_changedMark, &QLabel::setVisible);

    m_cfg = new LineList(this);
    m_cfg->setObjectName(QStringLiteral("CFG"));
    m_cfg->setFont(fixedPitchFont(13));
    m_cfg->setAccessibleName(Translate("Строки menu.cfg"));
    m_cfg->setLines(defaultCfgLines());

    m_defaultLines = new LineList(this);
    m_defaultLines->setObjectName(QStringLiteral("DEFCFG"));
    m_defaultLines->setLines(defaultCfgLines());
    m_defaultLines->hide();

    m_description = new QLabel(this);
    m_description->setObjectName(QStringLiteral("DescriptionItemLabel"));
    m_description->setWordWrap(true);

    m_commands = new QWidget(this);
    m_commands->setObjectName(QStringLiteral("Panel3"));
    m_open = commandButton("cfg_open", "Открыть...");
    m_reload = commandButton("cfg_OpenFromCFG", "Открыть ...\\data\\menu.cfg");
    m_save = commandButton("cfg_Save", "Сохранить");
    m_saveInWorkspace = commandButton("cfg_SaveInCFG", "Сохранить ...\\data\\menu.cfg");
    m_saveAs = commandButton("cfg_SaveAs", "Сохранить как...");
    m_send = commandButton("SendOnPhone", "Отправить на телефон...");
    auto* commandsLayout = new QVBoxLayout(m_commands);
    commandsLayout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {m_open, m_reload, m_save, m_saveInWorkspace, m_saveAs, m_send})
        commandsLayout->addWidget(button);
    commandsLayout->addStretch();

    auto* header = new QHBoxLayout;
    header->addWidget(m_fileName, 1);
    header->addWidget(m_changedMark);

    auto* layout = new QGridLayout(this);
    layout->addLayout(header, 0, 0, 1, 2);
    layout->addWidget(m_cfg, 1, 0);
    layout->addWidget(m_commands, 1, 1);
    layout->addWidget(m_description, 2, 0, 1, 2);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(0, 1);

    connect(m_open, &QPushButton::clicked, this, &CfgEditorPage::cfg_openClick);
    connect(m_reload, &QPushButton::clicked, this, &CfgEditorPage::cfg_OpenFromCFGClick);
    connect(m_save, &QPushButton::clicked, this, &CfgEditorPage::cfg_SaveClick);
    connect(m_saveInWorkspace, &QPushButton::clicked, this, &CfgEditorPage::cfg_SaveInCFGClick);
    connect(m_saveAs, &QPushButton::clicked, this, &CfgEditorPage::cfg_SaveAsClick);
}

QPushButton* CfgEditorPage::commandButton(const char* objectName, const char* caption)
{
    auto* button = new QPushButton(Translate(caption), m_commands);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

QStringList CfgEditorPage::lines() const
{
    return m_cfg->lines();
}

bool CfgEditorPage::LoadWorkspaceCfg()
{
    m_state.setCfgPath(m_state.menuFolderPath(u"\\data\\menu.cfg"_s));
    const QString& path = m_state.cfgPath();
    const bool found = fileExists(path) && readLinesFrom(path);
    if (found) {
        m_fileName->setText(QDir::toNativeSeparators(path));
    } else {
        m_cfg->setLines(m_defaultLines->lines());
        m_fileName->setText(Translate("Не найден ") + QDir::toNativeSeparators(path));
    }
    m_cfg->setEnabled(true);
    m_reload->setEnabled(found);
    m_save->setEnabled(found);
    return found;
}

void CfgEditorPage::cfg_openClick()
{
    if (m_state.cfgChanged() &&
        !m_prompts.ask(programCaption(), Translate("Данные не сохранены. Продолжать?")))
        return;
    const QString path = m_prompts.openFileName(CFGOpen());
    if (path.isEmpty())
        return;
    // The chosen file becomes CfgPath only once it has been read, so that a later Save cannot
    // write the old lines over a file that could not be read.
    if (!readLinesFrom(path))
        return;
    bindToFile(path);
    m_state.setCfgChanged(false);
    resetEditorArea();
    Q_EMIT previewRefreshRequested();
}

void CfgEditorPage::cfg_OpenFromCFGClick()
{
    // Reloading is how unsaved edits are thrown away, so it asks nothing. Without a file the
    // lines stay, but they count as unchanged.
    const QString& path = m_state.cfgPath();
    if (fileExists(path) && !readLinesFrom(path))
        return;
    m_state.setCfgChanged(false);
    resetEditorArea();
    Q_EMIT previewRefreshRequested();
}

void CfgEditorPage::cfg_SaveClick()
{
    writeLinesTo(m_state.cfgPath());
}

void CfgEditorPage::cfg_SaveInCFGClick()
{
    // This is how a workspace without menu.cfg gets one; from then on it can be reloaded and
    // saved. After Open or Save as it writes the file they chose.
    const QString path = m_state.cfgPath();
    if (!writeLinesTo(path))
        return;
    bindToFile(path);
    m_reload->setEnabled(true);
    m_save->setEnabled(true);
}

void CfgEditorPage::cfg_SaveAsClick()
{
    const QString path = m_prompts.saveFileName(CFGSave());
    if (path.isEmpty())
        return;
    // As with Open, the file becomes CfgPath only once it has been written.
    if (writeLinesTo(path))
        bindToFile(path);
}

bool CfgEditorPage::readLinesFrom(const QString& path)
{
    const TextReadResult read = readTextLines(path);
    if (!read.ok()) {
        m_prompts.error(read.error);
        return false;
    }
    m_cfg->setLines(read.lines);
    return true;
}

void CfgEditorPage::bindToFile(const QString& path)
{
    m_state.setCfgPath(path);
    m_fileName->setText(QDir::toNativeSeparators(path));
}

bool CfgEditorPage::writeLinesTo(const QString& path)
{
    const QString error = writeTextLines(path, lines());
    if (!error.isEmpty()) {
        m_prompts.error(error);
        return false;
    }
    m_state.setCfgChanged(false);
    return true;
}

void CfgEditorPage::resetEditorArea()
{
    m_description->clear();
}
