#include "scenebuilder.h"

#include "cfg/keycatalogue.h"
#include "common/paths.h"
#include "common/strings1251.h"
#include "common/textfile.h"
#include "common/translate.h"
#include "menu/menuline.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImageReader>

using namespace Qt::StringLiterals;

namespace {

// The applet's own picture format, which the preview cannot show; only this exact spelling
// is recognised as such.
const QString phonePictureExtension = u".gpf"_s;
// Item texts use this font when none is chosen; it falls back to the system's serif font.
const QString defaultFontName = u"Times New Roman"_s;
// The size of an item text when the size box is empty.
constexpr int labelDefaultPoints = 8;
// The screen is drawn at 96 pixels an inch, as on the PC the menus are made on.
constexpr int screenDpi = 96;
constexpr int pointsPerInch = 72;
// A picture element the renderer makes is this wide and high unless a width is given.
constexpr int elementSide = 105;
// The bottom item's top lies this far above the menu background's bottom edge.
constexpr int baseLineLift = 19;
// Icons sit this far below their item's top.
constexpr int iconDrop = 2;

struct PictureRead
{
    enum class Result
    {
        Missing,
        Read,
        Failed
    };
    Result result = Result::Missing;
    QImage picture;
    QString error;
};

// Reads a picture by its file's extension, in any letter case: PNG, BMP or JPEG. A path that
// names no file is no error: the element it would feed is left out.
PictureRead readPicture(const QString& path)
{
    // The file is opened first, and then read whole: that tells a missing file and decodes from
    // memory with the fewest calls to the file system, which matters with hundreds of icons.
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (!opened && !fileExists(path))
        return {};
    const auto failure = [&path](const QString& reason) {
        return PictureRead{PictureRead::Result::Failed, QImage(),
                           Translate("Не удаётся прочитать рисунок \"%1\":\n%2")
                               .arg(QDir::toNativeSeparators(path), reason)};
    };
    static const QStringList knownExtensions = {u".png"_s, u".bmp"_s, u".jpg"_s, u".jpeg"_s};
    const QString extension = extensionPart(path).toLower();
    if (!knownExtensions.contains(extension))
        return failure(Translate("неизвестное расширение файла (%1)").arg(extensionPart(path)));
    if (!opened)
        return failure(file.errorString());
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, extension.sliced(1).toLatin1());
    QImage picture = reader.read();
    if (picture.isNull())
        return failure(reader.errorString());
    return {PictureRead::Result::Read, picture, QString()};
}

// A start-button picture is drawn transparent: a bitmap leaves out the colour of its bottom-left
// pixel, other pictures show through their alpha channel.
QImage transparentPicture(const QString& path, const QImage& picture)
{
    if (UpperCase1251(extensionPart(path)) != u".BMP"_s || picture.hasAlphaChannel())
        return picture;
    QImage transparent = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent.pixel(0, transparent.height() - 1);
    for (int y = 0; y < transparent.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(transparent.scanLine(y));
        for (int x = 0; x < transparent.width(); ++x) {
            if (row[x] == key)
                row[x] = 0;
        }
    }
    return transparent;
}

QFont itemFont(const PreviewSettings& settings)
{
    QFont font(settings.fontName.isEmpty() ? defaultFontName : settings.fontName);
    font.setStyleHint(QFont::Serif);
    const int points = settings.fontPoints.value_or(labelDefaultPoints);
    // Rounded as the PC rounds a point size to pixels; a text is at least one pixel high.
    font.setPixelSize(std::max(1, (points * screenDpi + pointsPerInch / 2) / pointsPerInch));
    return font;
}

class SceneBuilder
{
public:
    SceneBuilder(const PreviewInput& input, PreviewStage stage, quint8 cursor,
                 const HexReport& report)
        : m_input(input), m_settings(input.settings), m_report(report)
    {
        m_scene.stage = std::move(stage);
        m_scene.cursor = cursor;
    }

    PreviewScene build()
    {
        if (showWallpaper() && loadPreviewList() && scanCfgLines())
            placeItems();
        return std::move(m_scene);
    }

private:
    QString imagePath(const QString& backslashName) const
    {
        return joinPath(m_input.menuFolder, u"\\data\\images\\"_s + backslashName);
    }

    bool fail(const QString& error)
    {
        m_scene.end = PreviewScene::End::Failed;
        m_scene.error = error;
        return false;
    }

    bool stopAtPhonePicture()
    {
        m_scene.end = PreviewScene::End::AtPhonePicture;
        return false;
    }

