#include "common/textfile.h"
#include "preview/scenebuilder.h"
#include "preview/scenepainter.h"
#include "support/tempworkspace.h"
#include "testpictures.h"

#include <QFontInfo>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PreviewScene::End)

namespace {

const QString images = u"Data/sMenu/data/images/"_s;
const QColor wallpaperGreen(0, 160, 0);
const QColor backgroundGreen(0, 255, 0);
const QColor iconRed(255, 0, 0);
const QColor startBlue(0, 0, 200);

struct Rendered
{
    PreviewScene scene;
    QStringList reports;
};

// A workspace whose ProgramDir is the temporary root and whose menu folder is Data/sMenu.
class SceneWorkspace
{
public:
    TempWorkspace files;

    void setMenu(const QStringList& lines)
    {
        files.writeFile(u"Data/sMenu/mnu/main.mnu"_s, joinTextLines(lines));
    }
    QString picture(const QString& name, QSize size, const QColor& colour)
    {
        return writePicture(files, images + name, size, colour);
    }
    Rendered render(const QStringList& cfg, const PreviewSettings& settings = {}, quint8 cursor = 0,
                    PreviewStage stage = {})
    {
        Rendered rendered;
        PreviewInput input{files.root(), files.path(u"Data/sMenu"_s), cfg, settings};
        rendered.scene = buildPreviewScene(input, std::move(stage), cursor,
                                           [&](const QString& m) { rendered.reports.append(m); });
        return rendered;
    }
};

QList<const PreviewElement*> elementsOf(const PreviewScene& scene, PreviewElement::Kind kind)
{
    QList<const PreviewElement*> found;
    for (const PreviewElement& element : scene.elements) {
        if (element.kind == kind)
            found.append(&element);
    }
    return found;
}

const PreviewElement* labelOf(const PreviewScene& scene, int item)
{
    for (const PreviewElement* label : elementsOf(scene, PreviewElement::Kind::Label)) {
        if (label->item == item)
            return label;
    }
    return nullptr;
}

} // namespace

class TestPreviewScene : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void itemPlacement_data();
    void itemPlacement();
    void backgroundGeometry_data();
    void backgroundGeometry();
    void startButton_data();
    void startButton();
    void textColours_data();
    void textColours();
    void labelsIconsAndCursor();
    void fonts_data();
    void fonts();
    void wallpaperChoice_data();
    void wallpaperChoice();
    void earlyEndsAndFailures_data();
    void earlyEndsAndFailures();
    void failureKeepsWhatWasDrawn();
    void paintedLayers();
    void outline();

private:
    SceneWorkspace m_workspace;
};

void TestPreviewScene::initTestCase()
{
    m_workspace.picture(u"bg150.png"_s, {40, 150}, backgroundGreen);
    m_workspace.picture(u"item20.png"_s, {30, 20}, Qt::gray);
    m_workspace.picture(u"step.Png"_s, {30, 20}, Qt::gray);
    m_workspace.picture(u"item.jpg"_s, {30, 20}, Qt::gray);
    m_workspace.picture(u"calls.png"_s, {24, 24}, iconRed);
    m_workspace.picture(u"icons/net.png"_s, {16, 16}, Qt::cyan);
    m_workspace.picture(u"cur.png"_s, {200, 30}, Qt::white);
    m_workspace.picture(u"start.png"_s, {300, 30}, startBlue);
    m_workspace.files.writeFile(images + u"bg.gpf"_s, "GPF picture");
    m_workspace.files.writeFile(images + u"bg.GPF"_s, "GPF picture");
    m_workspace.files.writeFile(images + u"broken.png"_s, "\x89PNG\r\n\x1a\n broken");
}

