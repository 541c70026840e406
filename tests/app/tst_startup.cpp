#include "app/loadform.h"
#include "app/mainform.h"
#include "app/windowset.h"
#include "common/linelist.h"
#include "support/editorfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
const QString obexcopyNote =
    u"Не найден \\Data\\cobex\\obexcopy.exe - невозможна прямая отправка на телефон"_s;
const QString obexsetupNote =
    u"Не найден \\Data\\cobex\\obexsetup.exe - невозможна настройка COBEX"_s;
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyDataFolderStartsWithDefaults();
    void cobexProbes_data();
    void cobexProbes();
    void optionalFilesShowTheirControls();
    void commandLineFile_data();
    void commandLineFile();
    void unreadableCommandLineFileLeavesEditorUnbound();
    void menuFilesAreListed();
    void splashCreatesWindowsThenShowsMainWindow();
};

void TestStartup::emptyDataFolderStartsWithDefaults()
{
    EditorFixture editor;
    editor.workspace.makeFolder(u"Data"_s);
    editor.start();

    const QString folders[] = {u"Data/eps"_s,  u"Data/sMenu/data/images/icons"_s,
                               u"Data/fs/0"_s, u"Data/fs/1"_s,
                               u"Data/fs/2"_s, u"Data/fs/4"_s,
                               u"Data/cobex"_s};
    for (const QString& folder : folders)
        QVERIFY2(editor.workspace.exists(folder), qPrintable(folder));
    QVERIFY(!editor.workspace.exists(u"Data/fs/3"_s));

    QCOMPARE(editor.find<QLineEdit>("vMNUDir")->text(), editor.workspace.path(u"Data/sMenu"_s));
    QVERIFY(editor.find<QTabWidget>("Editor")->isVisible());
    QCOMPARE(editor.find<QTabWidget>("Editor")->currentWidget()->objectName(), u"MenuEditor"_s);
    QVERIFY(editor.find<QLineEdit>("i_name")->hasFocus());
    QCOMPARE(editor.window().windowTitle(), u"TAVU - редактор файлов меню"_s);

    QCOMPARE(editor.find<LineList>("CFG")->count(), 30);
    QCOMPARE(editor.find<QLabel>("CFGFileNameLabel")->text(),
             u"Не найден "_s + editor.workspace.path(u"Data/sMenu/data/menu.cfg"_s));
    QVERIFY(!editor.find<QWidget>("PPanel")->isVisible());
    QVERIFY(!editor.find<QComboBox>("LangBox")->isEnabled());
    QVERIFY(!editor.find<QPushButton>("HistVerB")->isVisible());

    QToolButton* warning = editor.find<QToolButton>("ErrorWarn");
    QVERIFY(warning->isVisible());
    QCOMPARE(warning->text(), u"!!!"_s);
    QTest::mouseClick(warning, Qt::LeftButton);
    const auto warnings = editor.prompts.shownOf(ScriptedPrompts::Kind::Warning);
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(warnings.first().title, u"Внимание"_s);
    QCOMPARE(warnings.first().text, obexcopyNote + u'\r' + obexsetupNote);
}

void TestStartup::cobexProbes_data()
{
    QTest::addColumn<bool>("haveCopy");
    QTest::addColumn<bool>("haveSetup");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<int>("setupWidth");
    QTest::newRow("only setup missing") << true << false << u'\r' + obexsetupNote << 209;
    QTest::newRow("only copy missing") << false << true << obexcopyNote << 233;
    QTest::newRow("both present") << true << true << QString() << 233;
}

void TestStartup::cobexProbes()
{
    QFETCH(bool, haveCopy);
    QFETCH(bool, haveSetup);
    QFETCH(QString, notes);
    QFETCH(int, setupWidth);
    EditorFixture editor;
    if (haveCopy)
        editor.workspace.writeFile(u"Data/cobex/obexcopy.exe"_s, "MZ");
    if (haveSetup)
        editor.workspace.writeFile(u"Data/cobex/obexsetup.exe"_s, "MZ");
    editor.start();

    QCOMPARE(editor.state.errorNotes(), notes);
    QCOMPARE(editor.find<QToolButton>("ErrorWarn")->isVisible(), !notes.isEmpty());
    QPushButton* setup = editor.find<QPushButton>("bCobexSetup");
    QCOMPARE(setup->isEnabled(), haveSetup);
    QCOMPARE(setup->width(), setupWidth);
}

