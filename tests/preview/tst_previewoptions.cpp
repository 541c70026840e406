#include "common/linelist.h"
#include "common/textfile.h"
#include "links/roundedpanel.h"
#include "preview/previewscreen.h"
#include "support/editorfixture.h"
#include "testpictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QColor startBlue(0, 0, 200);

// A workspace with main.mnu, menu.cfg and a start-button picture 20 pixels high.
void prepare(EditorFixture& editor, const QStringList& menu,
             const QStringList& cfg = {u"StartButtonImg :start.png"_s})
{
    editor.writeMenuFolderFile(u"mnu/main.mnu"_s, joinTextLines(menu));
    editor.writeMenuFolderFile(u"data/menu.cfg"_s, joinTextLines(cfg));
    writePicture(editor.workspace, u"Data/sMenu/data/images/start.png"_s, {234, 20}, startBlue);
}

PreviewScreen* previewOf(const EditorFixture& editor)
{
    return editor.find<PreviewScreen>("PGroup");
}

const PreviewElement* labelOf(const PreviewScene& scene, int item)
{
    for (const PreviewElement& element : scene.elements) {
        if (element.kind == PreviewElement::Kind::Label && element.item == item)
            return &element;
    }
    return nullptr;
}

// Clicks a check box on its box, as a user does.
void clickCheckBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

} // namespace

class TestPreviewOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstRenderShowsTheScreen();
    void screenSizes_data();
    void screenSizes();
    void cursorButtonsWrap();
    void cursorButtonsWithoutItems();
    void startButtonHiddenAtOnce();
    void autoUpdate();
    void backgroundColour();
    void wallpaper_data();
    void wallpaper();
    void optionsRedraw();
    void renderErrorsAreShown();
    void damagedWallpaperIsReportedOnceAtStart();
    void onlyACompletedRenderShowsTheScreen();
};

void TestPreviewOptions::firstRenderShowsTheScreen()
{
    EditorFixture editor;
    prepare(editor, {u"Calls|||"_s});
    editor.start();
    QWidget* screen = editor.find<QWidget>("PPanel");
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->geometry(), QRect(8, 11, 240, 320));
    const QImage& image = previewOf(editor)->image();
    QCOMPARE(image.size(), QSize(240, 320));
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::yellow));
    QCOMPARE(image.pixelColor(100, 310), startBlue);
    QVERIFY(editor.find<QRadioButton>("CBackground")->isChecked());
    QVERIFY(editor.prompts.shown().isEmpty());
}

void TestPreviewOptions::screenSizes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("130x130") << int(Qt::Key_Home) << QRect(63, 106, 130, 130);
    QTest::newRow("132x176") << int(Qt::Key_Up) << QRect(62, 83, 132, 176);
}

void TestPreviewOptions::screenSizes()
{
    QFETCH(int, key);
    QFETCH(QRect, geometry);

    EditorFixture editor;
    prepare(editor, {u"Calls|||"_s});
    editor.start();
    auto* sizeBox = editor.find<QComboBox>("SizeBox");
    QTest::keyClick(sizeBox, Qt::Key(key));
    QCOMPARE(editor.find<QWidget>("PPanel")->geometry(), geometry);
    // Redrawn at the new size: the start button lies on the new bottom edge.
    const QImage& image = previewOf(editor)->image();
    QCOMPARE(image.size(), geometry.size());
    QCOMPARE(image.pixelColor(10, geometry.height() - 5), startBlue);
    QCOMPARE(image.pixelColor(10, geometry.height() - 25), QColor(Qt::yellow));

    QTest::keyClick(sizeBox, Qt::Key_End);
    QCOMPARE(editor.find<QWidget>("PPanel")->geometry(), QRect(8, 11, 240, 320));
}