void TestPreviewScene::itemPlacement_data()
{
    QTest::addColumn<QStringList>("cfg");
    QTest::addColumn<QStringList>("menu");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QList<int>>("tops"); // of the labels of items 0, 1, ...
    QTest::addColumn<int>("clampedCursor");

    const QStringList three = {u"A|||"_s, u"B|||"_s, u"C|||"_s};
    // The background starts 105 high at top 168, so the base line is 168 + 105 - 19 = 254.
    QTest::newRow("empty main.mnu: no item, cursor 255")
        << QStringList{u"ItemImg :item20.png"_s} << QStringList() << 0 << QList<int>() << 255;
    QTest::newRow("no ItemImg: all on the base line")
        << QStringList{u"X0 :0"_s} << three << 0 << QList<int>{254, 254, 254} << 0;
    QTest::newRow("ItemImg 20 high steps the items")
        << QStringList{u"ItemImg :item20.png"_s} << three << 1 << QList<int>{214, 234, 254} << 1;
    QTest::newRow("ItemImg extension in any letter case")
        << QStringList{u"ItemImg :step.Png"_s} << three << 2 << QList<int>{214, 234, 254} << 2;
    QTest::newRow("ItemImg JPEG does not step")
        << QStringList{u"ItemImg :item.jpg"_s} << three << 0 << QList<int>{254, 254, 254} << 0;
    QTest::newRow("missing ItemImg does not step")
        << QStringList{u"ItemImg :none.png"_s} << three << 0 << QList<int>{254, 254, 254} << 0;
    QTest::newRow("base line 226: background top 100, height 150, ItemYofsMain 5")
        << QStringList{u"MainBGimg :bg150.png"_s, u"Y0 :70"_s, u"ItemYofsMain :5"_s}
        << QStringList{u"A|||"_s} << 0 << QList<int>{226} << 0;
    QTest::newRow("cursor 7 of five items becomes 4")
        << QStringList() << QStringList{u"1|||"_s, u"2|||"_s, u"3|||"_s, u"4|||"_s, u"5|||"_s} << 7
        << QList<int>{254, 254, 254, 254, 254} << 4;
}

void TestPreviewScene::itemPlacement()
{
    QFETCH(QStringList, cfg);
    QFETCH(QStringList, menu);
    QFETCH(int, cursor);
    QFETCH(QList<int>, tops);
    QFETCH(int, clampedCursor);

    m_workspace.setMenu(menu);
    cfg.append(u"SelItemColor :640000FF"_s);
    const PreviewScene scene = m_workspace.render(cfg, {}, quint8(cursor)).scene;
    QCOMPARE(scene.end, PreviewScene::End::Completed);
    QCOMPARE(scene.stage.previewList, menu);
    QCOMPARE(int(scene.cursor), clampedCursor);
    QList<int> labelTops(menu.size());
    for (const PreviewElement* label : elementsOf(scene, PreviewElement::Kind::Label))
        labelTops[label->item] = label->box.top();
    QCOMPARE(labelTops, tops);
    QCOMPARE(scene.baseLine, tops.isEmpty() ? 254 : tops.last());
    // The last item comes first, so the first item lies on top of all.
    if (!menu.isEmpty()) {
        QCOMPARE(scene.elements.first().item, menu.size() - 1);
        QCOMPARE(scene.elements.last().item, 0);
    }
    for (const PreviewElement* label : elementsOf(scene, PreviewElement::Kind::Label))
        QCOMPARE(label->colour, label->item == clampedCursor ? QColor(Qt::red) : QColor(Qt::black));
}

void TestPreviewScene::backgroundGeometry_data()
{
    QTest::addColumn<QStringList>("cfg");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<bool>("hasPicture");

    const QRect start(8, 168, 105, 105);
    QTest::newRow("no key keeps the start box") << QStringList() << start << false;
    QTest::newRow("Y0 10 after MainBGimg: top 320 - 10 - 150")
        << QStringList{u"MainBGimg :bg150.png"_s, u"Y0 :10"_s} << QRect(8, 160, 40, 150) << true;
    QTest::newRow("Y0 before MainBGimg uses the height before")
        << QStringList{u"Y0 :10"_s, u"MainBGimg :bg150.png"_s} << QRect(8, 205, 40, 150) << true;
    QTest::newRow("X0 moves it") << QStringList{u"X0 :20"_s} << QRect(20, 168, 105, 105) << false;
    QTest::newRow("empty X0 and Y0 do nothing")
        << QStringList{u"X0 :"_s, u"Y0 :"_s} << start << false;
    QTest::newRow("phone path is cut at the drive's colon")
        << QStringList{u"MainBGimg :4:\\ZBin\\smenu\\data\\images\\bg150.png"_s} << start << false;
    QTest::newRow("file name part of a value with folders")
        << QStringList{u"MainBGimg :pics\\bg150.png"_s} << QRect(8, 168, 40, 150) << true;
    QTest::newRow("missing file leaves it")
        << QStringList{u"MainBGimg :none.png"_s} << start << false;
    QTest::newRow("key matched case-sensitively")
        << QStringList{u"mainbgimg :bg150.png"_s} << start << false;
}

