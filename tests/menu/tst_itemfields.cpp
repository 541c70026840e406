#include "app/mainform.h"
#include "common/linelist.h"
#include "menu/menuline.h"
#include "support/dragging.h"
#include "support/editorfixture.h"
#include "support/listclicks.h"
#include "support/typing.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include <functional>
#include <map>

using namespace Qt::StringLiterals;

namespace {

const QStringList fiveLines = {u"A|a.png|FILE|0:\\a"_s, u"B|b.png|FOLDER|0:\\b"_s,
                               u"C|c.png|CALL|A0"_s, u"D|d.png|ENTRY|x"_s, u"E|e.png|ROOTMENU"_s};

// The editor with a menu file of five items open.
struct FieldsFixture : EditorFixture
{
    FieldsFixture()
    {
        writeMenuFolderFile(u"mnu/five.mnu"_s, joinedFiveLines());
        writeMenuFolderFile(u"mnu/other.mnu"_s, "O|o|FILE|o\r\n");
        start(menuFolderFile(u"mnu/five.mnu"_s));
    }
    static QByteArray joinedFiveLines() { return fiveLines.join(u"\r\n"_s).toUtf8() + "\r\n"; }

    LineList* items() const { return find<LineList>("ContentsFile"); }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    QWidget* panel() const { return find<QWidget>("ActPanel"); }
    bool changeEnabled() const { return find<QPushButton>("bEdit")->isEnabled(); }
    void setFields(const QString& name, const QString& icon, const QString& type,
                   const QString& parameter) const
    {
        field("i_name")->setText(name);
        field("i_icon")->setText(icon);
        field("i_tlink")->setText(type);
        field("i_param")->setText(parameter);
    }
    void click(const char* button) const
    {
        QTest::mouseClick(find<QAbstractButton>(button), Qt::LeftButton);
    }
};

} // namespace

class TestItemFields : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addKeepsTheUntickedFields();
    void rootMenuNeedsAParameterAndIsWrittenWithout();
    void submenuMayNotOpenTheMainMenu();
    void loadingSetsTheActionButton_data();
    void loadingSetsTheActionButton();
    void iconPreview_data();
    void iconPreview();
    void collapsedPanelOpensForAnItemAndClosesAfterChange();
    void clearAnsweredYesOnCollapsedPanel();
    void cancelActsOnlyOnTheMenuPage();
    void enterInNameMovesOnAndNeverAdds();
    void changeWritesOnlyTheLoadedItem_data();
    void changeWritesOnlyTheLoadedItem();
};

void TestItemFields::addKeepsTheUntickedFields()
{
    FieldsFixture editor;
    editor.setFields(u"Игры"_s, u"icons\\g.png"_s, u"SUBMENU"_s, u"games.mnu"_s);
    editor.click("bAdd");

    QCOMPARE(editor.items()->count(), 6);
    QCOMPARE(editor.items()->line(5), u"Игры|icons\\g.png|SUBMENU|games.mnu"_s);
    QCOMPARE(editor.field("i_name")->text(), QString());
    QCOMPARE(editor.field("i_icon")->text(), u"icons\\g.png"_s);
    QCOMPARE(editor.field("i_tlink")->text(), QString());
    QCOMPARE(editor.field("i_param")->text(), QString());
    QVERIFY(editor.state.menuChanged());
    QVERIFY(editor.find<QLabel>("mnu_changedlabel")->isEnabled());
    QVERIFY(!editor.find<QPushButton>("bAdd")->isEnabled());
    QCOMPARE(editor.find<QPushButton>("ActButton")->text(), u"Нет действия"_s);
    QVERIFY(editor.field("i_name")->hasFocus());
}