void TestPreviewOptions::cursorButtonsWrap()
{
    EditorFixture editor;
    prepare(editor, {u"A|||"_s, u"B|||"_s, u"C|||"_s},
            {u"ItemColor :00000000"_s, u"SelItemColor :640000FF"_s});
    editor.start();
    auto* up = editor.find<QToolButton>("BitBtn2");
    auto* down = editor.find<QToolButton>("BitBtn3");
    const auto selected = [&] {
        QList<int> items;
        for (const PreviewElement& element : previewOf(editor)->scene().elements) {
            if (element.kind == PreviewElement::Kind::Label && element.colour == Qt::red)
                items.append(element.item);
        }
        return items;
    };
    QCOMPARE(selected(), QList<int>{0});

    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(editor.state.previewCursor(), quint8(2));
    QCOMPARE(selected(), QList<int>{2});
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(editor.state.previewCursor(), quint8(1));
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(editor.state.previewCursor(), quint8(0));
    QCOMPARE(selected(), QList<int>{0});
}

void TestPreviewOptions::cursorButtonsWithoutItems()
{
    // Without main.mnu nothing is drawn, so the cursor keeps what the buttons set.
    EditorFixture editor;
    editor.start();
    QTest::mouseClick(editor.find<QToolButton>("BitBtn2"), Qt::LeftButton);
    QCOMPARE(editor.state.previewCursor(), quint8(255));
    QTest::mouseClick(editor.find<QToolButton>("BitBtn3"), Qt::LeftButton);
    QCOMPARE(editor.state.previewCursor(), quint8(0));

    // An empty main.mnu is drawn: the render clamps the cursor to 255.
    prepare(editor, {});
    QTest::mouseClick(editor.find<QToolButton>("BitBtn3"), Qt::LeftButton);
    QCOMPARE(editor.state.previewCursor(), quint8(255));
    QVERIFY(previewOf(editor)->scene().elements.isEmpty());
}

void TestPreviewOptions::startButtonHiddenAtOnce()
{
    EditorFixture editor;
    prepare(editor, {u"Calls|||"_s});
    editor.start();
    QVERIFY(QFile::remove(editor.menuFolderFile(u"mnu/main.mnu"_s)));

    auto* showButton = editor.find<QCheckBox>("Show_img_button");
    clickCheckBox(showButton);
    QVERIFY(!showButton->isChecked());
    QCOMPARE(previewOf(editor)->image().pixelColor(100, 310), QColor(Qt::yellow));
    clickCheckBox(showButton);
    QCOMPARE(previewOf(editor)->image().pixelColor(100, 310), startBlue);
}

void TestPreviewOptions::autoUpdate()
{
    EditorFixture editor;
    prepare(editor, {u"Calls|||"_s}, {u"SelItemColor :640000FF"_s});
    editor.start();
    PreviewScreen* preview = previewOf(editor);
    const auto colour = [&] { return labelOf(preview->scene(), 0)->colour; };
    QCOMPARE(colour(), QColor(Qt::red));

    auto* autoUpdateBox = editor.find<QCheckBox>("AUpdate");
    clickCheckBox(autoUpdateBox);
    editor.find<LineList>("CFG")->replaceLine(0, u"SelItemColor :64FF0000"_s);
    preview->refreshWhenAutoUpdating();
    QCOMPARE(colour(), QColor(Qt::red));

    clickCheckBox(autoUpdateBox);
    QCOMPARE(colour(), QColor(Qt::blue));
    editor.find<LineList>("CFG")->replaceLine(0, u"SelItemColor :6400FF00"_s);
    preview->refreshWhenAutoUpdating();
    QCOMPARE(colour(), QColor(Qt::green));

    // Unchecking does not redraw; the refresh button always does.
    editor.find<LineList>("CFG")->replaceLine(0, u"SelItemColor :00000000"_s);
    clickCheckBox(autoUpdateBox);
    QCOMPARE(colour(), QColor(Qt::green));
    QTest::mouseClick(editor.find<QPushButton>("b_RefreshPreview"), Qt::LeftButton);
    QCOMPARE(colour(), QColor(Qt::black));
}

