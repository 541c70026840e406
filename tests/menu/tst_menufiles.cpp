#include "app/mainform.h"
#include "common/linelist.h"
#include "menu/menufiles.h"
#include "support/editorfixture.h"
#include "support/typing.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QStringList itemTexts(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

// Answers the save-name dialog with a name and Ok.
ScriptedPrompts::DialogScript typeNameAndOk(const QString& name)
{
    return [name](QDialog& dialog) {
        typeText(dialog.findChild<QComboBox*>(u"SiF_Name"_s)->lineEdit(), name);
        QTest::mouseClick(dialog.findChild<QPushButton*>(u"bOk"_s), Qt::LeftButton);
    };
}

void trigger(const EditorFixture& editor, const char* entry)
{
    QAction* action = editor.window().findChild<QAction*>(QString::fromLatin1(entry));
    QVERIFY2(action, entry);
    QVERIFY2(action->isEnabled(), entry);
    action->trigger();
}

const QByteArray twoLines = "a|b|FILE|x\r\n\xc8\xe3\xf0\xfb|c|FOLDER|y\r\n";
const QStringList twoLinesText = {u"a|b|FILE|x"_s, u"Игры|c|FOLDER|y"_s};

} // namespace

class TestMenuFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newWithAName();
    void newWithAnEmptyName();
    void newWithAnExistingName();
    void newAsksWhileChanged_data();
    void newAsksWhileChanged();
    void saveIntoMenuFolderNeedsAName();
    void openThroughDialog();
    void openFailureChangesNothing();
    void openFromMenuFolder();
    void openFromMissingMenuFolder();
    void quickOpen();
    void quickOpenWhileChangedAnsweredNo();
    void saveWritesBytesAndRefreshesMainMenuPreview_data();
    void saveWritesBytesAndRefreshesMainMenuPreview();
    void saveAsListsOnlyInBufferFiles_data();
    void saveAsListsOnlyInBufferFiles();
    void deleteCurrentFile();
    void deleteFailureKeepsFileBound();
    void chooseFolderWithoutMenuCfg();
    void keysOpenMenusOnlyOnMenuPage();
};

void TestMenuFiles::newWithAName()
{
    EditorFixture editor;
    editor.start();
    editor.prompts.runNextDialog(typeNameAndOk(u"games"_s));
    QTest::keyClick(&editor.window(), Qt::Key_F1);

    const QString path = editor.menuFolderFile(u"mnu/games.mnu"_s);
    QCOMPARE(editor.workspace.readFile(u"Data/sMenu/mnu/games.mnu"_s), QByteArray());
    QVERIFY(editor.workspace.exists(u"Data/sMenu/mnu/games.mnu"_s));
    QCOMPARE(editor.state.menuPath(), path);
    QCOMPARE(editor.find<QComboBox>("MNUList")->currentText(), u"games.mnu"_s);
    QCOMPARE(editor.window().windowTitle(), u"TAVU - редактор файлов меню - games.mnu"_s);
    QCOMPARE(editor.state.applicationTitle(), u"TAVU - редактор файлов меню - games.mnu"_s);
    QVERIFY(editor.find<QToolButton>("DelCurrFile")->isEnabled());
}

void TestMenuFiles::newWithAnEmptyName()
{
    EditorFixture editor;
    editor.start();
    editor.find<LineList>("ContentsFile")->setLines({u"x|y|FILE|z"_s});
    editor.find<QLineEdit>("i_icon")->setText(u"icons\\kept.png"_s);
    editor.prompts.runNextDialog([](QDialog& dialog) {
        QVERIFY(dialog.findChild<QPushButton*>(u"bOk"_s)->isEnabled());
        QTest::mouseClick(dialog.findChild<QPushButton*>(u"bOk"_s), Qt::LeftButton);
    });
    QTest::mouseClick(editor.find<QToolButton>("bClear"), Qt::LeftButton);

    QCOMPARE(editor.state.menuPath(), QString());
    QVERIFY(editor.find<LineList>("ContentsFile")->isEmpty());
    QCOMPARE(editor.window().windowTitle(), u"TAVU - редактор файлов меню"_s);
    QCOMPARE(editor.find<QLineEdit>("i_icon")->text(), QString()); // every field, kept or not
    QVERIFY(!editor.workspace.exists(u"Data/sMenu/mnu/.mnu"_s));
    QVERIFY(!editor.find<QToolButton>("DelCurrFile")->isEnabled());
    QVERIFY(!editor.window().findChild<QAction*>(u"mSave"_s)->isEnabled());
}

