#include "common/textfile.h"
#include "support/tempworkspace.h"
#include "testpictures.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QColor startBlue(0, 0, 200);

struct Run
{
    int exitCode = -1;
    QString errors;
};

} // namespace

// The command-line renderer, run as a user runs it.
class TestTavuRender : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void rendersThePreview_data();
    void rendersThePreview();
    void failures_data();
    void failures();
    void help();

private:
    Run run(const QStringList& arguments);
    QString output() const { return m_workspace->path(u"out.png"_s); }

    std::unique_ptr<TempWorkspace> m_workspace;
};

Run TestTavuRender::run(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TAVU_RENDER), arguments);
    if (!process.waitForFinished(20000))
        qFatal("tavu-render did not finish");
    Run result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

void TestTavuRender::init()
{
    m_workspace = std::make_unique<TempWorkspace>();
    m_workspace->writeFile(u"sMenu/mnu/main.mnu"_s, joinTextLines({u"Calls|calls.png|CALL|1"_s}));
    m_workspace->writeFile(u"sMenu/data/menu.cfg"_s,
                           joinTextLines({u"StartButtonImg :start.png"_s, u"X0 :0"_s}));
    writePicture(*m_workspace, u"sMenu/data/images/start.png"_s, {234, 20}, startBlue);
    writePicture(*m_workspace, u"sMenu/data/images/calls.png"_s, {16, 16}, Qt::red);
}

void TestTavuRender::rendersThePreview_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("corner");
    QTest::addColumn<bool>("startButton");

    QTest::newRow("start values") << QStringList() << QSize(240, 320) << QColor(Qt::yellow) << true;
    QTest::newRow("size, colour, no start button")
        << QStringList{u"--size"_s, u"132x176"_s, u"--background"_s, u"00ff00"_s,
                       u"--no-start-button"_s}
        << QSize(132, 176) << QColor(Qt::green) << false;
    QTest::newRow("fixed wallpaper of the program folder")
        << QStringList{u"--size"_s, u"130x130"_s, u"--program-dir"_s, u"program"_s}
        << QSize(130, 130) << QColor(Qt::magenta) << true;
    QTest::newRow("chosen wallpaper")
        << QStringList{u"--wallpaper"_s, u"program/Data/wallpaper.bmp"_s} << QSize(240, 320)
        << QColor(Qt::magenta) << true;
}

void TestTavuRender::rendersThePreview()
{
    QFETCH(QStringList, options);
    QFETCH(QSize, size);
    QFETCH(QColor, corner);
    QFETCH(bool, startButton);

    writePicture(*m_workspace, u"program/Data/wallpaper.bmp"_s, {10, 10}, Qt::magenta);
    QDir::setCurrent(m_workspace->root());
    const Run result = run(options + QStringList{u"sMenu"_s, u"out.png"_s});
    QCOMPARE(result.exitCode, 0);
    const QImage image(output());
    QCOMPARE(image.size(), size);
    QCOMPARE(image.pixelColor(size.width() - 1, 0), corner);
    QCOMPARE(image.pixelColor(10, size.height() - 5) == startBlue, startButton);
}

void TestTavuRender::failures_data()
{
    QTest::addColumn<QStringList>("cfg"); // empty: menu.cfg is left as written
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");

    QTest::newRow("value that is no integer") << QStringList{u"Y0 :ten"_s} << QStringList() << 1
                                              << u"\"ten\" не является целым числом\n"_s;
    QTest::newRow("picture that cannot be read")
        << QStringList{u"MainBGimg :calls.GPF"_s} << QStringList() << 1
        << u"неизвестное расширение файла (.GPF)"_s;
    QTest::newRow("missing menu.cfg")
        << QStringList{u"-"_s} << QStringList() << 1 << u"Не найден "_s;
    QTest::newRow("wrong size") << QStringList() << QStringList{u"--size"_s, u"100x100"_s} << 2
                                << u"Размер экрана \"100x100\""_s;
    QTest::newRow("wrong colour") << QStringList() << QStringList{u"--background"_s, u"red"_s} << 2
                                  << u"Цвет фона \"red\""_s;
    QTest::newRow("cursor past 255")
        << QStringList() << QStringList{u"--cursor"_s, u"256"_s} << 2 << u"Курсор \"256\""_s;
}

void TestTavuRender::failures()
{
    QFETCH(QStringList, cfg);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, error);

    m_workspace->writeFile(u"sMenu/data/images/calls.GPF"_s, "GPF");
    if (cfg == QStringList{u"-"_s})
        QFile::remove(m_workspace->path(u"sMenu/data/menu.cfg"_s));
    else if (!cfg.isEmpty())
        m_workspace->writeFile(u"sMenu/data/menu.cfg"_s, joinTextLines(cfg));
    const Run result = run(options + QStringList{m_workspace->path(u"sMenu"_s), output()});
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.errors.contains(error), qPrintable(result.errors));
    QVERIFY(!QFile::exists(output()));
}

void TestTavuRender::help()
{
    const Run missing = run({u"only-one-argument"_s});
    QCOMPARE(missing.exitCode, 2);

    QProcess process;
    process.start(QStringLiteral(TAVU_RENDER), {u"--help"_s});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), 0);
    const QString help = QString::fromLocal8Bit(process.readAllStandardOutput());
    for (const char* option : {"--size", "--cursor", "--digits", "--no-outline",
                               "--no-start-button", "--font", "--font-size", "--background",
                               "--wallpaper", "--program-dir", "MENUFOLDER", "OUTPUT.png"})
        QVERIFY2(help.contains(QLatin1StringView(option)), option);
}

QTEST_MAIN(TestTavuRender)
#include "tst_tavurender.moc"
