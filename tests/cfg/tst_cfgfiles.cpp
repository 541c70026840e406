#include "app/mainform.h"
#include "cfg/cfgeditorpage.h"
#include "cfg/cfgline.h"
#include "common/linelist.h"
#include "support/editorfixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

const QString notFound = u"Не найден "_s;
const QString unsavedQuestion = u"Данные не сохранены. Продолжать?"_s;
const QString cfgFilter = u"menu.cfg (menu.cfg);;Все файлы (*)"_s;

// What "Сохранить ...\data\menu.cfg" writes in a workspace without menu.cfg.
const QByteArray defaultFile = ";this is simple menu config\r\n"
                               "Price :\r\n"
                               "Name :\r\n"
                               "Copiright :\r\n"
                               ";data here\r\n"
                               "MainBGimg :\r\n"
                               "ItemTopImg :\r\n"
                               "ItemOneImg :\r\n"
                               "ItemImg :\r\n"
                               "ItemBtmImg :\r\n"
                               "ArrowItemTopImg :\r\n"
                               "ArrowItemImg :\r\n"
                               "ArrowItemBtmImg :\r\n"
                               "StartButtonImg :\r\n"
                               "MainCursorImg :\r\n"
                               "SubCursorImg :\r\n"
                               "ItemColor :\r\n"
                               "ItemBorder :\r\n"
                               "SmItemColor :\r\n"
                               "SmItemBorder :\r\n"
                               "SelItemColor :\r\n"
                               "SelItemBorder :\r\n"
                               "SmSelItemColor :\r\n"
                               "SmSelItemBorder :\r\n"
                               "X0 :0\r\n"
                               "Y0 :0\r\n"
                               "ItemXofsMain :0\r\n"
                               "ItemXofsSub :0\r\n"
                               "ItemYofsMain :0\r\n"
                               "ItemTextXofs :0\r\n";

// LF line ends, a comment, Cyrillic in Windows-1251 ("Моё"), an empty line, an unknown key, a
// key given twice and text after a second colon.
const QByteArray mixedFile = ";my menu\n"
                             "Name:\xcc\xee\xb8\n"
                             "\n"
                             "Wallpaper :w.png\n"
                             "X0 :5\n"
                             "X0 :7\n"
                             "Copiright :(c) 2009: all\n";
const QStringList mixedLines = {u";my menu"_s,
                                u"Name:Моё"_s,
                                QString(),
                                u"Wallpaper :w.png"_s,
                                u"X0 :5"_s,
                                u"X0 :7"_s,
                                u"Copiright :(c) 2009: all"_s};

QByteArray withCrLf(QByteArray bytes)
{
    return bytes.replace("\n", "\r\n");
}

// The editor showing its configuration page.
class CfgEditor : public EditorFixture
{
public:
    void startOnCfgPage()
    {
        start();
        find<QTabWidget>("Editor")->setCurrentWidget(find<QWidget>("CFGEditor"));
    }

    void click(const char* button) const
    {
        QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
    }
    bool enabled(const char* button) const { return find<QPushButton>(button)->isEnabled(); }

    LineList* cfg() const { return find<LineList>("CFG"); }
    QStringList lines() const { return cfg()->lines(); }
    QString fileLabel() const { return find<QLabel>("CFGFileNameLabel")->text(); }
    QLabel* description() const { return find<QLabel>("DescriptionItemLabel"); }
    CfgEditorPage* page() const { return window().cfgPage(); }

    QString workspaceCfg() const { return menuFolderFile(u"data/menu.cfg"_s); }
    QByteArray workspaceCfgBytes() const
    {
        return workspace.readFile(u"Data/sMenu/data/menu.cfg"_s);
    }
};

} // namespace

class TestCfgFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void missingWorkspaceFileIsCreatedFromDefaultLines();
    void saveCommandsKeepEveryLine_data();
    void saveCommandsKeepEveryLine();
    void openedFileIsWhatTheOtherCommandsUse();
    void openAsksWhileChanged_data();
    void openAsksWhileChanged();
    void failedOpenKeepsTheOldFile();
    void reloadDiscardsEditsWithoutAsking_data();
    void reloadDiscardsEditsWithoutAsking();
    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();
    void hexMessagesGoThroughPrompts_data();
    void hexMessagesGoThroughPrompts();
};