void TestMenuFiles::newWithAnExistingName()
{
    EditorFixture editor;
    editor.writeMenuFolderFile(u"mnu/games.mnu"_s, twoLines);
    editor.start();
    editor.prompts.answerNext(false);
    editor.prompts.answerNext(true);
    bool stayedOpenOnNo = false;
    editor.prompts.runNextDialog([&](QDialog& dialog) {
        auto* name = dialog.findChild<QComboBox*>(u"SiF_Name"_s);
        QCOMPARE(itemTexts(name), QStringList{u"games"_s});
        typeText(name->lineEdit(), u"games"_s);
        QPushButton* ok = dialog.findChild<QPushButton*>(u"bOk"_s);
        QTest::mouseClick(ok, Qt::LeftButton);
        stayedOpenOnNo = dialog.isVisible() && dialog.result() != QDialog::Accepted;
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    QTest::keyClick(&editor.window(), Qt::Key_F1);

    QVERIFY(stayedOpenOnNo);
    const auto questions = editor.prompts.shownOf(ScriptedPrompts::Kind::Question);
    QCOMPARE(questions.size(), 2);
    QCOMPARE(questions.first().text, u"Файл уже существует. Заменить?"_s);
    QCOMPARE(questions.first().title, u"TAVU - редактор файлов меню"_s);
    QCOMPARE(editor.workspace.readFile(u"Data/sMenu/mnu/games.mnu"_s), QByteArray());
}

void TestMenuFiles::newAsksWhileChanged_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("No keeps everything") << false;
    QTest::newRow("Yes goes on") << true;
}

void TestMenuFiles::newAsksWhileChanged()
{
    QFETCH(bool, answer);
    EditorFixture editor;
    editor.start();
    editor.find<LineList>("ContentsFile")->setLines({u"x|y|FILE|z"_s});
    editor.state.setMenuChanged(true);
    editor.prompts.answerNext(answer);
    editor.prompts.runNextDialog(typeNameAndOk(QString()));
    QTest::keyClick(&editor.window(), Qt::Key_F1);

    QCOMPARE(editor.prompts.shown().first().text, u"Данные не сохранены. Продолжать?"_s);
    QCOMPARE(editor.prompts.count(ScriptedPrompts::Kind::Dialog), answer ? 1 : 0);
    QCOMPARE(editor.find<LineList>("ContentsFile")->isEmpty(), answer);
    QCOMPARE(editor.state.menuChanged(), !answer);
}

void TestMenuFiles::saveIntoMenuFolderNeedsAName()
{
    EditorFixture editor;
    editor.start();
    editor.find<LineList>("ContentsFile")->setLines(twoLinesText);
    editor.state.setMenuChanged(true);
    editor.prompts.runNextDialog([](QDialog& dialog) {
        QPushButton* ok = dialog.findChild<QPushButton*>(u"bOk"_s);
        QLineEdit* name = dialog.findChild<QComboBox*>(u"SiF_Name"_s)->lineEdit();
        QVERIFY(!ok->isEnabled());
        typeText(name, u"apps"_s);
        QVERIFY(ok->isEnabled());
        name->clear();
        QVERIFY(!ok->isEnabled());
        typeText(name, u"apps"_s);
        QTest::keyClick(name, Qt::Key_Return);
    });
    trigger(editor, "mSaveDM");

    QCOMPARE(editor.workspace.readFile(u"Data/sMenu/mnu/apps.mnu"_s), twoLines);
    QCOMPARE(editor.state.menuPath(), editor.menuFolderFile(u"mnu/apps.mnu"_s));
    QVERIFY(!editor.state.menuChanged());
    QCOMPARE(editor.find<QComboBox>("MNUList")->currentText(), u"apps.mnu"_s);
    QCOMPARE(itemTexts(editor.find<QComboBox>("bufMNU")), QStringList{u"apps.mnu"_s});
    QCOMPARE(editor.window().windowTitle(), u"TAVU - редактор файлов меню - apps.mnu"_s);
}

void TestMenuFiles::openThroughDialog()
{
    EditorFixture editor;
    const QString path = editor.writeMenuFolderFile(u"mnu/games.mnu"_s, twoLines);
    editor.start();
    editor.find<QLineEdit>("i_name")->setText(u"gone"_s);
    editor.find<QLineEdit>("i_icon")->setText(u"kept"_s);
    editor.prompts.chooseNextFile(path);
    trigger(editor, "mOpen");

    const FileDialogSpec dialog = editor.prompts.fileDialogs().first();
    QCOMPARE(dialog.title, u"Открыть файл меню..."_s);
    QCOMPARE(dialog.filter, u"Файлы меню (.mnu) (*.mnu)"_s);
    QCOMPARE(editor.find<LineList>("ContentsFile")->lines(), twoLinesText);
    QCOMPARE(editor.state.menuPath(), path);
    QCOMPARE(editor.window().windowTitle(), u"TAVU - редактор файлов меню - games.mnu"_s);
    QCOMPARE(editor.find<QComboBox>("MNUList")->currentIndex(), -1);
    QCOMPARE(editor.find<QLineEdit>("i_name")->text(), QString());
    QCOMPARE(editor.find<QLineEdit>("i_icon")->text(), u"kept"_s);
    QVERIFY(!editor.find<QToolButton>("Del")->isVisible());
    QVERIFY(editor.find<LineList>("ContentsFile")->hasFocus());

    // Save as then proposes the opened file's folder and name.
    editor.prompts.chooseNextFile(QString());
    trigger(editor, "mSaveAs");
    const FileDialogSpec save = editor.prompts.fileDialogs().last();
    QCOMPARE(save.title, u"Сохранить файл меню как..."_s);
    QCOMPARE(save.folder, editor.menuFolderFile(u"mnu"_s));
    QCOMPARE(save.defaultName, u"games.mnu"_s);
}

void TestMenuFiles::openFailureChangesNothing()
{
    EditorFixture editor;
    const QString current = editor.writeMenuFolderFile(u"mnu/main.mnu"_s, twoLines);
    editor.start(current);
    editor.find<LineList>("ContentsFile")->appendLine(u"unsaved|x|FILE|y"_s);
    editor.state.setMenuChanged(true);
    const QString missing = editor.menuFolderFile(u"mnu/missing.mnu"_s);
    editor.prompts.answerNext(true);
    editor.prompts.chooseNextFile(missing);
    trigger(editor, "mOpen");

    const auto errors = editor.prompts.shownOf(ScriptedPrompts::Kind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.first().text.contains(missing));
    QCOMPARE(editor.state.menuPath(), current);
    QCOMPARE(editor.find<LineList>("ContentsFile")->count(), 3);
    QVERIFY(editor.state.menuChanged());
    QCOMPARE(editor.window().windowTitle(), u"TAVU - редактор файлов меню - main.mnu"_s);
}

void TestMenuFiles::openFromMenuFolder()
{
    EditorFixture editor;
    editor.writeMenuFolderFile(u"mnu/main.mnu"_s, {});
    editor.writeMenuFolderFile(u"mnu/games.mnu"_s, twoLines);
    editor.writeMenuFolderFile(u"mnu/notes.txt"_s, {});
    editor.start();
    QStringList listed;
    editor.prompts.runNextDialog([&](QDialog& dialog) {
        auto* files = dialog.findChild<LineList*>(u"IconsDir"_s);
        listed = files->lines();
        QCOMPARE(dialog.windowTitle(), u"Открыть меню"_s);
        QCOMPARE(dialog.width(), 165);
        QPushButton* ok = dialog.findChild<QPushButton*>(u"bOk"_s);
        QVERIFY(!ok->isEnabled());
        QCOMPARE(dialog.focusWidget(), files);
        QTest::keyClick(files, Qt::Key_Down); // games.mnu, the first
        QVERIFY(ok->isEnabled());
        QTest::keyClick(files, Qt::Key_Return);
    });
    trigger(editor, "mOpenDM");

    QCOMPARE(listed, (QStringList{u"games.mnu"_s, u"main.mnu"_s}));
    QCOMPARE(editor.find<LineList>("ContentsFile")->lines(), twoLinesText);
    QCOMPARE(editor.state.menuPath(), editor.menuFolderFile(u"mnu/games.mnu"_s));
    QCOMPARE(editor.window().windowTitle(), u"TAVU - редактор файлов меню -  games.mnu"_s);
    QCOMPARE(editor.state.applicationTitle(), u"TAVU - редактор файлов меню - games.mnu"_s);
    QCOMPARE(editor.find<QComboBox>("MNUList")->currentText(), u"games.mnu"_s);

    // Esc cancels and changes nothing.
    editor.prompts.runNextDialog([](QDialog& dialog) {
        QTest::keyClick(dialog.findChild<LineList*>(u"IconsDir"_s), Qt::Key_Escape);
    });
    trigger(editor, "cfOpenDM");
    QCOMPARE(editor.state.menuPath(), editor.menuFolderFile(u"mnu/games.mnu"_s));
}

void TestMenuFiles::openFromMissingMenuFolder()
{
    EditorFixture editor;
    editor.start();
    trigger(editor, "mOpenDM");
    const auto errors = editor.prompts.shownOf(ScriptedPrompts::Kind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.first().text.contains(editor.menuFolderFile(u"mnu"_s)));
    QCOMPARE(editor.prompts.count(ScriptedPrompts::Kind::Dialog), 0);
}

void TestMenuFiles::quickOpen()
{
    EditorFixture editor;
    editor.writeMenuFolderFile(u"mnu/games.mnu"_s, twoLines);
    editor.writeMenuFolderFile(u"mnu/main.mnu"_s, "m|i|FILE|p\r\n");
    editor.start();
    editor.find<QLineEdit>("i_name")->setText(u"stays"_s);
    QComboBox* quickOpen = editor.find<QComboBox>("MNUList");
    quickOpen->setCurrentIndex(0);
    Q_EMIT quickOpen->activated(0);

    QCOMPARE(editor.find<LineList>("ContentsFile")->lines(), twoLinesText);
    QCOMPARE(editor.state.menuPath(), editor.menuFolderFile(u"mnu/games.mnu"_s));
    QCOMPARE(editor.window().windowTitle(), u"TAVU - редактор файлов меню - games.mnu"_s);
    QCOMPARE(editor.find<QLineEdit>("i_name")->text(), u"stays"_s);
    QVERIFY(editor.prompts.shown().isEmpty());
}

void TestMenuFiles::quickOpenWhileChangedAnsweredNo()
{
    EditorFixture editor;
    const QString games = editor.writeMenuFolderFile(u"mnu/games.mnu"_s, twoLines);
    editor.writeMenuFolderFile(u"mnu/main.mnu"_s, "m|i|FILE|p\r\n");
    editor.start();
    editor.prompts.chooseNextFile(games);
    trigger(editor, "mOpen");
    editor.find<LineList>("ContentsFile")->appendLine(u"new|i|FILE|p"_s);
    editor.state.setMenuChanged(true);

    QComboBox* quickOpen = editor.find<QComboBox>("MNUList");
    editor.prompts.answerNext(false);
    quickOpen->setCurrentIndex(1);
    Q_EMIT quickOpen->activated(1);

    QCOMPARE(editor.prompts.shown().last().text, u"Данные не сохранены. Продолжать?"_s);
    QCOMPARE(editor.find<LineList>("ContentsFile")->count(), 3);
    QCOMPARE(editor.state.menuPath(), games);
    QCOMPARE(editor.window().windowTitle(), u"TAVU - редактор файлов меню - games.mnu"_s);
    QCOMPARE(quickOpen->currentText(), u"games.mnu"_s);
}

void TestMenuFiles::saveWritesBytesAndRefreshesMainMenuPreview_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("refreshes");
    QTest::newRow("Main.Mnu in any folder") << u"elsewhere/Main.Mnu"_s << 1;
    QTest::newRow("another file") << u"Data/sMenu/mnu/games.mnu"_s << 0;
}