void TestStartup::optionalFilesShowTheirControls()
{
    EditorFixture editor;
    editor.workspace.writeFile(u"Data/changelog.txt"_s, "1.0");
    editor.workspace.writeFile(u"Data/language.lng"_s, "");
    editor.workspace.writeFile(u"Data/Buffer.buf"_s, "a|b|FILE|x\r\nc|d|FOLDER|y\r\n");
    editor.start();

    editor.find<QTabWidget>("Editor")->setCurrentIndex(2);
    QVERIFY(editor.find<QPushButton>("HistVerB")->isVisible());
    QVERIFY(editor.find<QComboBox>("LangBox")->isEnabled());
    QCOMPARE(editor.find<LineList>("Buffer")->lines(),
             (QStringList{u"a|b|FILE|x"_s, u"c|d|FOLDER|y"_s}));

    // Adding the history file later changes nothing until the next start.
    EditorFixture without;
    without.start();
    without.workspace.writeFile(u"Data/changelog.txt"_s, "1.0");
    without.find<QTabWidget>("Editor")->setCurrentIndex(2);
    QVERIFY(!without.find<QPushButton>("HistVerB")->isVisible());
}

void TestStartup::commandLineFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("small letters are loaded")
        << u"games.mnu"_s << QStringList{u"a|b|FILE|x"_s, u"Игры|c|FOLDER|y"_s};
    QTest::newRow("capitals are not loaded") << u"games.MNU"_s << QStringList();
}

void TestStartup::commandLineFile()
{
    QFETCH(QString, name);
    QFETCH(QStringList, lines);
    EditorFixture editor;
    const QString path =
        editor.writeMenuFolderFile(u"mnu/"_s + name, "a|b|FILE|x\r\n\xc8\xe3\xf0\xfb|c|FOLDER|y");
    editor.start(path);

    QCOMPARE(editor.find<LineList>("ContentsFile")->lines(), lines);
    QCOMPARE(editor.state.menuPath(), path);
    const QString title = u"TAVU - редактор файлов меню - "_s + name;
    QCOMPARE(editor.window().windowTitle(), title);
    QCOMPARE(editor.state.applicationTitle(), title);
    // The file is current, yet the quick-open list selects nothing.
    QCOMPARE(editor.find<QComboBox>("MNUList")->currentIndex(), -1);
    QVERIFY(!editor.state.menuChanged());
}

void TestStartup::unreadableCommandLineFileLeavesEditorUnbound()
{
    EditorFixture editor;
    const QString path = editor.menuFolderFile(u"mnu/missing.mnu"_s);
    editor.start(path);

    QCOMPARE(editor.prompts.count(ScriptedPrompts::Kind::Error), 1);
    QVERIFY(editor.prompts.shown().first().text.contains(path));
    QCOMPARE(editor.state.menuPath(), QString());
    QCOMPARE(editor.window().windowTitle(), u"TAVU - редактор файлов меню"_s);
}

void TestStartup::menuFilesAreListed()
{
    EditorFixture editor;
    editor.writeMenuFolderFile(u"mnu/main.mnu"_s, {});
    editor.writeMenuFolderFile(u"mnu/Games.mnu"_s, {});
    editor.writeMenuFolderFile(u"mnu/apps.mnu"_s, {});
    editor.writeMenuFolderFile(u"mnu/readme.txt"_s, {});
    editor.start();

    QComboBox* quickOpen = editor.find<QComboBox>("MNUList");
    QStringList quick;
    for (int i = 0; i < quickOpen->count(); ++i)
        quick.append(quickOpen->itemText(i));
    QCOMPARE(quick, (QStringList{u"apps.mnu"_s, u"Games.mnu"_s, u"main.mnu"_s}));
    QCOMPARE(quickOpen->currentIndex(), -1);

    QComboBox* bufferFiles = editor.find<QComboBox>("bufMNU");
    QCOMPARE(bufferFiles->count(), 3);
    QCOMPARE(bufferFiles->currentIndex(), -1);
}

void TestStartup::splashCreatesWindowsThenShowsMainWindow()
{
    TempWorkspace workspace;
    AppState state(workspace.root());
    ScriptedPrompts prompts;
    QList<int> progress;
    TLoadForm splash(WindowSet::windowCount, [&](std::function<void()> advance) {
        progress.append(splash.findChild<QProgressBar*>(u"LD"_s)->value());
        return std::make_unique<WindowSet>(state, prompts, QString(), [&] {
            advance();
            progress.append(splash.findChild<QProgressBar*>(u"LD"_s)->value());
        });
    });
    QCOMPARE(splash.size(), QSize(256, 100));
    splash.show();
    QVERIFY(QTest::qWaitFor([&] { return splash.windows() != nullptr; }, 3000));

    QVERIFY(!splash.isVisible());
    QVERIFY(splash.windows()->mainForm().isVisible());
    QCOMPARE(splash.findChild<QProgressBar*>(u"LD"_s)->maximum(), WindowSet::windowCount);
    QList<int> expected;
    for (int made = 0; made <= WindowSet::windowCount; ++made)
        expected.append(made);
    QCOMPARE(progress, expected);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