void TestCfgFiles::missingWorkspaceFileIsCreatedFromDefaultLines()
{
    CfgEditor editor;
    editor.startOnCfgPage();
    QCOMPARE(editor.lines(), editor.find<LineList>("DEFCFG")->lines());
    QCOMPARE(editor.fileLabel(), notFound + editor.workspaceCfg());
    QVERIFY(!editor.enabled("cfg_Save"));
    QVERIFY(!editor.enabled("cfg_OpenFromCFG"));
    QVERIFY(!editor.workspace.exists(u"Data/sMenu/data/menu.cfg"_s));

    editor.state.setCfgChanged(true);
    QVERIFY(editor.find<QLabel>("cfg_changedlabel")->isVisible());
    QSignalSpy refreshes(editor.page(), &CfgEditorPage::previewRefreshRequested);
    editor.click("cfg_SaveInCFG");

    QCOMPARE(editor.workspaceCfgBytes(), defaultFile);
    QCOMPARE(editor.fileLabel(), editor.workspaceCfg());
    QVERIFY(editor.enabled("cfg_Save"));
    QVERIFY(editor.enabled("cfg_OpenFromCFG"));
    QVERIFY(!editor.state.cfgChanged());
    QVERIFY(!editor.find<QLabel>("cfg_changedlabel")->isVisible());
    QCOMPARE(refreshes.count(), 0);
    QVERIFY(editor.prompts.shown().isEmpty());
}

void TestCfgFiles::saveCommandsKeepEveryLine_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("dialogs");
    QTest::addColumn<QByteArray>("workspaceAfter");
    const QString workspaceCfg = u"Data/sMenu/data/menu.cfg"_s;
    QTest::newRow("save") << "cfg_Save"_ba << workspaceCfg << 0 << withCrLf(mixedFile);
    QTest::newRow("save into the workspace file")
        << "cfg_SaveInCFG"_ba << workspaceCfg << 0 << withCrLf(mixedFile);
    QTest::newRow("save as") << "cfg_SaveAs"_ba << u"copies/menu.cfg"_s << 1 << mixedFile;
}

void TestCfgFiles::saveCommandsKeepEveryLine()
{
    QFETCH(QByteArray, button);
    QFETCH(QString, target);
    QFETCH(int, dialogs);
    QFETCH(QByteArray, workspaceAfter);
    CfgEditor editor;
    editor.writeMenuFolderFile(u"data/menu.cfg"_s, mixedFile);
    editor.workspace.makeFolder(u"copies"_s);
    editor.startOnCfgPage();
    QCOMPARE(editor.lines(), mixedLines);
    QCOMPARE(editor.fileLabel(), editor.workspaceCfg());
    QVERIFY(editor.enabled("cfg_Save"));
    QVERIFY(editor.enabled("cfg_OpenFromCFG"));

    editor.state.setCfgChanged(true);
    editor.prompts.chooseNextFile(editor.workspace.path(target));
    QSignalSpy refreshes(editor.page(), &CfgEditorPage::previewRefreshRequested);
    editor.click(button.constData());

    QCOMPARE(editor.workspace.readFile(target), withCrLf(mixedFile));
    QCOMPARE(editor.workspaceCfgBytes(), workspaceAfter);
    QVERIFY(!editor.state.cfgChanged());
    QCOMPARE(editor.state.cfgPath(), editor.workspace.path(target));
    QCOMPARE(editor.fileLabel(), editor.workspace.path(target));
    QCOMPARE(editor.lines(), mixedLines);
    QCOMPARE(refreshes.count(), 0);
    QCOMPARE(editor.prompts.fileDialogs().size(), dialogs);
    for (const FileDialogSpec& spec : editor.prompts.fileDialogs()) {
        QCOMPARE(spec.title, u"Сохранить menu.cfg как..."_s);
        QCOMPARE(spec.filter, cfgFilter);
        QCOMPARE(spec.defaultName, u"menu.cfg"_s);
    }
    QCOMPARE(editor.prompts.count(ScriptedPrompts::Kind::Question), 0);
}

void TestCfgFiles::openedFileIsWhatTheOtherCommandsUse()
{
    CfgEditor editor;
    editor.writeMenuFolderFile(u"data/menu.cfg"_s, "Name :a\r\n");
    const QString other = editor.workspace.writeFile(u"elsewhere/menu.cfg"_s, "Name :b\n");
    editor.startOnCfgPage();
    editor.description()->setText(u"Название"_s);
    QSignalSpy refreshes(editor.page(), &CfgEditorPage::previewRefreshRequested);

    editor.prompts.chooseNextFile(other);
    editor.click("cfg_open");
    QCOMPARE(editor.prompts.fileDialogs().size(), 1);
    QCOMPARE(editor.prompts.fileDialogs().first().title, u"Открыть menu.cfg..."_s);
    QCOMPARE(editor.prompts.fileDialogs().first().filter, cfgFilter);
    QCOMPARE(editor.lines(), QStringList{u"Name :b"_s});
    QCOMPARE(editor.state.cfgPath(), other);
    QCOMPARE(editor.fileLabel(), other);
    QCOMPARE(editor.description()->text(), QString());
    QCOMPARE(refreshes.count(), 1);

    editor.cfg()->replaceLine(0, u"Name :c"_s);
    editor.state.setCfgChanged(true);
    editor.click("cfg_Save");
    QCOMPARE(editor.workspace.readFile(u"elsewhere/menu.cfg"_s), "Name :c\r\n"_ba);
    QVERIFY(!editor.state.cfgChanged());

    editor.workspace.writeFile(u"elsewhere/menu.cfg"_s, "Name :d\r\n");
    editor.click("cfg_OpenFromCFG");
    QCOMPARE(editor.lines(), QStringList{u"Name :d"_s});
    QCOMPARE(refreshes.count(), 2);

    editor.cfg()->replaceLine(0, u"Name :e"_s);
    editor.click("cfg_SaveInCFG");
    QCOMPARE(editor.workspace.readFile(u"elsewhere/menu.cfg"_s), "Name :e\r\n"_ba);
    QCOMPARE(editor.fileLabel(), other);

    QCOMPARE(editor.workspaceCfgBytes(), "Name :a\r\n"_ba);
    QCOMPARE(editor.prompts.shown().size(), 1); // the open dialog only
}