void TestMenuFiles::saveWritesBytesAndRefreshesMainMenuPreview()
{
    QFETCH(QString, name);
    QFETCH(int, refreshes);
    EditorFixture editor;
    const QString path = editor.workspace.writeFile(name, "old\n");
    editor.start();
    editor.prompts.chooseNextFile(path);
    trigger(editor, "mOpen");
    LineList* items = editor.find<LineList>("ContentsFile");
    items->setLines(twoLinesText + QStringList{QString()});
    editor.state.setMenuChanged(true);
    QSignalSpy refresh(editor.window().menuFiles(), &MenuFiles::previewRefreshRequested);
    trigger(editor, "m_Save");

    QCOMPARE(editor.workspace.readFile(name), twoLines + "\r\n");
    QVERIFY(!editor.state.menuChanged());
    QCOMPARE(refresh.count(), refreshes);
}

void TestMenuFiles::saveAsListsOnlyInBufferFiles_data()
{
    QTest::addColumn<bool>("sameCase");
    QTest::newRow("menu folder") << true;
    QTest::newRow("menu folder in other letter case") << false;
}

void TestMenuFiles::saveAsListsOnlyInBufferFiles()
{
    QFETCH(bool, sameCase);
    EditorFixture editor;
    editor.writeMenuFolderFile(u"mnu/main.mnu"_s, "m|i|FILE|p\r\n");
    editor.workspace.makeFolder(u"Data/sMenu/MNU"_s);
    editor.start();
    editor.find<LineList>("ContentsFile")->setLines(twoLinesText);
    const QString path = editor.menuFolderFile(sameCase ? u"mnu/main.mnu"_s : u"MNU/new.mnu"_s);
    editor.prompts.chooseNextFile(path);
    QSignalSpy refresh(editor.window().menuFiles(), &MenuFiles::previewRefreshRequested);
    trigger(editor, "mSaveAs");

    QCOMPARE(editor.workspace.readFile(path.mid(editor.workspace.root().size() + 1)), twoLines);
    QCOMPARE(editor.state.menuPath(), path);
    QCOMPARE(refresh.count(), 0);
    QCOMPARE(editor.window().windowTitle(),
             u"TAVU - редактор файлов меню - "_s + path.section(u'/', -1));
    QCOMPARE(itemTexts(editor.find<QComboBox>("MNUList")), QStringList{u"main.mnu"_s});

    if (sameCase) {
        // Saved as a new name into the menu folder: only the buffer's list learns of it.
        editor.prompts.chooseNextFile(editor.menuFolderFile(u"mnu/games.mnu"_s));
        trigger(editor, "cfSaveAs");
        QStringList buffered = itemTexts(editor.find<QComboBox>("bufMNU"));
        buffered.sort();
        QCOMPARE(buffered, (QStringList{u"games.mnu"_s, u"main.mnu"_s}));
        QCOMPARE(itemTexts(editor.find<QComboBox>("MNUList")), QStringList{u"main.mnu"_s});
    } else {
        QCOMPARE(itemTexts(editor.find<QComboBox>("bufMNU")), QStringList{u"main.mnu"_s});
    }
}