void TestPreviewScene::backgroundGeometry()
{
    QFETCH(QStringList, cfg);
    QFETCH(QRect, box);
    QFETCH(bool, hasPicture);

    m_workspace.setMenu({});
    const PreviewScene scene = m_workspace.render(cfg).scene;
    QCOMPARE(scene.end, PreviewScene::End::Completed);
    QCOMPARE(scene.stage.background.box, box);
    QCOMPARE(!scene.stage.background.picture.isNull(), hasPicture);
}

void TestPreviewScene::startButton_data()
{
    QTest::addColumn<QStringList>("cfg");
    QTest::addColumn<bool>("hadPicture");
    QTest::addColumn<QRect>("box");

    QTest::newRow("picture on the bottom edge, 234 wide")
        << QStringList{u"StartButtonImg :start.png"_s} << false << QRect(0, 290, 234, 30);
    QTest::newRow("missing file hides the button")
        << QStringList{u"StartButtonImg :none.png"_s} << true << QRect(0, 290, 234, 0);
    QTest::newRow("empty value hides the button")
        << QStringList{u"StartButtonImg :"_s} << true << QRect(0, 290, 234, 0);
    QTest::newRow("no line leaves it as it was")
        << QStringList{u"X0 :8"_s} << true << QRect(0, 290, 234, 30);
}

void TestPreviewScene::startButton()
{
    QFETCH(QStringList, cfg);
    QFETCH(bool, hadPicture);
    QFETCH(QRect, box);

    m_workspace.setMenu({});
    PreviewStage stage;
    if (hadPicture)
        stage = m_workspace.render({u"StartButtonImg :start.png"_s}).scene.stage;
    const PreviewScene scene = m_workspace.render(cfg, {}, 0, stage).scene;
    QCOMPARE(scene.stage.startButton.box, box);
    const QImage painted = paintPreview(scene, {240, 320});
    QCOMPARE(countPixels(painted, {0, 290, 240, 30}, startBlue), box.width() * box.height());
}

void TestPreviewScene::textColours_data()
{
    QTest::addColumn<QStringList>("cfg");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("reports");

    QTest::newRow("64FF0000 is pure blue")
        << QStringList{u"ItemColor :64FF0000"_s} << false << QColor(Qt::blue) << 0;
    QTest::newRow("00000000 is black")
        << QStringList{u"ItemColor :00000000"_s} << false << QColor(Qt::black) << 0;
    QTest::newRow("empty value leaves black")
        << QStringList{u"ItemColor :"_s} << false << QColor(Qt::black) << 0;
    QTest::newRow("pairs are blue, green, red; small letters read")
        << QStringList{u"ItemColor :00ff8040"_s} << false << QColor(0x40, 0x80, 0xFF) << 0;
    QTest::newRow("short value: missing pairs read 0")
        << QStringList{u"ItemColor :64FF"_s} << false << QColor(Qt::blue) << 0;
    QTest::newRow("the last line wins")
        << QStringList{u"ItemColor :64FF0000"_s, u"ItemColor :0000FF00"_s} << false
        << QColor(Qt::green) << 0;
    QTest::newRow("bad digits are reported and read 0, the alpha pair is not read")
        << QStringList{u"ItemColor :ZZGG00FF"_s} << false << QColor(Qt::red) << 2;
    QTest::newRow("the selected item takes SelItemColor")
        << QStringList{u"ItemColor :64FF0000"_s, u"SelItemColor :640000FF"_s} << true
        << QColor(Qt::red) << 0;
}