void TestPreviewOptions::backgroundColour()
{
    EditorFixture editor;
    prepare(editor, {u"Calls|||"_s});
    writePicture(editor.workspace, u"Data/wallpaper.png"_s, {24, 32}, Qt::darkGreen);
    editor.start();
    PreviewScreen* preview = previewOf(editor);
    auto* background = editor.find<QRadioButton>("CBackground");
    QVERIFY(editor.find<QRadioButton>("CWallp")->isChecked());
    QCOMPARE(preview->image().pixelColor(0, 0), QColor(Qt::darkGreen));

    editor.prompts.chooseNextColour(Qt::cyan);
    QTest::mouseClick(editor.find<QPushButton>("ChangeBG"), Qt::LeftButton);
    QVERIFY(background->isChecked());
    QCOMPARE(editor.find<RoundedPanel>("bkcol")->fillColour(), QColor(Qt::cyan));
    QCOMPARE(preview->image().pixelColor(0, 0), QColor(Qt::cyan));

    // A click on the swatch opens the same dialog; cancelling changes nothing.
    editor.find<QRadioButton>("CWallp")->setChecked(true);
    QTest::mouseClick(editor.find<RoundedPanel>("bkcol"), Qt::LeftButton);
    QCOMPARE(editor.prompts.count(ScriptedPrompts::Kind::Colour), 2);
    QVERIFY(!background->isChecked());
    QCOMPARE(preview->image().pixelColor(0, 0), QColor(Qt::cyan));
}

void TestPreviewOptions::wallpaper_data()
{
    QTest::addColumn<bool>("fixedWallpaper");
    QTest::addColumn<QColor>("shown");
    QTest::newRow("chosen file shown") << false << QColor(Qt::magenta);
    QTest::newRow("the fixed file wins") << true << QColor(Qt::darkGreen);
}

void TestPreviewOptions::wallpaper()
{
    QFETCH(bool, fixedWallpaper);
    QFETCH(QColor, shown);

    EditorFixture editor;
    prepare(editor, {u"Calls|||"_s});
    if (fixedWallpaper)
        writePicture(editor.workspace, u"Data/wallpaper.png"_s, {24, 32}, Qt::darkGreen);
    const QString chosen =
        writePicture(editor.workspace, u"pictures/mine.jpg"_s, {24, 32}, Qt::magenta);
    editor.start();
    auto* changeWallpaper = editor.find<QPushButton>("ChangeWallp");
    auto* wallpaperChoice = editor.find<QRadioButton>("CWallp");
    auto* backgroundChoice = editor.find<QRadioButton>("CBackground");
    PreviewScreen* preview = previewOf(editor);

    // Cancelled: nothing changes.
    backgroundChoice->setChecked(true);
    QTest::mouseClick(changeWallpaper, Qt::LeftButton);
    QVERIFY(backgroundChoice->isChecked());
    QCOMPARE(editor.prompts.fileDialogs().size(), 1);
    const FileDialogSpec& spec = editor.prompts.fileDialogs().first();
    QCOMPARE(spec.title, u"Открыть обои..."_s);
    QCOMPARE(spec.filter, u"PNG,JPG,BMP (*.png *.jpg *.jpeg *.bmp);;PNG (*.png);;"
                          u"JPG (*.jpg *.jpeg);;BMP (*.bmp)"_s);

    editor.prompts.chooseNextFile(chosen);
    QTest::mouseClick(changeWallpaper, Qt::LeftButton);
    QCOMPARE(editor.find<QLabel>("wpath")->text(), chosen);
    QVERIFY(wallpaperChoice->isChecked());
    const QColor centre = preview->image().pixelColor(120, 160);
    QVERIFY2(qAbs(centre.red() - shown.red()) < 8 && qAbs(centre.green() - shown.green()) < 8 &&
                 qAbs(centre.blue() - shown.blue()) < 8,
             qPrintable(centre.name()));

    // Once the wallpapers are gone the screen takes the background colour.
    QFile::remove(chosen);
    QFile::remove(editor.workspace.path(u"Data/wallpaper.png"_s));
    QTest::mouseClick(editor.find<QPushButton>("b_RefreshPreview"), Qt::LeftButton);
    QVERIFY(backgroundChoice->isChecked());
    QCOMPARE(preview->image().pixelColor(120, 160), QColor(Qt::yellow));
}