void TestMenuFiles::deleteCurrentFile()
{
    EditorFixture editor;
    const QString games = editor.writeMenuFolderFile(u"mnu/games.mnu"_s, twoLines);
    editor.writeMenuFolderFile(u"mnu/main.mnu"_s, {});
    editor.start(games);
    editor.prompts.answerNext(true);
    QTest::mouseClick(editor.find<QToolButton>("DelCurrFile"), Qt::LeftButton);

    const auto question = editor.prompts.shownOf(ScriptedPrompts::Kind::Question).first();
    QCOMPARE(question.title, u"TAVO - Редактор меню"_s);
    QCOMPARE(question.text, u"Вы действительно хотите удалить файл "_s + games + u'?');
    QVERIFY(!editor.workspace.exists(u"Data/sMenu/mnu/games.mnu"_s));
    QCOMPARE(editor.state.menuPath(), QString());
    QVERIFY(editor.find<LineList>("ContentsFile")->isEmpty());
    QVERIFY(!editor.find<QToolButton>("DelCurrFile")->isEnabled());
    for (const char* save : {"mSave", "m_Save"})
        QVERIFY(!editor.window().findChild<QAction*>(QString::fromLatin1(save))->isEnabled());
    QCOMPARE(itemTexts(editor.find<QComboBox>("MNUList")), QStringList{u"main.mnu"_s});
    QCOMPARE(itemTexts(editor.find<QComboBox>("bufMNU")), QStringList{u"main.mnu"_s});
    // The title still names the deleted file.
    QCOMPARE(editor.window().windowTitle(), u"TAVU - редактор файлов меню - games.mnu"_s);
}