void TestCfgFiles::openAsksWhileChanged_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("choose");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("dialogs");
    QTest::addColumn<bool>("opens");
    QTest::newRow("unchanged") << false << false << true << 0 << 1 << true;
    QTest::newRow("changed, Yes") << true << true << true << 1 << 1 << true;
    QTest::newRow("changed, No") << true << false << true << 1 << 0 << false;
    QTest::newRow("dialog cancelled") << false << false << false << 0 << 1 << false;
}

void TestCfgFiles::openAsksWhileChanged()
{
    QFETCH(bool, changed);
    QFETCH(bool, answer);
    QFETCH(bool, choose);
    QFETCH(int, questions);
    QFETCH(int, dialogs);
    QFETCH(bool, opens);
    CfgEditor editor;
    const QString other = editor.workspace.writeFile(u"elsewhere/menu.cfg"_s, "Name :b\r\n");
    editor.startOnCfgPage();
    const QStringList defaults = editor.lines();
    editor.description()->setText(u"Цена"_s);
    editor.state.setCfgChanged(changed);
    editor.prompts.answerNext(answer);
    editor.prompts.chooseNextFile(choose ? other : QString());
    QSignalSpy refreshes(editor.page(), &CfgEditorPage::previewRefreshRequested);
    editor.click("cfg_open");

    const auto asked = editor.prompts.shownOf(ScriptedPrompts::Kind::Question);
    QCOMPARE(asked.size(), questions);
    for (const ScriptedPrompts::Shown& question : asked) {
        QCOMPARE(question.title, u"TAVU - редактор файлов меню"_s);
        QCOMPARE(question.text, unsavedQuestion);
    }
    QCOMPARE(editor.prompts.fileDialogs().size(), dialogs);
    QCOMPARE(editor.lines(), opens ? QStringList{u"Name :b"_s} : defaults);
    QCOMPARE(editor.state.cfgPath(), opens ? other : editor.workspaceCfg());
    QCOMPARE(editor.fileLabel(), opens ? other : notFound + editor.workspaceCfg());
    QCOMPARE(editor.state.cfgChanged(), changed && !opens);
    QCOMPARE(editor.description()->text(), opens ? QString() : u"Цена"_s);
    QCOMPARE(refreshes.count(), opens ? 1 : 0);
    // Open leaves Save and Reload as the workspace's file set them.
    QVERIFY(!editor.enabled("cfg_Save"));
    QVERIFY(!editor.enabled("cfg_OpenFromCFG"));
}

void TestCfgFiles::failedOpenKeepsTheOldFile()
{
    CfgEditor editor;
    editor.writeMenuFolderFile(u"data/menu.cfg"_s, "Name :a\r\n");
    editor.startOnCfgPage();
    editor.cfg()->replaceLine(0, u"Name :z"_s);
    editor.state.setCfgChanged(true);
    editor.description()->setText(u"Название"_s);
    const QString unreadable = editor.workspace.path(u"gone/menu.cfg"_s);
    editor.prompts.answerNext(true);
    editor.prompts.chooseNextFile(unreadable);
    QSignalSpy refreshes(editor.page(), &CfgEditorPage::previewRefreshRequested);
    editor.click("cfg_open");

    const auto errors = editor.prompts.shownOf(ScriptedPrompts::Kind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().text.contains(unreadable), qPrintable(errors.first().text));
    QCOMPARE(editor.lines(), QStringList{u"Name :z"_s});
    QVERIFY(editor.state.cfgChanged());
    QCOMPARE(editor.state.cfgPath(), editor.workspaceCfg());
    QCOMPARE(editor.fileLabel(), editor.workspaceCfg());
    QCOMPARE(editor.description()->text(), u"Название"_s);
    QCOMPARE(refreshes.count(), 0);

    // Save still writes the file the lines came from.
    editor.click("cfg_Save");
    QCOMPARE(editor.workspaceCfgBytes(), "Name :z\r\n"_ba);
    QVERIFY(!editor.workspace.exists(u"gone"_s));
}