void TestItemFields::rootMenuNeedsAParameterAndIsWrittenWithout()
{
    FieldsFixture editor;
    editor.setFields(u"Назад"_s, u"#3AF"_s, u"ROOTMENU"_s, QString());
    QVERIFY(!editor.find<QPushButton>("bAdd")->isEnabled());
    typeText(editor.field("i_param"), u"x"_s);
    editor.click("bAdd");
    QCOMPARE(editor.items()->line(5), u"Назад|#3AF|ROOTMENU"_s);
}

void TestItemFields::submenuMayNotOpenTheMainMenu()
{
    FieldsFixture editor;
    editor.setFields(u"Главное"_s, u"i"_s, u"SUBMENU"_s, u"MAIN.mnu"_s);
    editor.click("bAdd");

    const auto warnings = editor.prompts.shownOf(ScriptedPrompts::Kind::Warning);
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(warnings.first().text, u"Параметр main.mnu недопустим!"_s);
    QCOMPARE(warnings.first().title, u"TAVU - редактор файлов меню"_s);
    QCOMPARE(editor.items()->lines(), fiveLines);
    QCOMPARE(editor.field("i_param")->text(), u"MAIN.mnu"_s);
    QVERIFY(!editor.state.menuChanged());
}

void TestItemFields::loadingSetsTheActionButton_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("folder") << u"n|i|FOLDER|0:\\ZBin"_s << u"Папка"_s << true;
    QTest::newRow("submenu") << u"n|i|SUBMENU|g.mnu"_s << u"Подменю"_s << true;
    QTest::newRow("call, no check of the lists") << u"n|i|CALL|A0"_s << u"Энтрипоинты"_s << true;
    QTest::newRow("entry") << u"n|i|ENTRY|x"_s << u"Нет действия"_s << false;
    QTest::newRow("rootmenu") << u"n|i|ROOTMENU"_s << u"Нет действия"_s << false;
    QTest::newRow("small letters are no type") << u"n|i|folder|p"_s << u"Нет действия"_s << false;
}

void TestItemFields::loadingSetsTheActionButton()
{
    QFETCH(QString, line);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    FieldsFixture editor;
    editor.items()->setLines({line});
    editor.find<QToolButton>("Del")->hide(); // as a freshly opened file leaves it
    doubleClickRow(editor.items(), 0);

    const MenuItem item = SplitMenuLine(line);
    QCOMPARE(editor.field("i_name")->text(), item.name);
    QCOMPARE(editor.field("i_tlink")->text(), item.type.toUpper());
    QCOMPARE(editor.field("i_param")->text(), item.parameter);
    QCOMPARE(editor.find<QPushButton>("ActButton")->text(), caption);
    QCOMPARE(editor.find<QPushButton>("ActButton")->isEnabled(), enabled);
    QVERIFY(editor.changeEnabled());
    QVERIFY(editor.window().findChild<QAction*>(u"CancelAct"_s)->isEnabled());
    QVERIFY(editor.find<QPushButton>("bCancel")->isEnabled());
    QVERIFY(editor.find<QToolButton>("Del")->isVisible());
    QVERIFY(editor.field("i_name")->hasFocus());
}

void TestItemFields::iconPreview_data()
{
    QTest::addColumn<QString>("icon");
    QTest::addColumn<bool>("shown");
    QTest::newRow("png") << u"icons\\star.png"_s << true;
    QTest::newRow("bmp in capitals") << u"icons\\STAR.BMP"_s << true;
    QTest::newRow("phone picture") << u"icons\\star.gpf"_s << false;
    QTest::newRow("firmware number") << u"#3AF"_s << false;
    QTest::newRow("missing file") << u"icons\\none.png"_s << false;
}

void TestItemFields::iconPreview()
{
    QFETCH(QString, icon);
    QFETCH(bool, shown);
    FieldsFixture editor;
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.save(editor.menuFolderFile(u"data/images/icons/star.png"_s));
    picture.save(editor.menuFolderFile(u"data/images/icons/STAR.BMP"_s), "BMP");
    editor.writeMenuFolderFile(u"data/images/icons/star.gpf"_s, "phone picture");
    editor.items()->setLines({u"n|"_s + icon + u"|FILE|p"_s});
    doubleClickRow(editor.items(), 0);

    QLabel* preview = editor.find<QLabel>("IconIm");
    QCOMPARE(preview->isVisible(), shown);
    if (shown)
        QCOMPARE(preview->pixmap().toImage().pixelColor(4, 4), QColor(Qt::red));
    QVERIFY(editor.prompts.shown().isEmpty());
}