void TestMenuFiles::deleteFailureKeepsFileBound()
{
    EditorFixture editor;
    // A folder in the file's place cannot be removed as a file.
    const QString path = editor.workspace.makeFolder(u"Data/sMenu/mnu/odd.mnu"_s);
    editor.workspace.writeFile(u"Data/sMenu/mnu/odd.mnu/inside"_s, "x");
    editor.start();
    editor.state.setMenuPath(path);
    editor.find<LineList>("ContentsFile")->setLines(twoLinesText);
    editor.prompts.answerNext(true);
    QTest::mouseClick(editor.find<QToolButton>("DelCurrFile"), Qt::LeftButton);

    QCOMPARE(editor.prompts.count(ScriptedPrompts::Kind::Error), 1);
    QCOMPARE(editor.state.menuPath(), path);
    QCOMPARE(editor.find<LineList>("ContentsFile")->lines(), twoLinesText);
}

void TestMenuFiles::chooseFolderWithoutMenuCfg()
{
    EditorFixture editor;
    editor.writeMenuFolderFile(u"data/menu.cfg"_s, "X0 :0\r\n");
    const QString games = editor.writeMenuFolderFile(u"mnu/games.mnu"_s, twoLines);
    const QString other = editor.workspace.makeFolder(u"other"_s);
    editor.workspace.writeFile(u"other/mnu/apps.mnu"_s, {});
    editor.start(games);
    editor.find<QWidget>("PPanel")->show();
    editor.state.setMenuChanged(true);
    editor.prompts.chooseNextFolder(other);
    QTest::mouseClick(editor.find<QToolButton>("BrowseMNUFol"), Qt::LeftButton);

    QCOMPARE(editor.prompts.shown().first().title,
             u"Выберите рабочую папку с меню \"Пуск\" (sMenu)"_s);
    QCOMPARE(editor.state.menuFolder(), other);
    QCOMPARE(editor.find<QLineEdit>("vMNUDir")->text(), other);
    QCOMPARE(itemTexts(editor.find<QComboBox>("MNUList")), QStringList{u"apps.mnu"_s});
    QCOMPARE(itemTexts(editor.find<QComboBox>("bufMNU")), QStringList{u"apps.mnu"_s});
    QVERIFY(!editor.find<QWidget>("PPanel")->isVisible());
    QCOMPARE(editor.find<QLabel>("CFGFileNameLabel")->text(),
             u"Не найден "_s + other + u"/data/menu.cfg"_s);
    QCOMPARE(editor.find<LineList>("CFG")->count(), 30);
    // The open menu file stays open and bound to its old path.
    QCOMPARE(editor.state.menuPath(), games);
    QCOMPARE(editor.find<LineList>("ContentsFile")->lines(), twoLinesText);
    QVERIFY(editor.state.menuChanged());
    QVERIFY(!editor.workspace.exists(u"other/data"_s));
}

