#include "common/filesearch.h"
#include "common/paths.h"
#include "common/strings1251.h"
#include "common/textfile.h"
#include "support/tempworkspace.h"

#include <QFile>
#include <QStringDecoder>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCommon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void upperCase1251_data();
    void upperCase1251();
    void startsWith_data();
    void startsWith();
    void splitAtChar_data();
    void splitAtChar();
    void splitTextLines_data();
    void splitTextLines();
    void joinTextLinesEndsEveryLine();
    void everyByteSurvivesReadAndWrite();
    void writeFailureNamesFile();
    void readFailureNamesFile();
    void findFilesMatchesMasksIgnoringCase();
    void joinPathTurnsBackslashes();
};

void TestCommon::upperCase1251_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("latin and cyrillic, ё kept") << u"ёлка Qw"_s << u"ёЛКА QW"_s;
    QTest::newRow("file name") << u"main.mnu"_s << u"MAIN.MNU"_s;
    QTest::newRow("other letters kept") << u"äöüß ѓ"_s << u"äöüß ѓ"_s;
    QTest::newRow("whole cyrillic range")
        << u"абвгдежзийклмнопрстуфхцчшщъыьэюя"_s << u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"_s;
}

void TestCommon::upperCase1251()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(UpperCase1251(text), expected);
}

void TestCommon::startsWith_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::newRow("key with blank") << u"X0"_s << u"X0 :5"_s << true;
    QTest::newRow("key without blank") << u"X0"_s << u"X0:5"_s << true;
    QTest::newRow("leading blank") << u"X0"_s << u" X0 :5"_s << false;
    QTest::newRow("case counts") << u"X0"_s << u"x0 :5"_s << false;
    QTest::newRow("empty prefix") << QString() << u"abc"_s << true;
    QTest::newRow("text shorter") << u"ItemColor"_s << u"Item"_s << false;
}

void TestCommon::startsWith()
{
    QFETCH(QString, prefix);
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(StartsWith(prefix, text), expected);
}

void TestCommon::splitAtChar_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("tail");
    QTest::newRow("size") << u"240x320"_s << u"240"_s << u"320"_s;
    QTest::newRow("later ones stay in the tail") << u"axbxc"_s << u"a"_s << u"bxc"_s;
    QTest::newRow("none") << u"abc"_s << u"abc"_s << QString();
    QTest::newRow("at the end") << u"abx"_s << u"ab"_s << QString();
}

void TestCommon::splitAtChar()
{
    QFETCH(QString, text);
    QFETCH(QString, head);
    QFETCH(QString, tail);
    const auto [gotHead, gotTail] = SplitAtChar(text, u'x');
    QCOMPARE(gotHead, head);
    QCOMPARE(gotTail, tail);
}

void TestCommon::splitTextLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("CR LF, final end adds nothing")
        << "a\r\nb\r\n"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("last line without end") << "a\r\nb"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone LF") << "a\nb\n"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("two CRs make an empty line")
        << "a\r\rb"_ba << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("LF CR is two ends") << "a\n\rb"_ba << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("empty line in the middle")
        << "a\r\n\r\nb\r\n"_ba << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("only a line end") << "\r\n"_ba << QStringList{QString()};
    QTest::newRow("byte 0 ends the text")
        << QByteArray("a\r\nb\0c\r\nd", 10) << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("cyrillic") << "\xc8\xe3\xf0\xfb|x"_ba << QStringList{u"Игры|x"_s};
}

void TestCommon::splitTextLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(::splitTextLines(bytes), lines);
}

void TestCommon::joinTextLinesEndsEveryLine()
{
    QCOMPARE(joinTextLines({}), QByteArray());
    QCOMPARE(joinTextLines({QString()}), "\r\n"_ba);
    QCOMPARE(joinTextLines({u"Игры"_s, u"b"_s}), "\xc8\xe3\xf0\xfb\r\nb\r\n"_ba);
}

void TestCommon::everyByteSurvivesReadAndWrite()
{
    TempWorkspace workspace;
    QByteArray original;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            original.append(char(byte));
    }
    original += "\r\n";
    original += original; // two lines holding every byte value
    const QString path = workspace.writeFile(u"all.mnu"_s, original);

    const TextReadResult read = readTextLines(path);
    QVERIFY(read.ok());
    QCOMPARE(read.lines.size(), 2);
    QCOMPARE(read.lines.first().size(), 253);

    const QString copy = workspace.path(u"copy.mnu"_s);
    QCOMPARE(writeTextLines(copy, read.lines), QString());
    QCOMPARE(workspace.readFile(u"copy.mnu"_s), original);
}

void TestCommon::writeFailureNamesFile()
{
    TempWorkspace workspace;
    workspace.writeFile(u"plain"_s, "x");
    const QString path = workspace.path(u"plain/a.mnu"_s); // a file stands where a folder must
    const QString error = writeTextLines(path, {u"new"_s});
    QVERIFY(error.contains(path));
    QVERIFY(!QFile::exists(path));

    const QString deeper = workspace.path(u"new/folder/b.mnu"_s);
    QCOMPARE(writeTextLines(deeper, {u"b"_s}), QString());
    QCOMPARE(workspace.readFile(u"new/folder/b.mnu"_s), "b\r\n"_ba);
}

void TestCommon::readFailureNamesFile()
{
    TempWorkspace workspace;
    const QString path = workspace.path(u"missing.mnu"_s);
    const TextReadResult read = readTextLines(path);
    QVERIFY(!read.ok());
    QVERIFY(read.error.contains(path));
    QVERIFY(read.lines.isEmpty());
}

void TestCommon::findFilesMatchesMasksIgnoringCase()
{
    TempWorkspace workspace;
    workspace.writeFile(u"mnu/main.mnu"_s, {});
    workspace.writeFile(u"mnu/GAMES.MNU"_s, {});
    workspace.writeFile(u"mnu/.hidden.mnu"_s, {});
    workspace.writeFile(u"mnu/notes.txt"_s, {});
    workspace.makeFolder(u"mnu/folder.mnu"_s);

    QStringList found = findFiles(workspace.path(u"mnu"_s), u"*.mnu"_s);
    found.sort();
    QCOMPARE(found, (QStringList{u".hidden.mnu"_s, u"GAMES.MNU"_s, u"main.mnu"_s}));

    QCOMPARE(findFiles(workspace.path(u"mnu"_s), u"*.txt;*.MNU"_s).size(), 4);
    QVERIFY(fileMatches(workspace.path(u"mnu/*.txt"_s)));
    QVERIFY(!fileMatches(workspace.path(u"mnu/*.eps"_s)));
    QVERIFY(!fileMatches(workspace.path(u"nowhere/*.mnu"_s)));
}

void TestCommon::joinPathTurnsBackslashes()
{
    QCOMPARE(joinPath(u"/opt/tavu"_s, u"\\Data\\sMenu"_s), u"/opt/tavu/Data/sMenu"_s);
    QCOMPARE(fileNamePart(u"/a/b/main.mnu"_s), u"main.mnu"_s);
    QCOMPARE(folderPart(u"/a/b/main.mnu"_s), u"/a/b"_s);
    QCOMPARE(extensionPart(u"/a.b/c.d.MNU"_s), u".MNU"_s);
    QCOMPARE(extensionPart(u"/a.b/c"_s), QString());
}

QTEST_GUILESS_MAIN(TestCommon)
#include "tst_common.moc"
