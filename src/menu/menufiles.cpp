#include "menufiles.h"

#include "buffergroup.h"
#include "common/appstate.h"
#include "common/filesearch.h"
#include "common/paths.h"
#include "common/textfile.h"
#include "common/translate.h"
#include "itemlist.h"
#include "menueditorpage.h"
#include "platform/prompts.h"

#include <QComboBox>

MenuFiles::MenuFiles(AppState& state, Prompts& prompts, MenuEditorPage& page, QObject* parent)
    : QObject(parent), m_state(state), m_prompts(prompts), m_page(page)
{
}

void MenuFiles::openFromCommandLine(const QString& path)
{
    if (path.endsWith(QStringLiteral(".mnu"))) {
        const TextReadResult read = readTextLines(path);
        if (!read.ok()) {
            m_prompts.error(read.error);
            return;
        }
        m_page.itemList()->setLines(read.lines);
    }
    m_state.setMenuPath(path);
    setMenuWindowTitle();
}

void MenuFiles::RefreshMenuLists()
{
    const QStringList names =
        findFiles(m_state.menuFolderPath(QStringLiteral("\\mnu")), QStringLiteral("*.mnu"));

    QComboBox* bufferFiles = m_page.bufferGroup()->menuFiles();
    bufferFiles->clear();
    bufferFiles->addItems(names);
    bufferFiles->setCurrentIndex(-1);

    QStringList sorted = names;
    sorted.sort(Qt::CaseInsensitive);
    QComboBox* quickOpen = m_page.quickOpenList();
    quickOpen->clear();
    quickOpen->addItems(sorted);
    quickOpen->setCurrentIndex(-1);
}

void MenuFiles::setMenuWindowTitle()
{
    const QString title =
        Translate("TAVU - редактор файлов меню - ") + fileNamePart(m_state.menuPath());
    setTitles(title, title);
}

void MenuFiles::setTitles(const QString& caption, const QString& applicationTitle)
{
    m_page.window()->setWindowTitle(caption);
    m_state.setApplicationTitle(applicationTitle);
}
