#include "menu/menuline.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestMenuLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data();
    void split();
    void join_data();
    void join();
    void plainLinesSurviveSplitAndJoin_data();
    void plainLinesSurviveSplitAndJoin();
    void forbiddenSubmenu_data();
    void forbiddenSubmenu();
};

void TestMenuLine::split_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("parameter");

    QTest::newRow("submenu") << u"Игры|icons\\games.png|SUBMENU|games.mnu"_s << u"Игры"_s
                             << u"icons\\games.png"_s << u"SUBMENU"_s << u"games.mnu"_s;
    QTest::newRow("rootmenu without parameter")
        << u"Назад|#3AF|ROOTMENU"_s << u"Назад"_s << u"#3AF"_s << u"ROOTMENU"_s << QString();
    QTest::newRow("inner separators survive")
        << u"n|i|CALL|A|B|C"_s << u"n"_s << u"i"_s << u"CALL"_s << u"A|B|C"_s;
    QTest::newRow("call with arguments")
        << u"x|y|CALL|AB000000|#1AC|Sstring|Wwidestring"_s << u"x"_s << u"y"_s << u"CALL"_s
        << u"AB000000|#1AC|Sstring|Wwidestring"_s;
    QTest::newRow("run becomes one")
        << u"n|i|CALL|A||B"_s << u"n"_s << u"i"_s << u"CALL"_s << u"A|B"_s;
    QTest::newRow("trailing separator dropped")
        << u"n|i|CALL|A|"_s << u"n"_s << u"i"_s << u"CALL"_s << u"A"_s;
    QTest::newRow("only separators")
        << u"n|i|CALL||"_s << u"n"_s << u"i"_s << u"CALL"_s << QString();
    QTest::newRow("leading separator kept once")
        << u"n|i|CALL||A"_s << u"n"_s << u"i"_s << u"CALL"_s << u"|A"_s;
    QTest::newRow("lib with run and trailing")
        << u"a|b|LIB|123|#1AC||Sstr|"_s << u"a"_s << u"b"_s << u"LIB"_s << u"123|#1AC|Sstr"_s;
    QTest::newRow("empty icon stays in place")
        << u"n||FILE|x"_s << u"n"_s << QString() << u"FILE"_s << u"x"_s;
    QTest::newRow("no separator") << u"abc"_s << u"abc"_s << QString() << QString() << QString();
    QTest::newRow("two fields") << u"a|b"_s << u"a"_s << u"b"_s << QString() << QString();
    QTest::newRow("empty line") << QString() << QString() << QString() << QString() << QString();
    QTest::newRow("nothing trimmed, case kept")
        << u" a | b |folder| p "_s << u" a "_s << u" b "_s << u"folder"_s << u" p "_s;
}

void TestMenuLine::split()
{
    QFETCH(QString, line);
    QFETCH(QString, name);
    QFETCH(QString, icon);
    QFETCH(QString, type);
    QFETCH(QString, parameter);
    QCOMPARE(SplitMenuLine(line), (MenuItem{name, icon, type, parameter}));
}

void TestMenuLine::join_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<QString>("line");
    QTest::newRow("four fields") << u"SUBMENU"_s << u"games.mnu"_s << u"n|i|SUBMENU|games.mnu"_s;
    QTest::newRow("rootmenu drops its parameter") << u"ROOTMENU"_s << u"z"_s << u"n|i|ROOTMENU"_s;
    QTest::newRow("rootmenu only in capitals") << u"RootMenu"_s << u"z"_s << u"n|i|RootMenu|z"_s;
    QTest::newRow("empty parameter keeps its separator")
        << u"FILES"_s << QString() << u"n|i|FILES|"_s;
}

void TestMenuLine::join()
{
    QFETCH(QString, type);
    QFETCH(QString, parameter);
    QFETCH(QString, line);
    QCOMPARE(JoinMenuLine({u"n"_s, u"i"_s, type, parameter}), line);
}

void TestMenuLine::plainLinesSurviveSplitAndJoin_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("submenu") << u"Игры|icons\\games.png|SUBMENU|games.mnu"_s;
    QTest::newRow("rootmenu") << u"Назад|#3AF|ROOTMENU"_s;
    QTest::newRow("call with arguments") << u"x|y|CALL|AB000000|#1AC|Sstring|Wwidestring"_s;
    QTest::newRow("empty fields") << u"||FILE|"_s;
}

void TestMenuLine::plainLinesSurviveSplitAndJoin()
{
    QFETCH(QString, line);
    QCOMPARE(JoinMenuLine(SplitMenuLine(line)), line);
}

void TestMenuLine::forbiddenSubmenu_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<bool>("forbidden");
    QTest::newRow("main.mnu") << u"SUBMENU"_s << u"main.mnu"_s << true;
    QTest::newRow("other case") << u"SUBMENU"_s << u"Main.MNU"_s << true;
    QTest::newRow("trailing blank") << u"SUBMENU"_s << u"main.mnu "_s << false;
    QTest::newRow("with folder") << u"SUBMENU"_s << u"mnu\\main.mnu"_s << false;
    QTest::newRow("other file") << u"SUBMENU"_s << u"games.mnu"_s << false;
    QTest::newRow("other type") << u"FILE"_s << u"main.mnu"_s << false;
    QTest::newRow("type in small letters") << u"submenu"_s << u"main.mnu"_s << false;
}

void TestMenuLine::forbiddenSubmenu()
{
    QFETCH(QString, type);
    QFETCH(QString, parameter);
    QFETCH(bool, forbidden);
    QCOMPARE(isForbiddenSubmenu({u"n"_s, u"i"_s, type, parameter}), forbidden);
}

QTEST_APPLESS_MAIN(TestMenuLine)
#include "tst_menuline.moc"