    // Reads a picture into picture when its file exists. False when it exists but cannot be
    // read: the render has failed.
    bool read(const QString& path, QImage& picture, bool& present)
    {
        PictureRead result = readPicture(path);
        present = result.result == PictureRead::Result::Read;
        if (result.result == PictureRead::Result::Failed)
            return fail(result.error);
        if (present)
            picture = std::move(result.picture);
        return true;
    }

    // The phone's own pictures cannot be shown; one that exists ends the render.
    bool isPhonePicture(const QString& path) const
    {
        return extensionPart(path) == phonePictureExtension;
    }

    bool readNumber(const QString& value, int& number)
    {
        bool ok = false;
        const int parsed = value.toInt(&ok, 10);
        if (!ok)
            return fail(Translate("\"%1\" не является целым числом").arg(value));
        number = parsed;
        return true;
    }

    // The colour of a value AABBGGRR; the alpha pair is not read, the preview draws every
    // colour opaque.
    QColor colourOf(const QString& value) const
    {
        const int blue = ReadHex(value.mid(2, 2), m_report);
        const int green = ReadHex(value.mid(4, 2), m_report);
        const int red = ReadHex(value.mid(6, 2), m_report);
        return QColor(red, green, blue);
    }

    // Each fixed wallpaper present is read, jpg first and bmp last, and the last one read is
    // shown; without any, the chosen file. Otherwise the screen takes the background colour.
    bool showWallpaper()
    {
        PreviewStage& stage = m_scene.stage;
        if (m_settings.wallpaper) {
            bool shown = false;
            bool present = false;
            for (const QString& path : fixedWallpaperPaths(m_input.programDir)) {
                if (!read(path, stage.wallpaper, present))
                    return false;
                shown = shown || present;
            }
            if (!shown && !m_settings.chosenWallpaper.isEmpty() &&
                !read(m_settings.chosenWallpaper, stage.wallpaper, shown))
                return false;
            if (shown)
                return true;
        }
        stage.wallpaper = QImage();
        stage.fill = m_settings.background;
        m_scene.filledWithBackground = true;
        return true;
    }

    bool loadPreviewList()
    {
        const QString path = joinPath(m_input.menuFolder, u"\\mnu\\main.mnu"_s);
        if (!fileExists(path))
            return true;
        TextReadResult read = readTextLines(path);
        if (!read.ok())
            return fail(read.error);
        m_scene.stage.previewList = std::move(read.lines);
        return true;
    }

    bool scanCfgLines()
    {
        for (const QString& line : m_input.cfgLines) {
            if (!applyLine(line))
                return false;
        }
        m_scene.baseLine =
            background().box.top() + background().box.height() - m_itemYofs - baseLineLift;
        return true;
    }

    PictureBox& background() { return m_scene.stage.background; }

    // Every key the line starts with acts, in this order; a later line with the same key acts
    // again, so the last one wins.
    bool applyLine(const QString& line)
    {
        const QString value = SplitCfgLine(line).value;
        const QString picture = imagePath(value.sliced(value.lastIndexOf(u'\\') + 1));
        const auto is = [&line](const char* key) {
            return StartsWith(QString::fromLatin1(key), line);
        };
        if (is(CfgKeys::MainBGimg) && !setBackground(picture))
            return false;
        if (is(CfgKeys::ItemImg) && !measureItem(picture))
            return false;
        if (is(CfgKeys::StartButtonImg) && !setStartButton(picture))
            return false;
        if (is(CfgKeys::MainCursorImg))
            m_cursorPath = imagePath(value);
        if (value.isEmpty())
            return true;
        if (is(CfgKeys::ItemColor))
            m_itemColour = colourOf(value);
        if (is(CfgKeys::ItemBorder))
            m_itemBorder = colourOf(value);
        if (is(CfgKeys::SelItemColor))
            m_selectedColour = colourOf(value);
        if (is(CfgKeys::SelItemBorder))
            m_selectedBorder = colourOf(value);
        QRect& box = background().box;
        int number = 0;
        if (is(CfgKeys::X0)) {
            if (!readNumber(value, number))
                return false;
            box.moveLeft(number);
        }
        if (is(CfgKeys::Y0)) {
            if (!readNumber(value, number))
                return false;
            box.moveTop(m_settings.screen.height() - number - box.height());
        }
        if (is(CfgKeys::ItemXofsMain) && !readNumber(value, m_itemXofs))
            return false;
        if (is(CfgKeys::ItemYofsMain) && !readNumber(value, m_itemYofs))
            return false;
        if (is(CfgKeys::ItemTextXofs) && !readNumber(value, m_textXofs))
            return false;
        return true;
    }

