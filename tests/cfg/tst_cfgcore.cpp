#include "cfg/cfgline.h"
#include "cfg/keycatalogue.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCfgCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splitCfgLine_data();
    void splitCfgLine();
    void readHex_data();
    void readHex();
    void readColour_data();
    void readColour();
    void keyRecognition_data();
    void keyRecognition();
    void noKeyNameStartsAnother();
    void defaultLinesAreKnownKeysAndComments();
};

void TestCfgCore::splitCfgLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("trailing blank stays in the key") << u"Price :"_s << u"Price "_s << QString();
    QTest::newRow("second colon ends the value")
        << u"Copiright :(c) 2009: all"_s << u"Copiright "_s << u"(c) 2009"_s;
    QTest::newRow("no colon") << u"X0"_s << u"X0"_s << QString();
    QTest::newRow("empty key") << u":7"_s << QString() << u"7"_s;
    QTest::newRow("number") << u"X0 :0"_s << u"X0 "_s << u"0"_s;
    QTest::newRow("phone path cut at drive")
        << u"MainBGimg :4:\\ZBin\\bg.png"_s << u"MainBGimg "_s << u"4"_s;
    QTest::newRow("empty line") << QString() << QString() << QString();
}

void TestCfgCore::splitCfgLine()
{
    QFETCH(QString, line);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const CfgLine split = SplitCfgLine(line);
    QCOMPARE(split.key, key);
    QCOMPARE(split.value, value);
}

void TestCfgCore::readHex_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("messages");
    const QString prefix = u"Не могу преобразовать HEX-значение: "_s;
    QTest::newRow("small letters") << u"1f"_s << 31 << QStringList();
    QTest::newRow("alpha maximum") << u"64"_s << 100 << QStringList();
    QTest::newRow("empty") << QString() << 0 << QStringList();
    QTest::newRow("one bad character") << u"G1"_s << 1 << QStringList{prefix + u"G1"_s};
    QTest::newRow("two bad characters")
        << u"zz"_s << 0 << QStringList{prefix + u"ZZ"_s, prefix + u"ZZ"_s};
    QTest::newRow("bits shifted out are lost") << u"123456789"_s << 0x23456789 << QStringList();
}

void TestCfgCore::readHex()
{
    QFETCH(QString, text);
    QFETCH(int, result);
    QFETCH(QStringList, messages);
    QStringList reported;
    QCOMPARE(ReadHex(text, [&](const QString& message) { reported.append(message); }), result);
    QCOMPARE(reported, messages);
}

void TestCfgCore::readColour_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QList<int>>("abgr");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("opaque blue") << u"64FF0000"_s << QList<int>{100, 255, 0, 0} << QStringList();
    QTest::newRow("short value") << u"FFFFFF"_s << QList<int>{255, 255, 255, 0} << QStringList();
    QTest::newRow("empty") << QString() << QList<int>{0, 0, 0, 0} << QStringList();
    QTest::newRow("digits past the eighth ignored")
        << u"0102030405"_s << QList<int>{1, 2, 3, 4} << QStringList();
    // A bad character is reported with its pair, not the whole value.
    QTest::newRow("bad character in the blue pair")
        << u"64zf0000"_s << QList<int>{100, 15, 0, 0}
        << QStringList{u"Не могу преобразовать HEX-значение: ZF"_s};
}

void TestCfgCore::readColour()
{
    QFETCH(QString, value);
    QFETCH(QList<int>, abgr);
    QFETCH(QStringList, messages);
    QStringList reported;
    const CfgColour colour =
        ReadCfgColour(value, [&](const QString& message) { reported.append(message); });
    QCOMPARE((QList<int>{colour.alpha, colour.blue, colour.green, colour.red}), abgr);
    QCOMPARE(reported, messages);
}

void TestCfgCore::keyRecognition_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("description");
    QTest::newRow("with blank") << u"X0 :5"_s << u"X0"_s << u"Смещение меню по Х слева"_s;
    QTest::newRow("without blank") << u"X0:5"_s << u"X0"_s << u"Смещение меню по Х слева"_s;
    QTest::newRow("run-on") << u"X0abc"_s << u"X0"_s << u"Смещение меню по Х слева"_s;
    QTest::newRow("leading blank") << u" X0 :5"_s << QString() << QString();
    QTest::newRow("small letters") << u"x0 :5"_s << QString() << QString();
    QTest::newRow("empty key") << u":7"_s << QString() << QString();
    QTest::newRow("old spelling") << u"Copiright :a"_s << u"Copiright"_s << u"Авторские права"_s;
    QTest::newRow("new spelling") << u"Copyright :a"_s << u"Copyright"_s << u"Авторские права"_s;
    QTest::newRow("comment") << u";data here"_s << QString() << u"Комментарий"_s;
    QTest::newRow("item colour") << u"ItemColor :FF000000"_s << u"ItemColor"_s << u"Цвет текста"_s;
}

void TestCfgCore::keyRecognition()
{
    QFETCH(QString, line);
    QFETCH(QString, key);
    QFETCH(QString, description);
    const CfgKey* found = findKey(line);
    QCOMPARE(found ? QString::fromLatin1(found->name) : QString(), key);
    QCOMPARE(describeLine(line), description);
}

void TestCfgCore::noKeyNameStartsAnother()
{
    for (const CfgKey& a : keyCatalogue()) {
        for (const CfgKey& b : keyCatalogue()) {
            if (&a != &b)
                QVERIFY2(!QString::fromLatin1(b.name).startsWith(QString::fromLatin1(a.name)),
                         b.name);
        }
    }
}

void TestCfgCore::defaultLinesAreKnownKeysAndComments()
{
    const QStringList lines = defaultCfgLines();
    QCOMPARE(lines.size(), 30);
    QCOMPARE(lines.first(), u";this is simple menu config"_s);
    QCOMPARE(lines.last(), u"ItemTextXofs :0"_s);
    for (const QString& line : lines)
        QVERIFY2(findKey(line) || isCommentLine(line), qPrintable(line));
}

QTEST_APPLESS_MAIN(TestCfgCore)
#include "tst_cfgcore.moc"