void TestCfgFiles::reloadDiscardsEditsWithoutAsking_data()
{
    QTest::addColumn<bool>("removeFile");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("file present") << false << QStringList{u"Name :a"_s};
    QTest::newRow("file removed: the lines stay") << true << QStringList{u"Name :z"_s};
}

void TestCfgFiles::reloadDiscardsEditsWithoutAsking()
{
    QFETCH(bool, removeFile);
    QFETCH(QStringList, lines);
    CfgEditor editor;
    editor.writeMenuFolderFile(u"data/menu.cfg"_s, "Name :a\n");
    editor.startOnCfgPage();
    editor.cfg()->replaceLine(0, u"Name :z"_s);
    editor.state.setCfgChanged(true);
    editor.description()->setText(u"Название"_s);
    if (removeFile)
        QVERIFY(QFile::remove(editor.workspaceCfg()));
    QSignalSpy refreshes(editor.page(), &CfgEditorPage::previewRefreshRequested);
    editor.click("cfg_OpenFromCFG");

    QVERIFY(editor.prompts.shown().isEmpty());
    QCOMPARE(editor.lines(), lines);
    QVERIFY(!editor.state.cfgChanged());
    QCOMPARE(editor.description()->text(), QString());
    QCOMPARE(refreshes.count(), 1);
}

void TestCfgFiles::failedSaveChangesNothing_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<bool>("haveFile");
    QTest::addColumn<bool>("fileForDataFolder");
    QTest::addColumn<QString>("target");
    const QString workspaceCfg = u"Data/sMenu/data/menu.cfg"_s;
    QTest::newRow("save, a file where the folder was")
        << "cfg_Save"_ba << true << true << workspaceCfg;
    QTest::newRow("save into the workspace, a folder in the way")
        << "cfg_SaveInCFG"_ba << false << false << workspaceCfg;
    QTest::newRow("save as below a file")
        << "cfg_SaveAs"_ba << true << false << u"plain/menu.cfg"_s;
}

void TestCfgFiles::failedSaveChangesNothing()
{
    QFETCH(QByteArray, button);
    QFETCH(bool, haveFile);
    QFETCH(bool, fileForDataFolder);
    QFETCH(QString, target);
    CfgEditor editor;
    if (haveFile)
        editor.writeMenuFolderFile(u"data/menu.cfg"_s, "Name :a\r\n");
    else
        editor.workspace.makeFolder(u"Data/sMenu/data/menu.cfg"_s);
    editor.startOnCfgPage();
    editor.cfg()->replaceLine(0, u"Name :z"_s);
    editor.state.setCfgChanged(true);
    if (fileForDataFolder) {
        QVERIFY(QDir(editor.menuFolderFile(u"data"_s)).removeRecursively());
        editor.writeMenuFolderFile(u"data"_s, "not a folder");
    }
    editor.workspace.writeFile(u"plain"_s, "not a folder");
    const QStringList lines = editor.lines();
    const QString label = editor.fileLabel();
    editor.prompts.chooseNextFile(editor.workspace.path(target));
    editor.click(button.constData());

    const auto errors = editor.prompts.shownOf(ScriptedPrompts::Kind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().text.contains(editor.workspace.path(target)),
             qPrintable(errors.first().text));
    QCOMPARE(editor.lines(), lines);
    QVERIFY(editor.state.cfgChanged());
    QCOMPARE(editor.state.cfgPath(), editor.workspaceCfg());
    QCOMPARE(editor.fileLabel(), label);
    QCOMPARE(editor.enabled("cfg_Save"), haveFile);
    QCOMPARE(editor.enabled("cfg_OpenFromCFG"), haveFile);
}

void TestCfgFiles::hexMessagesGoThroughPrompts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("messages");
    QTest::newRow("one bad character") << u"G1"_s << 1;
    QTest::newRow("two bad characters") << u"zz"_s << 2;
    QTest::newRow("digits only") << u"1f"_s << 0;
}

void TestCfgFiles::hexMessagesGoThroughPrompts()
{
    QFETCH(QString, text);
    QFETCH(int, messages);
    ScriptedPrompts prompts;
    ReadHex(text, hexReportTo(prompts));
    QCOMPARE(prompts.shown().size(), messages);
    for (const ScriptedPrompts::Shown& shown : prompts.shown()) {
        QCOMPARE(shown.kind, ScriptedPrompts::Kind::Message);
        QCOMPARE(shown.text, u"Не могу преобразовать HEX-значение: "_s + text.toUpper());
    }
}

QTEST_MAIN(TestCfgFiles)
#include "tst_cfgfiles.moc"