void TestPreviewScene::textColours()
{
    QFETCH(QStringList, cfg);
    QFETCH(bool, selected);
    QFETCH(QColor, colour);
    QFETCH(int, reports);

    m_workspace.setMenu({u"WWWW|||"_s, u"WWWW|||"_s});
    PreviewSettings settings;
    settings.background = Qt::white;
    settings.outline = false;
    settings.fontPoints = 20;
    cfg.append(u"ItemImg :cur.png"_s); // items 30 apart, so the labels do not overlap
    const Rendered rendered = m_workspace.render(cfg, settings);
    QCOMPARE(rendered.reports.size(), reports);
    for (const QString& report : rendered.reports)
        QVERIFY(report.startsWith(u"Не могу преобразовать HEX-значение: "_s));

    const PreviewElement* label = labelOf(rendered.scene, selected ? 0 : 1);
    QVERIFY(label);
    QCOMPARE(label->colour, colour);
    const QImage painted = paintPreview(rendered.scene, settings.screen);
    QVERIFY(countPixels(painted, label->box, colour) > 10);
}

void TestPreviewScene::labelsIconsAndCursor()
{
    m_workspace.setMenu({u"Calls|calls.png|CALL|123"_s, u"Net|icons\\net.png|FOLDER|0:\\"_s,
                         u"Games|#3AF|FOLDER|0:\\Games"_s, u"Phone|0:\\ZBin\\a.png|FILE|x"_s});
    PreviewSettings settings;
    settings.digits = true;
    const QStringList cfg = {u"X0 :10"_s, u"ItemXofsMain :4"_s, u"ItemTextXofs :30"_s,
                             u"ItemImg :item20.png"_s, u"MainCursorImg :cur.png"_s};
    const PreviewScene scene = m_workspace.render(cfg, settings, 1).scene;
    QCOMPARE(scene.end, PreviewScene::End::Completed);

    QStringList texts;
    for (const PreviewElement* label : elementsOf(scene, PreviewElement::Kind::Label)) {
        texts.prepend(label->text);
        QCOMPARE(label->box.left(), 10 + 4 + 30);
    }
    QCOMPARE(texts, (QStringList{u"1.Calls"_s, u"2.Net"_s, u"3.Games"_s, u"4.Phone"_s}));

    // Only files below data\images draw icons: not a firmware number, not a phone path.
    const auto icons = elementsOf(scene, PreviewElement::Kind::Icon);
    QCOMPARE(icons.size(), 2);
    QCOMPARE(icons[0]->item, 1);
    QCOMPARE(icons[0]->box, QRect(14, 254 - 40 + 2, 105, 105));
    QCOMPARE(icons[1]->item, 0);
    QCOMPARE(icons[1]->box, QRect(14, 254 - 60 + 2, 105, 105));
    QCOMPARE(icons[1]->picture.pixelColor(0, 0), iconRed);

    // The cursor lies under the selected item's icon and label, as wide as the background.
    const auto cursors = elementsOf(scene, PreviewElement::Kind::Cursor);
    QCOMPARE(cursors.size(), 1);
    QCOMPARE(cursors[0]->box, QRect(10, 254 - 40, 105, 105));
    const qsizetype cursorAt = cursors[0] - scene.elements.constData();
    QCOMPARE(scene.elements[cursorAt + 1].kind, PreviewElement::Kind::Icon);
    QCOMPARE(scene.elements[cursorAt + 1].item, 1);

    // A cursor picture as a phone picture, or missing, draws no cursor.
    for (const QString& value : {u"bg.gpf"_s, u"none.png"_s}) {
        const QStringList other = {u"MainCursorImg :"_s + value};
        QVERIFY(
            elementsOf(m_workspace.render(other, settings, 1).scene, PreviewElement::Kind::Cursor)
                .isEmpty());
    }
}