void TestMenuFiles::keysOpenMenusOnlyOnMenuPage()
{
    EditorFixture editor;
    editor.start();
    auto* saveMenu = editor.window().findChild<QMenu*>(u"SaveMenu"_s);
    auto* openMenu = editor.window().findChild<QMenu*>(u"OpenMenu"_s);

    QTest::keyClick(&editor.window(), Qt::Key_F2);
    QVERIFY(saveMenu->isVisible());
    QStringList entries;
    for (const QAction* entry : saveMenu->actions())
        entries.append(entry->text());
    QCOMPARE(entries, (QStringList{u"&1 Cохранить"_s, u"&2 Сохранить как..."_s,
                                   u"&3 Сохранить в ...\\mnu..."_s, QString(),
                                   u"Отправить на телефон..."_s}));
    saveMenu->close();

    editor.find<QTabWidget>("Editor")->setCurrentIndex(1);
    QTest::keyClick(&editor.window(), Qt::Key_F3);
    QVERIFY(!openMenu->isVisible());
    editor.prompts.runNextDialog(typeNameAndOk(u"x"_s));
    QTest::keyClick(&editor.window(), Qt::Key_F1);
    QCOMPARE(editor.prompts.count(ScriptedPrompts::Kind::Dialog), 0);

    editor.find<QTabWidget>("Editor")->setCurrentIndex(0);
    QTest::keyClick(&editor.window(), Qt::Key_F3);
    QVERIFY(openMenu->isVisible());
    openMenu->close();
}

QTEST_MAIN(TestMenuFiles)
#include "tst_menufiles.moc"