void TestPreviewOptions::optionsRedraw()
{
    EditorFixture editor;
    prepare(editor, {u"Calls|||"_s, u"Games|||"_s});
    editor.start();
    PreviewScreen* preview = previewOf(editor);
    const auto label = [&] { return labelOf(preview->scene(), 1); };
    QCOMPARE(label()->text, u"Games"_s);
    QVERIFY(label()->outline);

    clickCheckBox(editor.find<QCheckBox>("Show_Digits"));
    QCOMPARE(label()->text, u"2.Games"_s);
    clickCheckBox(editor.find<QCheckBox>("show_bevel"));
    QVERIFY(!label()->outline);

    auto* font = editor.find<QFontComboBox>("Font");
    font->setCurrentIndex(font->findText(u"DejaVu Sans"_s));
    QCOMPARE(label()->font.family(), u"DejaVu Sans"_s);

    QLineEdit* sizeText = editor.find<QSpinBox>("FontSize")->findChild<QLineEdit*>();
    sizeText->selectAll();
    QTest::keyClicks(sizeText, u"20"_s);
    QCOMPARE(label()->font.pixelSize(), 27);
    sizeText->clear();
    QCOMPARE(label()->font.pixelSize(), 11);
}

void TestPreviewOptions::renderErrorsAreShown()
{
    EditorFixture editor;
    prepare(editor, {u"Calls|||"_s}, {u"ItemColor :64GG0000"_s, u"X0 :abc"_s});
    editor.start();
    // Start-up draws the preview once, so each problem is reported once.
    const auto messages = editor.prompts.shownOf(ScriptedPrompts::Kind::Message);
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.first().text, u"Не могу преобразовать HEX-значение: GG"_s);
    const auto errors = editor.prompts.shownOf(ScriptedPrompts::Kind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().text.contains(u"\"abc\""_s), qPrintable(errors.first().text));
    QCOMPARE(previewOf(editor)->scene().end, PreviewScene::End::Failed);

    editor.prompts.clear();
    editor.find<LineList>("CFG")->replaceLine(1, u"X0 :0"_s);
    QTest::mouseClick(editor.find<QPushButton>("b_RefreshPreview"), Qt::LeftButton);
    QCOMPARE(previewOf(editor)->scene().end, PreviewScene::End::Completed);
    QCOMPARE(editor.prompts.count(ScriptedPrompts::Kind::Error), 0);
}

void TestPreviewOptions::damagedWallpaperIsReportedOnceAtStart()
{
    EditorFixture editor;
    prepare(editor, {u"Calls|||"_s});
    editor.workspace.writeFile(u"Data/wallpaper.jpg"_s, "not a picture");
    editor.start();
    const auto errors = editor.prompts.shownOf(ScriptedPrompts::Kind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.first().text.contains(u"wallpaper.jpg"_s));
    QVERIFY(editor.find<QRadioButton>("CWallp")->isChecked());
}

void TestPreviewOptions::onlyACompletedRenderShowsTheScreen()
{
    EditorFixture editor;
    editor.start();
    QWidget* screen = editor.find<QWidget>("PPanel");
    QVERIFY(!screen->isVisible());

    prepare(editor, {u"Calls|||"_s});
    editor.writeMenuFolderFile(u"data/images/bg.gpf"_s, "GPF");
    auto* cfg = editor.find<LineList>("CFG");
    auto* refresh = editor.find<QPushButton>("b_RefreshPreview");
    cfg->setLines({u"MainBGimg :bg.gpf"_s});
    QTest::mouseClick(refresh, Qt::LeftButton);
    QCOMPARE(previewOf(editor)->scene().end, PreviewScene::End::AtPhonePicture);
    QVERIFY(!screen->isVisible());
    QCOMPARE(editor.prompts.count(ScriptedPrompts::Kind::Error), 0);

    cfg->setLines({u"Y0 :x"_s});
    QTest::mouseClick(refresh, Qt::LeftButton);
    QVERIFY(!screen->isVisible());
    QCOMPARE(editor.prompts.count(ScriptedPrompts::Kind::Error), 1);

    cfg->setLines({u"Y0 :0"_s});
    QTest::mouseClick(refresh, Qt::LeftButton);
    QVERIFY(screen->isVisible());
}

QTEST_MAIN(TestPreviewOptions)
#include "tst_previewoptions.moc"