void TestPreviewScene::fonts_data()
{
    QTest::addColumn<QString>("fontName");
    QTest::addColumn<int>("points"); // -1: the size box is empty
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");

    QTest::newRow("no font chosen") << QString() << 10 << u"Times New Roman"_s << 13;
    QTest::newRow("chosen font") << u"DejaVu Sans"_s << 20 << u"DejaVu Sans"_s << 27;
    QTest::newRow("empty size box: default size") << QString() << -1 << u"Times New Roman"_s << 11;
}

void TestPreviewScene::fonts()
{
    QFETCH(QString, fontName);
    QFETCH(int, points);
    QFETCH(QString, family);
    QFETCH(int, pixels);

    m_workspace.setMenu({u"Item|||"_s});
    PreviewSettings settings;
    settings.fontName = fontName;
    settings.fontPoints = points < 0 ? std::nullopt : std::optional<int>(points);
    const PreviewScene scene = m_workspace.render({}, settings).scene;
    const PreviewElement* label = labelOf(scene, 0);
    QVERIFY(label);
    QCOMPARE(label->font.family(), family);
    QCOMPARE(label->font.pixelSize(), pixels);
    // A font that is not installed gives way to an installed serif one.
    QVERIFY(!QFontInfo(label->font).family().isEmpty());
    QCOMPARE(label->box.height(), QFontMetrics(label->font).height());
}

void TestPreviewScene::wallpaperChoice_data()
{
    QTest::addColumn<QStringList>("fixed"); // files in ProgramDir/Data
    QTest::addColumn<bool>("chosen");       // a chosen wallpaper file exists
    QTest::addColumn<bool>("wallpaper");    // the wallpaper option
    QTest::addColumn<QColor>("shown");
    QTest::addColumn<bool>("filled");

    const QColor yellow(Qt::yellow);
    QTest::newRow("jpg and bmp: the bmp is shown, not the chosen file")
        << QStringList{u"wallpaper.jpg"_s, u"wallpaper.bmp"_s} << true << true << QColor(Qt::blue)
        << false;
    QTest::newRow("png and jpg: the png") << QStringList{u"wallpaper.png"_s, u"wallpaper.jpg"_s}
                                          << false << true << QColor(Qt::darkGreen) << false;
    QTest::newRow("only the chosen file")
        << QStringList() << true << true << QColor(Qt::magenta) << false;
    QTest::newRow("chosen file gone: background colour")
        << QStringList() << false << true << yellow << true;
    QTest::newRow("background chosen: colour despite files")
        << QStringList{u"wallpaper.bmp"_s} << true << false << yellow << true;
}

void TestPreviewScene::wallpaperChoice()
{
    QFETCH(QStringList, fixed);
    QFETCH(bool, chosen);
    QFETCH(bool, wallpaper);
    QFETCH(QColor, shown);
    QFETCH(bool, filled);

    SceneWorkspace workspace;
    workspace.setMenu({});
    const QHash<QString, QColor> colours = {{u"wallpaper.jpg"_s, QColor(Qt::red)},
                                            {u"wallpaper.png"_s, QColor(Qt::darkGreen)},
                                            {u"wallpaper.bmp"_s, QColor(Qt::blue)}};
    for (const QString& name : fixed)
        writePicture(workspace.files, u"Data/"_s + name, {24, 32}, colours.value(name));
    PreviewSettings settings;
    settings.wallpaper = wallpaper;
    settings.chosenWallpaper = workspace.files.path(u"elsewhere/mine.png"_s);
    if (chosen)
        writePicture(workspace.files, u"elsewhere/mine.png"_s, {10, 10}, Qt::magenta);

    // A wallpaper left by an earlier render is replaced.
    PreviewStage stage;
    stage.wallpaper = QImage(4, 4, QImage::Format_RGB32);
    stage.wallpaper.fill(Qt::white);
    const PreviewScene scene = workspace.render({}, settings, 0, stage).scene;
    QCOMPARE(scene.filledWithBackground, filled);
    const QImage painted = paintPreview(scene, settings.screen);
    // The picture is stretched over the whole screen.
    QCOMPARE(painted.pixelColor(0, 0), shown);
    QCOMPARE(painted.pixelColor(239, 319), shown);
}