    bool setBackground(const QString& path)
    {
        PictureBox& element = background();
        if (isPhonePicture(path)) {
            if (!fileExists(path))
                return true;
            element.picture = QImage();
            return stopAtPhonePicture();
        }
        bool present = false;
        if (!read(path, element.picture, present))
            return false;
        if (present)
            element.box.setSize(element.picture.size());
        return true;
    }

    bool measureItem(const QString& path)
    {
        const QString extension = UpperCase1251(extensionPart(path));
        if (extension != u".PNG"_s && extension != u".BMP"_s)
            return true;
        QImage picture;
        bool present = false;
        if (!read(path, picture, present))
            return false;
        if (present)
            m_scene.itemStep = picture.height();
        return true;
    }

    bool setStartButton(const QString& path)
    {
        PictureBox& element = m_scene.stage.startButton;
        element.box.setHeight(0);
        if (isPhonePicture(path)) {
            if (!fileExists(path))
                return true;
            element.picture = QImage();
            return stopAtPhonePicture();
        }
        QImage picture;
        bool present = false;
        if (!read(path, picture, present))
            return false;
        if (present) {
            element.picture = transparentPicture(path, picture);
            const int height = element.picture.height();
            element.box =
                QRect(0, m_settings.screen.height() - height, element.box.width(), height);
        }
        return true;
    }

    // A picture element of an item when its file exists and is no phone picture; false when
    // the file cannot be read.
    bool addPicture(PreviewElement::Kind kind, int item, const QString& path, const QRect& box)
    {
        if (isPhonePicture(path))
            return true;
        PreviewElement element;
        bool present = false;
        if (!read(path, element.picture, present))
            return false;
        if (present) {
            element.kind = kind;
            element.item = item;
            element.box = box;
            m_scene.elements.append(std::move(element));
        }
        return true;
    }

    // The last item lies on the base line and each earlier one an item step higher; the first
    // item is drawn last, so it lies on top.
    void placeItems()
    {
        const QStringList& lines = m_scene.stage.previewList;
        const int count = int(lines.size());
        if (int(m_scene.cursor) > count - 1)
            m_scene.cursor = quint8(count - 1);

        const QFont font = itemFont(m_settings);
        const QFontMetrics metrics(font);
        const QRect& bg = background().box;
        const int iconLeft = bg.left() + m_itemXofs;
        m_scene.elements.reserve(count * 3);
        for (int k = count - 1; k >= 0; --k) {
            const int top = m_scene.baseLine - (count - 1 - k) * m_scene.itemStep;
            const MenuItem item = SplitMenuLine(lines.at(k));
            const bool selected = k == int(m_scene.cursor);
            if (selected && !addPicture(PreviewElement::Kind::Cursor, k, m_cursorPath,
                                        QRect(bg.left(), top, bg.width(), elementSide)))
                return;
            if (!addPicture(PreviewElement::Kind::Icon, k, imagePath(item.icon),
                            QRect(iconLeft, top + iconDrop, elementSide, elementSide)))
                return;
            PreviewElement label;
            label.item = k;
            label.text = m_settings.digits ? QString::number(k + 1) + u'.' + item.name : item.name;
            label.box = QRect(iconLeft + m_textXofs, top, metrics.horizontalAdvance(label.text),
                              metrics.height());
            label.font = font;
            label.colour = selected ? m_selectedColour : m_itemColour;
            label.border = selected ? m_selectedBorder : m_itemBorder;
            label.outline = m_settings.outline;
            m_scene.elements.append(std::move(label));
        }
    }

    const PreviewInput& m_input;
    const PreviewSettings& m_settings;
    const HexReport& m_report;
    PreviewScene m_scene;
    QColor m_itemColour = Qt::black;
    QColor m_itemBorder = Qt::black;
    QColor m_selectedColour = Qt::black;
    QColor m_selectedBorder = Qt::black;
    int m_itemXofs = 0;
    int m_itemYofs = 0;
    int m_textXofs = 0;
    QString m_cursorPath;
};

} // namespace

QStringList fixedWallpaperPaths(const QString& programDir)
{
    if (programDir.isEmpty())
        return {};
    return {joinPath(programDir, u"\\Data\\wallpaper.jpg"_s),
            joinPath(programDir, u"\\Data\\wallpaper.png"_s),
            joinPath(programDir, u"\\Data\\wallpaper.bmp"_s)};
}

PreviewScene buildPreviewScene(const PreviewInput& input, PreviewStage stage, quint8 cursor,
                               const HexReport& report)
{
    return SceneBuilder(input, std::move(stage), cursor, report).build();
}
