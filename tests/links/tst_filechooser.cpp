#include "common/linelist.h"
#include "links/filechooser.h"
#include "support/listclicks.h"
#include "support/scriptedprompts.h"
#include "support/tempworkspace.h"

#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFileChooser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsTheFolderByMask();
    void okFollowsTheChoiceAndDoubleClickConfirms();
    void narrowChooserPutsButtonsUnderTheList();
    void missingFolderIsReportedAndNotOpened();
};

void TestFileChooser::listsTheFolderByMask()
{
    TempWorkspace folder;
    for (const QString& name : {u"b.png"_s, u"A.BMP"_s, u"c.gpf"_s, u"notes.txt"_s})
        folder.writeFile(u"icons/"_s + name, "x");
    folder.makeFolder(u"icons/sub.png"_s);
    ScriptedPrompts prompts;
    TCIcons chooser(prompts);
    QVERIFY(chooser.setUp(u"Выбор иконки"_s, folder.path(u"icons"_s), u"*.png;*.bmp"_s, 335));
    QCOMPARE(chooser.windowTitle(), u"Выбор иконки"_s);
    QCOMPARE(chooser.findChild<LineList*>(u"IconsDir"_s)->lines(),
             (QStringList{u"A.BMP"_s, u"b.png"_s}));

    // Set up again, the chooser reads the folder anew.
    folder.writeFile(u"icons/d.png"_s, "x");
    QVERIFY(chooser.setUp(u"Выбор иконки"_s, folder.path(u"icons"_s), u"*.png"_s, 335));
    QCOMPARE(chooser.findChild<LineList*>(u"IconsDir"_s)->lines(),
             (QStringList{u"b.png"_s, u"d.png"_s}));
}

void TestFileChooser::okFollowsTheChoiceAndDoubleClickConfirms()
{
    TempWorkspace folder;
    folder.writeFile(u"mnu/a.mnu"_s, {});
    folder.writeFile(u"mnu/b.mnu"_s, {});
    ScriptedPrompts prompts;
    TCIcons chooser(prompts);
    QVERIFY(chooser.setUp(u"Открыть меню"_s, folder.path(u"mnu"_s), u"*.mnu"_s, 175));
    chooser.show();
    auto* files = chooser.findChild<LineList*>(u"IconsDir"_s);
    auto* ok = chooser.findChild<QPushButton*>(u"bOk"_s);
    QVERIFY(!ok->isEnabled());
    QCOMPARE(chooser.chosenPath(), QString());

    clickRow(files, 1);
    QVERIFY(ok->isEnabled());
    QCOMPARE(chooser.chosenPath(), folder.path(u"mnu/b.mnu"_s));

    doubleClickRow(files, 0);
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
    QVERIFY(!chooser.isVisible());
    QCOMPARE(chooser.chosenPath(), folder.path(u"mnu/a.mnu"_s));
}

void TestFileChooser::narrowChooserPutsButtonsUnderTheList()
{
    TempWorkspace folder;
    ScriptedPrompts prompts;
    TCIcons chooser(prompts);
    QVERIFY(chooser.setUp(u"Открыть меню"_s, folder.root(), u"*.mnu"_s, 175));
    chooser.show();
    const QWidget* files = chooser.findChild<QWidget*>(u"IconsDir"_s);
    const QWidget* ok = chooser.findChild<QWidget*>(u"bOk"_s);
    const QWidget* cancel = chooser.findChild<QWidget*>(u"bCancel"_s);
    QVERIFY(ok->geometry().top() > files->geometry().bottom());
    QVERIFY(cancel->geometry().top() > ok->geometry().bottom());
    QVERIFY(chooser.rect().contains(cancel->geometry()));

    QVERIFY(chooser.setUp(u"Выбор иконки"_s, folder.root(), u"*.png"_s, 335));
    QVERIFY(ok->geometry().left() > files->geometry().right());
}

void TestFileChooser::missingFolderIsReportedAndNotOpened()
{
    TempWorkspace folder;
    ScriptedPrompts prompts;
    TCIcons chooser(prompts);
    const QString missing = folder.path(u"data/images/icons"_s);
    QVERIFY(!chooser.setUp(u"Выбор иконки"_s, missing, u"*.png"_s, 335));
    QCOMPARE(prompts.count(ScriptedPrompts::Kind::Error), 1);
    QVERIFY(prompts.shown().first().text.contains(missing));
}

QTEST_MAIN(TestFileChooser)
#include "tst_filechooser.moc"