void TestPreviewScene::earlyEndsAndFailures_data()
{
    QTest::addColumn<QStringList>("cfg");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<PreviewScene::End>("end");
    QTest::addColumn<QStringList>("errorNames");

    const auto stop = PreviewScene::End::AtPhonePicture;
    const auto failed = PreviewScene::End::Failed;
    QTest::newRow("bg.gpf: background emptied, no item")
        << QStringList{u"MainBGimg :bg150.png"_s, u"MainBGimg :bg.gpf"_s} << QString() << stop
        << QStringList();
    QTest::newRow("start button .gpf")
        << QStringList{u"StartButtonImg :bg.gpf"_s} << QString() << stop << QStringList();
    QTest::newRow("bg.GPF: the picture reader fails")
        << QStringList{u"MainBGimg :bg.GPF"_s} << QString() << failed
        << QStringList{u"bg.GPF"_s, u"(.GPF)"_s};
    QTest::newRow("damaged picture") << QStringList{u"ItemImg :broken.png"_s} << QString() << failed
                                     << QStringList{u"broken.png"_s};
    QTest::newRow("damaged icon") << QStringList() << u"broken.png"_s << failed
                                  << QStringList{u"broken.png"_s};
    QTest::newRow("icon with .GPF")
        << QStringList() << u"bg.GPF"_s << failed << QStringList{u"bg.GPF"_s};
    QTest::newRow("icon with .gpf is skipped")
        << QStringList() << u"bg.gpf"_s << PreviewScene::End::Completed << QStringList();
    for (const char* key : {"X0", "Y0", "ItemXofsMain", "ItemYofsMain", "ItemTextXofs"}) {
        QTest::newRow(key) << QStringList{QString::fromLatin1(key) + u" :1.5"_s} << QString()
                           << failed << QStringList{u"\"1.5\""_s};
    }
}

void TestPreviewScene::earlyEndsAndFailures()
{
    QFETCH(QStringList, cfg);
    QFETCH(QString, icon);
    QFETCH(PreviewScene::End, end);
    QFETCH(QStringList, errorNames);

    m_workspace.setMenu({u"A|"_s + icon + u"|CALL|1"_s});
    PreviewStage stage;
    stage.startButton.picture = QImage(10, 10, QImage::Format_RGB32);
    const PreviewScene scene = m_workspace.render(cfg, {}, 3, stage).scene;
    QCOMPARE(scene.end, end);
    for (const QString& name : errorNames)
        QVERIFY2(scene.error.contains(name), qPrintable(scene.error));
    if (end != PreviewScene::End::Completed) {
        QVERIFY(scene.elements.isEmpty());
        // The cursor is clamped only by a render that gets to the items.
        QCOMPARE(int(scene.cursor), icon.isEmpty() ? 3 : 0);
    }
    if (end == PreviewScene::End::AtPhonePicture) {
        const PictureBox& emptied =
            cfg.first().startsWith(u"Start"_s) ? scene.stage.startButton : scene.stage.background;
        QVERIFY(emptied.picture.isNull());
    }
}

void TestPreviewScene::failureKeepsWhatWasDrawn()
{
    // The second item's icon cannot be read: the last item is drawn, the first is not.
    m_workspace.setMenu({u"One|calls.png|||"_s, u"Two|broken.png|||"_s, u"Three|calls.png|||"_s});
    PreviewSettings settings;
    settings.background = Qt::white;
    PreviewStage stage;
    stage.fill = Qt::black;
    const PreviewScene scene =
        m_workspace.render({u"MainBGimg :bg150.png"_s}, settings, 0, stage).scene;
    QCOMPARE(scene.end, PreviewScene::End::Failed);
    QCOMPARE(scene.stage.fill, QColor(Qt::white));
    QVERIFY(!scene.stage.background.picture.isNull());
    QCOMPARE(scene.elements.size(), 2);
    QCOMPARE(scene.elements[0].item, 2);
    QCOMPARE(scene.elements[1].item, 2);
    QCOMPARE(scene.cursor, quint8(0));
}

