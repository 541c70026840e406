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
    m_state.setCfgPath(m_state.menuFolderPath(QStringLiteral("\\data\\menu.cfg")));
    const QString& path = m_state.cfgPath();
    bool found = fileExists(path);
    if (found) {
        const TextReadResult read = readTextLines(path);
        if (read.ok()) {
            m_cfg->setLines(read.lines);
            m_fileName->setText(QDir::toNativeSeparators(path));
        } else {
            m_prompts.error(read.error);
            found = false;
        }
    }
    if (!found) {
        m_cfg->setLines(m_defaultLines->lines());
        m_fileName->setText(Translate("Не найден ") + QDir::toNativeSeparators(path));
    }
    m_cfg->setEnabled(true);
    m_reload->setEnabled(found);
    m_save->setEnabled(found);
    return found;
}