void TestItemFields::collapsedPanelOpensForAnItemAndClosesAfterChange()
{
    FieldsFixture editor;
    editor.click("SHFields");
    QCOMPARE(editor.panel()->y(), 608);
    QCOMPARE(editor.items()->height(), 566);
    QCOMPARE(editor.find<QWidget>("BufGroup")->height(), 572);
    QVERIFY(!editor.find<QLabel>("Label16")->isVisible());

    doubleClickRow(editor.items(), 2);
    QCOMPARE(editor.panel()->y(), 456);
    QCOMPARE(editor.items()->height(), 414);
    QCOMPARE(editor.find<QWidget>("BufGroup")->height(), 420);
    QCOMPARE(editor.field("i_name")->text(), u"C"_s);
    QVERIFY(editor.field("i_name")->hasFocus());

    editor.field("i_name")->setText(u"Звонки"_s);
    editor.click("bEdit");
    QCOMPARE(editor.items()->line(2), u"Звонки|c.png|CALL|A0"_s);
    QCOMPARE(editor.panel()->y(), 608);
    QVERIFY(editor.state.menuChanged());

    // Opened by hand, with no item to change, the panel stays open after an edit.
    editor.click("SHFields");
    editor.setFields(u"F"_s, u"f"_s, u"FILE"_s, u"f"_s);
    editor.click("bAdd");
    QCOMPARE(editor.panel()->y(), 456);
}

void TestItemFields::clearAnsweredYesOnCollapsedPanel()
{
    FieldsFixture editor;
    editor.setFields(u"n"_s, u"i"_s, u"FILE"_s, u"p"_s);
    editor.click("SHFields");

    editor.prompts.answerNext(false);
    QTest::keyClick(&editor.window(), Qt::Key_F7);
    QCOMPARE(editor.field("i_name")->text(), u"n"_s);
    QCOMPARE(editor.panel()->y(), 608);

    editor.prompts.answerNext(true);
    QTest::keyClick(&editor.window(), Qt::Key_F7);
    QCOMPARE(editor.prompts.shown().last().text, u"Вы уверены, что хотите очистить все поля?"_s);
    for (const char* name : {"i_name", "i_icon", "i_tlink", "i_param"})
        QCOMPARE(editor.field(name)->text(), QString());
    QCOMPARE(editor.panel()->y(), 456);
    QVERIFY(editor.find<QLabel>("Label16")->isVisible());

    // The panel no longer closes after edits.
    editor.setFields(u"n"_s, u"i"_s, u"FILE"_s, u"p"_s);
    editor.click("bAdd");
    QCOMPARE(editor.panel()->y(), 456);
}

void TestItemFields::cancelActsOnlyOnTheMenuPage()
{
    FieldsFixture editor;
    doubleClickRow(editor.items(), 1);
    auto* pages = editor.find<QTabWidget>("Editor");
    pages->setCurrentIndex(1);
    QTest::keyClick(&editor.window(), Qt::Key_F5);
    QVERIFY(editor.changeEnabled());
    QCOMPARE(editor.field("i_name")->text(), u"B"_s);

    pages->setCurrentIndex(0);
    QTest::keyClick(&editor.window(), Qt::Key_F5);
    QVERIFY(!editor.changeEnabled());
    QVERIFY(!editor.find<QPushButton>("bCancel")->isEnabled());
    QVERIFY(!editor.find<QPushButton>("ActButton")->isEnabled());
    QCOMPARE(editor.find<QPushButton>("ActButton")->text(), u"Папка"_s); // caption stays
    QCOMPARE(editor.field("i_name")->text(), QString());
    QCOMPARE(editor.field("i_icon")->text(), u"b.png"_s); // not ticked
    QCOMPARE(editor.items()->lines(), fiveLines);
}

