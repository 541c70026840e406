#include "app/actionlist.h"
#include "app/mainform.h"
#include "common/linelist.h"
#include "support/editorfixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestWindowKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyCommandHasItsKey_data();
    void everyCommandHasItsKey();
    void quitAsksOnlyWithUnsavedChanges_data();
    void quitAsksOnlyWithUnsavedChanges();
    void closeButtonRunsQuit();
    void delInTextFieldDeletesCharacters();
    void editMenuActsOnItsField();
};

void TestWindowKeys::everyCommandHasItsKey_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("keys");
    QTest::newRow("new") << u"NewAct"_s << u"F1"_s;
    QTest::newRow("save") << u"SaveAct"_s << u"F2"_s;
    QTest::newRow("open") << u"OpenAct"_s << u"F3"_s;
    QTest::newRow("cancel") << u"CancelAct"_s << u"F5"_s;
    QTest::newRow("clear") << u"ClearFileds"_s << u"F7"_s;
    QTest::newRow("quit") << u"QuitAct"_s << u"F10"_s;
    QTest::newRow("focus list") << u"FocusOnCF"_s << u"Alt+C"_s;
    QTest::newRow("up") << u"MoveStringUp"_s << u"Ctrl+Up"_s;
    QTest::newRow("down") << u"MoveStringDown"_s << u"Ctrl+Down"_s;
    QTest::newRow("delete") << u"DelAct"_s << u"Ctrl+D, Del"_s;
}

void TestWindowKeys::everyCommandHasItsKey()
{
    QFETCH(QString, action);
    QFETCH(QString, keys);
    EditorFixture editor;
    editor.start();
    const QAction* found = editor.window().findChild<QAction*>(action);
    QVERIFY(found);
    QStringList texts;
    for (const QKeySequence& key : found->shortcuts())
        texts.append(key.toString());
    QCOMPARE(texts.join(u", "_s), keys);
}

void TestWindowKeys::quitAsksOnlyWithUnsavedChanges_data()
{
    QTest::addColumn<bool>("menuChanged");
    QTest::addColumn<bool>("cfgChanged");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("quits");
    QTest::newRow("nothing unsaved") << false << false << false << 0 << true;
    QTest::newRow("menu changed, No") << true << false << false << 1 << false;
    QTest::newRow("cfg changed, Yes") << false << true << true << 1 << true;
}

void TestWindowKeys::quitAsksOnlyWithUnsavedChanges()
{
    QFETCH(bool, menuChanged);
    QFETCH(bool, cfgChanged);
    QFETCH(bool, answer);
    QFETCH(int, questions);
    QFETCH(bool, quits);
    EditorFixture editor;
    editor.start();
    editor.state.setMenuChanged(menuChanged);
    editor.state.setCfgChanged(cfgChanged);
    editor.prompts.answerNext(answer);
    // F10 acts on every page.
    editor.find<QTabWidget>("Editor")->setCurrentIndex(1);
    QTest::keyClick(&editor.window(), Qt::Key_F10);

    QCOMPARE(editor.prompts.count(ScriptedPrompts::Kind::Question), questions);
    if (questions)
        QCOMPARE(editor.prompts.shown().first().text,
                 u"Есть несохраненные данные. Вы действительно хотите выйти?"_s);
    QCOMPARE(editor.quitConfirmed(), quits);
    QVERIFY(editor.state.menuChanged() == menuChanged);
}

void TestWindowKeys::closeButtonRunsQuit()
{
    EditorFixture editor;
    editor.start();
    editor.state.setCfgChanged(true);
    editor.prompts.answerNext(false);
    QVERIFY(!editor.window().close());
    QVERIFY(editor.window().isVisible());
    QCOMPARE(editor.prompts.count(ScriptedPrompts::Kind::Question), 1);
    QVERIFY(!editor.quitConfirmed());
}

void TestWindowKeys::delInTextFieldDeletesCharacters()
{
    EditorFixture editor;
    editor.start();
    bool deleteCommandRan = false;
    connect(editor.window().actions()->DelAct, &QAction::triggered, this,
            [&] { deleteCommandRan = true; });
    QLineEdit* name = editor.find<QLineEdit>("i_name");
    name->setFocus();
    QTest::keyClicks(name, u"abc"_s);
    QTest::keyClick(name, Qt::Key_Home);
    QTest::keyClick(name, Qt::Key_Delete);
    QCOMPARE(name->text(), u"bc"_s);
    QVERIFY(!deleteCommandRan);

    editor.find<LineList>("ContentsFile")->setFocus();
    QTest::keyClick(editor.find<LineList>("ContentsFile"), Qt::Key_Delete);
    QVERIFY(deleteCommandRan);
}

void TestWindowKeys::editMenuActsOnItsField()
{
    EditorFixture editor;
    editor.start();
    QLineEdit* parameter = editor.find<QLineEdit>("i_param");
    parameter->setText(u"0:\\ZBin"_s);
    ActionList* actions = editor.window().actions();
    parameter->selectAll();
    QTimer::singleShot(0, this, [actions] {
        // The context menu is open now.
        QVERIFY(actions->EditCut1->isEnabled());
        actions->EditCut1->trigger();
        QApplication::activePopupWidget()->close();
    });
    Q_EMIT parameter->customContextMenuRequested(QPoint(5, 5));
    QCOMPARE(parameter->text(), QString());
    QCOMPARE(actions->EditCut1->text(), u"Вырезать"_s);
}

QTEST_MAIN(TestWindowKeys)
#include "tst_windowkeys.moc"
