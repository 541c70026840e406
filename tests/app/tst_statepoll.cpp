#include "common/linelist.h"
#include "support/editorfixture.h"
#include "support/typing.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
// The buffer's buttons sit in a group that is disabled while out of view; this is their own
// state.
bool enabled(const QWidget* widget)
{
    return widget->isEnabledTo(widget->parentWidget());
}
} // namespace

class TestStatePoll : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void addFollowsTheFourFields();
    void bufferButtonsFollowTheLists();
    void boundFileCommandsFollowMenuPath();
    void linkHintFollowsTypeFieldFocus();

private:
    std::unique_ptr<EditorFixture> m_editor;
};

void TestStatePoll::init()
{
    m_editor = std::make_unique<EditorFixture>();
    m_editor->start();
}

void TestStatePoll::cleanup()
{
    m_editor.reset();
}

void TestStatePoll::addFollowsTheFourFields()
{
    QPushButton* add = m_editor->find<QPushButton>("bAdd");
    QLineEdit* name = m_editor->find<QLineEdit>("i_name");
    QVERIFY(!add->isEnabled());

    typeText(name, u"Игры"_s);
    m_editor->find<QLineEdit>("i_icon")->setText(u"icons\\g.png"_s);
    m_editor->find<QLineEdit>("i_tlink")->setText(u"SUBMENU"_s);
    QVERIFY(!add->isEnabled());
    QTest::keyClicks(m_editor->find<QLineEdit>("i_param"), u"g"_s);
    QVERIFY(add->isEnabled());

    name->setFocus();
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Backspace);
    QVERIFY(!add->isEnabled());
}

void TestStatePoll::bufferButtonsFollowTheLists()
{
    LineList* buffer = m_editor->find<LineList>("Buffer");
    LineList* items = m_editor->find<LineList>("ContentsFile");
    QToolButton* fromBuffer = m_editor->find<QToolButton>("FromBuffer");
    QToolButton* allFromBuffer = m_editor->find<QToolButton>("AllFromBuffer");
    QToolButton* toBuffer = m_editor->find<QToolButton>("ToBuffer");
    QToolButton* allToBuffer = m_editor->find<QToolButton>("AllToBuffer");

    QVERIFY(!enabled(allFromBuffer));
    QVERIFY(!enabled(allToBuffer));
    QVERIFY(!enabled(toBuffer));

    buffer->appendLine(u"a|b|FILE|x"_s);
    QVERIFY(enabled(allFromBuffer));
    QVERIFY(!enabled(fromBuffer)); // only a chosen line enables copying one

    fromBuffer->setEnabled(true);
    buffer->removeLine(0);
    QVERIFY(!enabled(allFromBuffer));
    QVERIFY(!enabled(fromBuffer));

    items->setLines({u"a|b|FILE|x"_s});
    QVERIFY(enabled(allToBuffer));
    toBuffer->setEnabled(true);
    items->setLines({});
    QVERIFY(!enabled(allToBuffer));
    QVERIFY(!enabled(toBuffer));
}

void TestStatePoll::boundFileCommandsFollowMenuPath()
{
    QToolButton* deleteFile = m_editor->find<QToolButton>("DelCurrFile");
    QVERIFY(!deleteFile->isEnabled());
    m_editor->state.setMenuPath(m_editor->menuFolderFile(u"mnu/a.mnu"_s));
    QVERIFY(deleteFile->isEnabled());
    m_editor->state.setMenuPath(QString());
    QVERIFY(!deleteFile->isEnabled());
}

void TestStatePoll::linkHintFollowsTypeFieldFocus()
{
    QWidget* hint = m_editor->find<QWidget>("Hint");
    QVERIFY(!hint->isVisible());

    m_editor->find<QLineEdit>("i_tlink")->setFocus();
    QVERIFY(hint->isVisible());
    QCOMPARE(hint->pos(), QPoint(136, 184));
    QCOMPARE(hint->size(), QSize(401, 233));

    QTest::keyClick(m_editor->find<QLineEdit>("i_tlink"), Qt::Key_Tab);
    QVERIFY(!hint->isVisible());
}

QTEST_MAIN(TestStatePoll)
#include "tst_statepoll.moc"