void TestItemFields::enterInNameMovesOnAndNeverAdds()
{
    FieldsFixture editor;
    editor.setFields(u"n"_s, u"i"_s, u"FILE"_s, u"p"_s);
    QLineEdit* name = editor.field("i_name");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Return);
    QVERIFY(editor.field("i_icon")->hasFocus());
    QCOMPARE(editor.items()->count(), 5);
    QCOMPARE(name->text(), u"n"_s);
}

void TestItemFields::changeWritesOnlyTheLoadedItem_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("expected"); // empty when Change is no longer offered
    const QString X = u"X|b.png|FOLDER|0:\\b"_s;
    const QStringList& l = fiveLines;
    QTest::newRow("loaded item moved up")
        << u"move loaded up"_s << QStringList{X, l[0], l[2], l[3], l[4]};
    QTest::newRow("another item moved over it")
        << u"move next up"_s << QStringList{l[0], l[2], X, l[3], l[4]};
    QTest::newRow("a line above deleted") << u"delete first"_s << QStringList{X, l[2], l[3], l[4]};
    QTest::newRow("loaded item deleted") << u"delete loaded"_s << QStringList();
    QTest::newRow("first line dragged below the last")
        << u"drag first to end"_s << QStringList{X, l[2], l[3], l[4], l[0]};
    QTest::newRow("buffer line dropped")
        << u"drop buffer line"_s << QStringList{l[0], X, l[2], l[3], l[4], u"buf|b|FILE|b"_s};
    QTest::newRow("another file opened") << u"quick open"_s << QStringList();
    QTest::newRow("new file") << u"new"_s << QStringList();
}

void TestItemFields::changeWritesOnlyTheLoadedItem()
{
    QFETCH(QString, command);
    QFETCH(QStringList, expected);
    FieldsFixture editor;
    LineList* items = editor.items();
    const std::map<QString, std::function<void()>> commands = {
        {u"move loaded up"_s, [&] { editor.click("mUp"); }},
        {u"move next up"_s,
         [&] {
             clickRow(items, 2);
             editor.click("mUp");
         }},
        {u"delete first"_s,
         [&] {
             clickRow(items, 0);
             editor.click("Del");
         }},
        {u"delete loaded"_s, [&] { editor.click("Del"); }},
        {u"drag first to end"_s,
         [&] {
             clickRow(items, 0);
             QVERIFY(dropLine(items->viewport(), QPoint(20, items->viewport()->height() - 5),
                              draggedFrom(items)));
         }},
        {u"drop buffer line"_s,
         [&] {
             dropLine(items->viewport(), rowCenter(items, 0), {u"Buffer"_s, 0, u"buf|b|FILE|b"_s});
         }},
        {u"quick open"_s,
         [&] {
             auto* quickOpen = editor.find<QComboBox>("MNUList");
             quickOpen->setCurrentIndex(1);
             Q_EMIT quickOpen->activated(1);
         }},
        {u"new"_s,
         [&] {
             editor.prompts.runNextDialog([](QDialog& dialog) { dialog.accept(); });
             editor.click("bClear");
         }},
    };

    doubleClickRow(items, 1);
    commands.at(command)();
    editor.field("i_name")->setText(u"X"_s);
    if (expected.isEmpty()) {
        QVERIFY(!editor.changeEnabled());
        const QStringList before = items->lines();
        editor.click("bEdit");
        QCOMPARE(items->lines(), before);
    } else {
        QVERIFY(editor.changeEnabled());
        editor.click("bEdit");
        QCOMPARE(items->lines(), expected);
    }
}

QTEST_MAIN(TestItemFields)
#include "tst_itemfields.moc"
