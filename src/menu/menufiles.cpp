#include "menufiles.h"

#include "buffergroup.h"
#include "common/appstate.h"
#include "common/filesearch.h"
#include "common/paths.h"
#include "common/textfile.h"
#include "common/translate.h"
#include "fieldpanel.h"
#include "itemlist.h"
#include "links/filechooser.h"
#include "menueditorpage.h"
#include "menuline.h"
#include "savenamedialog.h"

#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
const QString menuFileFilter = u"Файлы меню (.mnu) (*.mnu)"_s;
// Where F2 and F3 pop their menus up, from the window's corner and the button's place.
const QPoint keyMenuOffset(26, 91);
} // namespace

MenuFiles::MenuFiles(AppState& state, Prompts& prompts, MenuEditorPage& page, QObject* parent)
    : QObject(parent), m_state(state), m_prompts(prompts), m_page(page)
{
    m_openDialog = {Translate("Открыть файл меню..."), menuFileFilter, QString(), QString()};
    m_saveDialog = {Translate("Сохранить файл меню как..."), menuFileFilter, QString(), QString()};
    buildMenus();

    connect(page.newButton(), &QToolButton::clicked, this, &MenuFiles::NewActExecute);
    connect(page.openButton(), &QToolButton::clicked, this,
            [this] { m_openMenu->popup(QCursor::pos()); });
    connect(page.saveButton(), &QToolButton::clicked, this,
            [this] { m_saveMenu->popup(QCursor::pos()); });
    connect(page.quickOpenList(), &QComboBox::activated, this, &MenuFiles::MNUListSelect);
    connect(page.deleteFileButton(), &QToolButton::clicked, this, &MenuFiles::DelCurrFileClick);
    page.itemList()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(page.itemList(), &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        m_listMenu->popup(m_page.itemList()->viewport()->mapToGlobal(at));
    });
}

void MenuFiles::setDialogs(TSiF& saveName, TCIcons& chooser)
{
    m_saveName = &saveName;
    m_chooser = &chooser;
}

QAction* MenuFiles::addEntry(QMenu* menu, const char* objectName, const QString& text,
                             void (MenuFiles::*command)())
{
    QAction* entry = menu->addAction(text);
    entry->setObjectName(QString::fromLatin1(objectName));
    if (command)
        connect(entry, &QAction::triggered, this, command);
    return entry;
}

void MenuFiles::buildMenus()
{
    m_openMenu = new QMenu(&m_page);
    m_openMenu->setObjectName(u"OpenMenu"_s);
    addEntry(m_openMenu, "mOpen", Translate("&1 Открыть..."), &MenuFiles::mOpenClick);
    addEntry(m_openMenu, "mOpenDM", Translate("&2 Открыть из ...\\mnu..."),
             &MenuFiles::mOpenDMClick);

    // The first Save entry's C is a Latin letter.
    m_saveMenu = new QMenu(&m_page);
    m_saveMenu->setObjectName(u"SaveMenu"_s);
    QAction* save =
        addEntry(m_saveMenu, "mSave", Translate("&1 Cохранить"), &MenuFiles::mSaveClick);
    addEntry(m_saveMenu, "mSaveAs", Translate("&2 Сохранить как..."), &MenuFiles::mSaveAsClick);
    addEntry(m_saveMenu, "mSaveDM", Translate("&3 Сохранить в ...\\mnu..."),
             &MenuFiles::mSaveDMClick);
    m_saveMenu->addSeparator();
    QAction* send =
        addEntry(m_saveMenu, "MenuSendOnPhone", Translate("Отправить на телефон..."), nullptr);

    m_listMenu = new QMenu(&m_page);
    m_listMenu->setObjectName(u"CFMenu"_s);
    addEntry(m_listMenu, "cfNew", Translate("&1 Новый"), &MenuFiles::NewActExecute);
    addEntry(m_listMenu, "cfOpen", Translate("&2 Открыть..."), &MenuFiles::mOpenClick);
    addEntry(m_listMenu, "cfOpenDM", Translate("&3 Открыть из ...\\mnu..."),
             &MenuFiles::mOpenDMClick);
    QAction* listSave =
        addEntry(m_listMenu, "m_Save", Translate("&4 Сохранить"), &MenuFiles::mSaveClick);
    addEntry(m_listMenu, "cfSaveAs", Translate("&5 Сохранить как..."), &MenuFiles::mSaveAsClick);
    addEntry(m_listMenu, "cfSaveDM", Translate("&6 Сохранить в ...\\mnu..."),
             &MenuFiles::mSaveDMClick);
    m_listMenu->addSeparator();
    QAction* listSend =
        addEntry(m_listMenu, "MenuSendOnPhone2", Translate("Отправить на телефон..."), nullptr);

    m_boundFileActions = {save, listSave, send, listSend};
}