void TestPreviewScene::paintedLayers()
{
    SceneWorkspace workspace;
    workspace.setMenu({u"First|first.png|||"_s, u"Second|second.png|||"_s});
    workspace.picture(u"first.png"_s, {20, 20}, Qt::red);
    workspace.picture(u"second.png"_s, {200, 200}, Qt::blue);
    workspace.picture(u"bg.png"_s, {60, 60}, backgroundGreen);
    // A start button without alpha leaves out the colour of its bottom-left pixel.
    QImage button(240, 20, QImage::Format_RGB32);
    button.fill(Qt::white);
    button.setPixelColor(0, 19, startBlue);
    button.setPixelColor(200, 5, startBlue);
    button.save(workspace.files.path(images + u"start.bmp"_s));

    PreviewSettings settings;
    settings.background = Qt::yellow;
    const QStringList cfg = {u"MainBGimg :bg.png"_s, u"X0 :0"_s, u"Y0 :100"_s,
                             u"ItemTextXofs :150"_s, u"StartButtonImg :start.bmp"_s};
    const PreviewScene scene = workspace.render(cfg, settings).scene;
    QCOMPARE(scene.end, PreviewScene::End::Completed);
    const QImage painted = paintPreview(scene, settings.screen);
    QCOMPARE(painted.size(), QSize(240, 320));

    // Both icons lie at the same place; the first item's lies on top.
    const QPoint icon = elementsOf(scene, PreviewElement::Kind::Icon).last()->box.topLeft();
    QCOMPARE(painted.pixelColor(icon + QPoint(5, 5)), QColor(Qt::red));
    // An icon is cut at 105 x 105 pixels.
    QCOMPARE(painted.pixelColor(icon + QPoint(104, 104)), QColor(Qt::blue));
    QCOMPARE(painted.pixelColor(icon + QPoint(105, 60)), QColor(Qt::yellow));
    QCOMPARE(painted.pixelColor(icon + QPoint(60, 105)), QColor(Qt::white));
    // The menu background lies under the items.
    QCOMPARE(painted.pixelColor(59, 319 - 100 - 59), backgroundGreen);
    // The start button is cut at 234 pixels and its key colour shows what lies below.
    QCOMPARE(painted.pixelColor(100, 310), QColor(Qt::white));
    QCOMPARE(painted.pixelColor(237, 310), QColor(Qt::yellow));
    QCOMPARE(painted.pixelColor(200, 305), QColor(Qt::yellow));

    PreviewScene hidden = scene;
    hidden.stage.startButtonShown = false;
    QCOMPARE(paintPreview(hidden, settings.screen).pixelColor(100, 310), QColor(Qt::yellow));
}

void TestPreviewScene::outline()
{
    m_workspace.setMenu({u"WWWW|||"_s});
    PreviewSettings settings;
    settings.background = Qt::white;
    settings.fontPoints = 20;
    // The only item is the selected one.
    const QStringList cfg = {u"SelItemColor :640000FF"_s, u"SelItemBorder :64FF0000"_s};
    for (const bool outline : {true, false}) {
        settings.outline = outline;
        const PreviewScene scene = m_workspace.render(cfg, settings).scene;
        const PreviewElement* label = labelOf(scene, 0);
        QVERIFY(label);
        const QImage painted = paintPreview(scene, settings.screen);
        const QRect around = label->box.adjusted(-2, -2, 3, 3);
        QVERIFY(countPixels(painted, around, Qt::red) > 10);
        // The shadow reaches past the text's right and bottom edges, not past its left one.
        int shadow = 0;
        for (int y = around.top(); y <= around.bottom(); ++y) {
            for (int x = around.left(); x <= around.right(); ++x) {
                const QColor pixel = painted.pixelColor(x, y);
                if (pixel.blue() > pixel.red() + 40 && pixel.blue() > pixel.green() + 40) {
                    ++shadow;
                    QVERIFY(x >= label->box.left());
                }
            }
        }
        QCOMPARE(shadow > 0, outline);
    }
}

QTEST_MAIN(TestPreviewScene)
#include "tst_previewscene.moc"
