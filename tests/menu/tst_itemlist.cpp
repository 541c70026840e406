#include "app/mainform.h"
#include "common/linelist.h"
#include "support/dragging.h"
#include "support/editorfixture.h"
#include "support/listclicks.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QStringList lines(int count)
{
    QStringList made;
    for (int i = 1; i <= count; ++i)
        made.append(u"Item%1|i|FILE|p%1"_s.arg(i));
    return made;
}

struct ListFixture : EditorFixture
{
    explicit ListFixture(int lineCount = 5)
    {
        start();
        items()->setLines(lines(lineCount));
    }
    LineList* items() const { return find<LineList>("ContentsFile"); }
    LineList* buffer() const { return find<LineList>("Buffer"); }
    bool enabled(const char* name) const
    {
        if (auto* action = window().findChild<QAction*>(QString::fromLatin1(name)))
            return action->isEnabled();
        return find<QWidget>(name)->isEnabled();
    }
};

} // namespace

class TestItemList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choosingOffersOnlyPossibleMoves_data();
    void choosingOffersOnlyPossibleMoves();
    void moveButtonsAndKeys();
    void deleteSelectsTheNextLine_data();
    void deleteSelectsTheNextLine();
    void deleteOnlyLineEmptiesTheList();
    void enterInTheList();
    void reorderingDrops_data();
    void reorderingDrops();
    void bufferLineDroppedAnywhereAppends();
    void lineDroppedOnFieldPanelLoadsIt_data();
    void lineDroppedOnFieldPanelLoadsIt();
    void lineDroppedOnDeleteFileAsks();
    void foreignDragsAreRefused();
};

void TestItemList::choosingOffersOnlyPossibleMoves_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("up");
    QTest::addColumn<bool>("down");
    QTest::newRow("first") << 0 << false << true;
    QTest::newRow("middle") << 2 << true << true;
    QTest::newRow("last") << 4 << true << false;
}

void TestItemList::choosingOffersOnlyPossibleMoves()
{
    QFETCH(int, row);
    QFETCH(bool, up);
    QFETCH(bool, down);
    ListFixture editor;
    QVERIFY(!editor.enabled("Del"));
    clickRow(editor.items(), row);
    QCOMPARE(editor.enabled("mUp"), up);
    QCOMPARE(editor.enabled("MoveStringUp"), up);
    QCOMPARE(editor.enabled("mDown"), down);
    QCOMPARE(editor.enabled("MoveStringDown"), down);
    QVERIFY(editor.enabled("Del"));
    QVERIFY(editor.find<QToolButton>("ToBuffer")->isEnabledTo(editor.find<QWidget>("BufGroup")));
}