QList<QAction*> MenuFiles::boundFileActions() const
{
    return m_boundFileActions;
}

void MenuFiles::popUpSaveMenu()
{
    popUpAtKeyPoint(m_saveMenu, m_page.saveButton());
}

void MenuFiles::popUpOpenMenu()
{
    popUpAtKeyPoint(m_openMenu, m_page.openButton());
}

void MenuFiles::popUpAtKeyPoint(QMenu* menu, QToolButton* button)
{
    if (!m_page.isVisible())
        return;
    menu->popup(m_page.window()->frameGeometry().topLeft() + button->pos() + keyMenuOffset);
}

bool MenuFiles::confirmDiscardingChanges()
{
    return !m_state.menuChanged() ||
           m_prompts.ask(programCaption(), Translate("Данные не сохранены. Продолжать?"));
}

std::optional<QStringList> MenuFiles::readMenuFile(const QString& path)
{
    TextReadResult read = readTextLines(path);
    if (!read.ok()) {
        m_prompts.error(read.error);
        return std::nullopt;
    }
    return std::move(read.lines);
}

bool MenuFiles::writeLines(const QString& path, const QStringList& lines)
{
    const QString error = writeTextLines(path, lines);
    if (!error.isEmpty())
        m_prompts.error(error);
    return error.isEmpty();
}

void MenuFiles::bind(const QString& path, const QStringList& lines)
{
    m_state.setMenuPath(path);
    m_state.setMenuChanged(false);
    m_page.itemList()->setLines(lines);
}

// After another file is loaded no line is chosen: the move buttons are off and the delete
// button is hidden until an item is loaded into the fields.
void MenuFiles::resetListControls()
{
    m_page.moveUpButton()->setEnabled(false);
    m_page.moveDownButton()->setEnabled(false);
    m_page.deleteLineButton()->setEnabled(false);
}

void MenuFiles::focusByPanel()
{
    if (m_page.fieldPanel()->isExpanded())
        m_page.itemList()->setFocus();
    else
        m_page.fieldPanel()->nameField()->setFocus();
}

void MenuFiles::selectCurrentEntry()
{
    QComboBox* quickOpen = m_page.quickOpenList();
    const int entry = quickOpen->findText(fileNamePart(m_state.menuPath()),
                                          Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry >= 0)
        quickOpen->setCurrentIndex(entry);
}

void MenuFiles::openFromCommandLine(const QString& path)
{
    if (path.endsWith(u".mnu"_s)) {
        const std::optional<QStringList> lines = readMenuFile(path);
        if (!lines)
            return;
        m_page.itemList()->setLines(*lines);
        m_saveDialog.defaultName = fileNamePart(path);
    }
    m_state.setMenuPath(path);
    setMenuWindowTitle();
}

QStringList MenuFiles::refillBufferFileList()
{
    const QStringList names = findFiles(m_state.menuFolderPath(u"\\mnu"_s), u"*.mnu"_s);
    QComboBox* bufferFiles = m_page.bufferGroup()->menuFiles();
    bufferFiles->clear();
    bufferFiles->addItems(names);
    bufferFiles->setCurrentIndex(-1);
    return names;
}

void MenuFiles::RefreshMenuLists()
{
    QStringList sorted = refillBufferFileList();
    sorted.sort(Qt::CaseInsensitive);
    QComboBox* quickOpen = m_page.quickOpenList();
    quickOpen->clear();
    quickOpen->addItems(sorted);
    quickOpen->setCurrentIndex(-1);
}

void MenuFiles::NewActExecute()
{
    if (!m_page.isVisible() || !confirmDiscardingChanges())
        return;
    m_saveName->prepare(false);
    if (m_prompts.exec(*m_saveName) != QDialog::Accepted)
        return;
    const QString path = m_saveName->name().isEmpty() ? QString() : m_saveName->chosenPath();
    // The new file is written first, so a name the file system refuses changes nothing.
    if (!path.isEmpty() && !writeLines(path, {}))
        return;
    bind(path, {});
    if (!path.isEmpty()) {
        setMenuWindowTitle();
        RefreshMenuLists();
        selectCurrentEntry();
    } else {
        setTitles(programCaption(), programCaption());
        m_page.quickOpenList()->setCurrentIndex(-1);
    }
    for (QLineEdit* field : m_page.fieldPanel()->fields())
        field->clear();
    focusByPanel();
    m_page.bufferGroup()->toBuffer()->setEnabled(false);
    m_saveDialog.defaultName = path;
    m_page.deleteLineButton()->setEnabled(false);
}

void MenuFiles::mOpenClick()
{
    if (!confirmDiscardingChanges())
        return;
    const QString path = m_prompts.openFileName(m_openDialog);
    if (path.isEmpty())
        return;
    const std::optional<QStringList> lines = readMenuFile(path);
    if (!lines)
        return;
    bind(path, *lines);
    m_saveDialog.folder = folderPart(path);
    m_saveDialog.defaultName = fileNamePart(path);
    setMenuWindowTitle();
    m_page.fieldPanel()->clearKeptFields();
    resetListControls();
    m_page.deleteLineButton()->hide();
    focusByPanel();
    m_page.quickOpenList()->setCurrentIndex(-1);
}

void MenuFiles::mOpenDMClick()
{
    if (!confirmDiscardingChanges())
        return;
    if (!m_chooser->setUp(Translate("Открыть меню"), m_state.menuFolderPath(u"\\mnu"_s), u"*.mnu"_s,
                          175))
        return;
    if (m_prompts.exec(*m_chooser) != QDialog::Accepted || m_chooser->chosenPath().isEmpty())
        return;
    const QString path = m_chooser->chosenPath();
    const std::optional<QStringList> lines = readMenuFile(path);
    if (!lines)
        return;
    bind(path, *lines);
    // This caption has two blanks before the name; the application title has one.
    const QString name = fileNamePart(path);
    setTitles(Translate("TAVU - редактор файлов меню -  ") + name,
              Translate("TAVU - редактор файлов меню - ") + name);
    m_page.fieldPanel()->clearKeptFields();
    resetListControls();
    m_page.deleteLineButton()->hide();
    selectCurrentEntry();
    focusByPanel();
}

void MenuFiles::MNUListSelect(int index)
{
    QComboBox* quickOpen = m_page.quickOpenList();
    if (!confirmDiscardingChanges()) {
        if (!m_state.menuPath().isEmpty())
            selectCurrentEntry();
        return;
    }
    const QString path = m_state.menuFolderPath(u"\\mnu\\"_s) + quickOpen->itemText(index);
    const std::optional<QStringList> lines = readMenuFile(path);
    if (!lines) {
        // The list keeps naming the file that is open.
        quickOpen->setCurrentIndex(-1);
        selectCurrentEntry();
        return;
    }
    bind(path, *lines);
    setMenuWindowTitle();
}

void MenuFiles::mSaveClick()
{
    if (m_state.menuPath().isEmpty() || !writeLines(m_state.menuPath(), m_page.itemList()->lines()))
        return;
    if (isMainMenuName(fileNamePart(m_state.menuPath())))
        Q_EMIT previewRefreshRequested();
    m_state.setMenuChanged(false);
}

void MenuFiles::mSaveAsClick()
{
    const QString path = m_prompts.saveFileName(m_saveDialog);
    if (path.isEmpty())
        return;
    m_saveDialog.defaultName = path;
    if (!writeLines(path, m_page.itemList()->lines()))
        return;
    m_state.setMenuPath(path);
    m_state.setMenuChanged(false);
    setMenuWindowTitle();
    if (folderPart(path) == m_state.menuFolderPath(u"\\mnu"_s))
        refillBufferFileList();
}

void MenuFiles::mSaveDMClick()
{
    m_saveName->prepare(true);
    if (m_prompts.exec(*m_saveName) == QDialog::Accepted) {
        const QString path = m_saveName->chosenPath();
        if (writeLines(path, m_page.itemList()->lines())) {
            m_state.setMenuPath(path);
            m_state.setMenuChanged(false);
            setMenuWindowTitle();
            RefreshMenuLists();
        }
    }
    selectCurrentEntry();
}

void MenuFiles::DelCurrFileClick()
{
    const QString& path = m_state.menuPath();
    if (path.isEmpty() || !m_prompts.ask(Translate("TAVO - Редактор меню"),
                                         Translate("Вы действительно хотите удалить файл ") +
                                             QDir::toNativeSeparators(path) + u'?'))
        return;
    QFile file(path);
    if (file.exists() && !file.remove()) {
        m_prompts.error(Translate("Не удаётся удалить файл \"%1\":\n%2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    m_page.quickOpenList()->setCurrentIndex(-1);
    bind(QString(), {});
    resetListControls();
    RefreshMenuLists();
}

void MenuFiles::BrowseMNUFolClick()
{
    const QString folder = m_prompts.existingFolder(
        Translate("Выберите рабочую папку с меню \"Пуск\" (sMenu)"), m_state.menuFolder());
    if (folder.isEmpty())
        return;
    m_state.setMenuFolder(QDir::fromNativeSeparators(folder));
    RefreshMenuLists();
    Q_EMIT menuFolderChosen();
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