void TestItemList::moveButtonsAndKeys()
{
    ListFixture editor;
    LineList* items = editor.items();
    clickRow(items, 1);
    QTest::mouseClick(editor.find<QToolButton>("mUp"), Qt::LeftButton);
    QCOMPARE(items->line(0), u"Item2|i|FILE|p2"_s);
    QCOMPARE(items->selectedRow(), 0);
    QVERIFY(!editor.enabled("mUp"));
    QVERIFY(editor.state.menuChanged());

    // Ctrl+Up and Ctrl+Down move lines only while the list has the focus.
    editor.find<QLineEdit>("i_name")->setFocus();
    QTest::keyClick(&editor.window(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(items->line(0), u"Item2|i|FILE|p2"_s);

    items->setFocus();
    QTest::keyClick(items, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(items->line(1), u"Item2|i|FILE|p2"_s);
    QCOMPARE(items->selectedRow(), 1);
    QTest::mouseClick(editor.find<QToolButton>("mDown"), Qt::LeftButton);
    QTest::mouseClick(editor.find<QToolButton>("mDown"), Qt::LeftButton);
    QTest::mouseClick(editor.find<QToolButton>("mDown"), Qt::LeftButton);
    QCOMPARE(items->line(4), u"Item2|i|FILE|p2"_s);
    QVERIFY(!editor.enabled("mDown"));
    QVERIFY(!editor.enabled("MoveStringDown"));
    QTest::keyClick(items, Qt::Key_Down, Qt::ControlModifier); // nothing below the last
    QCOMPARE(items->line(4), u"Item2|i|FILE|p2"_s);
}

void TestItemList::deleteSelectsTheNextLine_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("selectedAfter");
    QTest::newRow("third of five, button") << 2 << u"button"_s << 2;
    QTest::newRow("third of five, Ctrl+D") << 2 << u"ctrl+d"_s << 2;
    QTest::newRow("last of five, Del key") << 4 << u"del"_s << 3;
    QTest::newRow("last of five, dropped on Del") << 4 << u"drop"_s << 3;
}

void TestItemList::deleteSelectsTheNextLine()
{
    QFETCH(int, row);
    QFETCH(QString, way);
    QFETCH(int, selectedAfter);
    ListFixture editor;
    LineList* items = editor.items();
    clickRow(items, row);
    const QString deleted = items->line(row);
    if (way == u"button"_s)
        QTest::mouseClick(editor.find<QToolButton>("Del"), Qt::LeftButton);
    else if (way == u"ctrl+d"_s)
        QTest::keyClick(items, Qt::Key_D, Qt::ControlModifier);
    else if (way == u"del"_s)
        QTest::keyClick(items, Qt::Key_Delete);
    else
        QVERIFY(dropLine(editor.find<QToolButton>("Del"), QPoint(5, 5), draggedFrom(items)));

    QCOMPARE(items->count(), 4);
    QVERIFY(!items->lines().contains(deleted));
    QCOMPARE(items->selectedRow(), selectedAfter);
    QCOMPARE(editor.enabled("mDown"), selectedAfter != 3);
    QVERIFY(editor.state.menuChanged());
}

void TestItemList::deleteOnlyLineEmptiesTheList()
{
    ListFixture editor(1);
    clickRow(editor.items(), 0);
    QTest::mouseClick(editor.find<QToolButton>("Del"), Qt::LeftButton);
    QVERIFY(editor.items()->isEmpty());
    for (const char* name : {"Del", "mUp", "mDown", "MoveStringUp", "MoveStringDown"})
        QVERIFY2(!editor.enabled(name), name);
    QVERIFY(editor.find<QLabel>("mnu_changedlabel")->isEnabled());

    // With nothing left to delete, the command does nothing.
    editor.state.setMenuChanged(false);
    QTest::keyClick(editor.items(), Qt::Key_D, Qt::ControlModifier);
    QVERIFY(!editor.state.menuChanged());
}

void TestItemList::enterInTheList()
{
    ListFixture editor(0);
    editor.items()->setFocus();
    QTest::keyClick(editor.items(), Qt::Key_Return);
    QVERIFY(!editor.find<QPushButton>("bEdit")->isEnabled());

    editor.items()->setLines(lines(3));
    QTest::keyClick(editor.items(), Qt::Key_Down);
    QTest::keyClick(editor.items(), Qt::Key_Down);
    QTest::keyClick(editor.items(), Qt::Key_Return);
    QCOMPARE(editor.find<QLineEdit>("i_name")->text(), u"Item2"_s);
    QCOMPARE(editor.find<QLineEdit>("i_param")->text(), u"p2"_s);
    QVERIFY(editor.find<QPushButton>("bEdit")->isEnabled());
    QCOMPARE(editor.items()->count(), 3);
}

void TestItemList::reorderingDrops_data()
{
    QTest::addColumn<int>("dragged");
    QTest::addColumn<QString>("onto"); // a row number, "below" or "border"
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("selectedAfter");
    const QStringList l = lines(5);
    QTest::newRow("first below the last")
        << 0 << u"below"_s << QStringList{l[1], l[2], l[3], l[4], l[0]} << 4;
    QTest::newRow("last onto the first")
        << 4 << u"0"_s << QStringList{l[4], l[0], l[1], l[2], l[3]} << 0;
    QTest::newRow("first onto the fourth")
        << 0 << u"3"_s << QStringList{l[1], l[2], l[3], l[0], l[4]} << 3;
    QTest::newRow("on the border") << 1 << u"border"_s << l << 1;
}

void TestItemList::reorderingDrops()
{
    QFETCH(int, dragged);
    QFETCH(QString, onto);
    QFETCH(QStringList, expected);
    QFETCH(int, selectedAfter);
    ListFixture editor;
    LineList* items = editor.items();
    clickRow(items, dragged);
    const DraggedLine line = draggedFrom(items);
    if (onto == u"below"_s) {
        QVERIFY(dropLine(items->viewport(), QPoint(30, items->viewport()->height() - 3), line));
    } else if (onto == u"border"_s) {
        // A point on the list's frame, left of the area of its lines.
        dropLine(items->viewport(), QPoint(-1, rowCenter(items, 2).y()), line);
    } else {
        QVERIFY(dropLine(items->viewport(), rowCenter(items, onto.toInt()), line));
    }
    QCOMPARE(items->lines(), expected);
    QCOMPARE(items->selectedRow(), selectedAfter);
    QCOMPARE(editor.state.menuChanged(), expected != lines(5));
}

void TestItemList::bufferLineDroppedAnywhereAppends()
{
    ListFixture editor;
    LineList* items = editor.items();
    editor.buffer()->setLines({u"b1|i|FILE|1"_s, u"b2|i|FILE|2"_s});
    editor.find<QToolButton>("ShowBuffer")->click();
    editor.buffer()->selectRow(1);
    clickRow(items, 2);
    QVERIFY(dropLine(items->viewport(), rowCenter(items, 0), draggedFrom(editor.buffer())));

    QCOMPARE(items->count(), 6);
    QCOMPARE(items->line(5), u"b2|i|FILE|2"_s);
    QCOMPARE(items->selectedRow(), 2);
    QCOMPARE(editor.buffer()->count(), 2);
    QVERIFY(editor.state.menuChanged());
}

void TestItemList::lineDroppedOnFieldPanelLoadsIt_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("name field") << u"i_name"_s;
    QTest::newRow("panel") << u"ActPanel"_s;
    QTest::newRow("add button") << u"bAdd"_s;
    QTest::newRow("keep box") << u"cParam"_s;
}

void TestItemList::lineDroppedOnFieldPanelLoadsIt()
{
    QFETCH(QString, target);
    ListFixture editor;
    clickRow(editor.items(), 3);
    QWidget* widget = editor.find<QWidget>(target.toLatin1().constData());
    QVERIFY(dropLine(widget, QPoint(3, 3), draggedFrom(editor.items())));

    QCOMPARE(editor.find<QLineEdit>("i_name")->text(), u"Item4"_s);
    QCOMPARE(editor.find<QLineEdit>("i_icon")->text(), u"i"_s);
    QCOMPARE(editor.find<QLineEdit>("i_tlink")->text(), u"FILE"_s);
    QCOMPARE(editor.find<QLineEdit>("i_param")->text(), u"p4"_s);
    QVERIFY(editor.find<QPushButton>("bEdit")->isEnabled());
    QCOMPARE(editor.items()->count(), 5);
}

void TestItemList::lineDroppedOnDeleteFileAsks()
{
    ListFixture editor;
    const QString path = editor.writeMenuFolderFile(u"mnu/five.mnu"_s, "x\r\n");
    editor.state.setMenuPath(path);
    clickRow(editor.items(), 0);
    editor.prompts.answerNext(false);
    QVERIFY(dropLine(editor.find<QToolButton>("DelCurrFile"), QPoint(3, 3),
                     draggedFrom(editor.items())));
    QCOMPARE(editor.prompts.shown().last().text,
             u"Вы действительно хотите удалить файл "_s + path + u'?');
    QVERIFY(editor.workspace.exists(u"Data/sMenu/mnu/five.mnu"_s));
    QCOMPARE(editor.items()->count(), 5);
}

void TestItemList::foreignDragsAreRefused()
{
    ListFixture editor;
    clickRow(editor.items(), 0);
    const DraggedLine fromBuffer{u"Buffer"_s, 0, u"b|i|FILE|p"_s};
    QVERIFY(!dropLine(editor.find<QToolButton>("Del"), QPoint(3, 3), fromBuffer));
    QVERIFY(!dropLine(editor.find<QWidget>("ActPanel"), QPoint(3, 3), fromBuffer));
    QCOMPARE(editor.items()->count(), 5);
    QCOMPARE(editor.find<QLineEdit>("i_name")->text(), QString());

    // Plain text is no line of a list.
    QMimeData text;
    text.setText(u"Item|i|FILE|p"_s);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor.items()->viewport(), &enter);
    QVERIFY(!enter.isAccepted());
}

QTEST_MAIN(TestItemList)
#include "tst_itemlist.moc"
