// tavu-render: draws the preview of a menu folder's main menu into a PNG file, as the editor
// shows it, without opening a window.

#include "common/paths.h"
#include "common/strings1251.h"
#include "common/textfile.h"
#include "common/translate.h"
#include "preview/scenebuilder.h"
#include "preview/scenepainter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

enum ExitCode
{
    Rendered = 0,
    Failed = 1,
    Usage = 2
};

struct Job
{
    PreviewInput input;
    PreviewStage stage;
    quint8 cursor = 0;
    QString output;
};

void printLine(const QString& text)
{
    std::fputs(qPrintable(text + u'\n'), stderr);
}

// The options the editor starts with, changed by the command line. Returns the error text of a
// wrong argument.
std::optional<QString> readOptions(const QCommandLineParser& parser, Job& job)
{
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 2)
        return Translate("Нужны два аргумента: папка меню и файл PNG.");
    PreviewSettings& settings = job.input.settings;
    job.input.menuFolder = QFileInfo(arguments.at(0)).absoluteFilePath();
    job.output = arguments.at(1);

    if (parser.isSet(u"size"_s)) {
        static const QStringList sizes = {u"130x130"_s, u"132x176"_s, u"240x320"_s};
        const QString size = parser.value(u"size"_s);
        if (!sizes.contains(size))
            return Translate("Размер экрана \"%1\": возможны 130x130, 132x176 и 240x320.")
                .arg(size);
        const auto [width, height] = SplitAtChar(size, u'x');
        settings.screen = QSize(width.toInt(), height.toInt());
    }
    if (parser.isSet(u"cursor"_s)) {
        bool ok = false;
        const uint cursor = parser.value(u"cursor"_s).toUInt(&ok);
        if (!ok || cursor > 255)
            return Translate("Курсор \"%1\": нужно целое число от 0 до 255.")
                .arg(parser.value(u"cursor"_s));
        job.cursor = quint8(cursor);
    }
    settings.digits = parser.isSet(u"digits"_s);
    settings.outline = !parser.isSet(u"no-outline"_s);
    job.stage.startButtonShown = !parser.isSet(u"no-start-button"_s);
    settings.fontName = parser.value(u"font"_s);
    if (parser.isSet(u"font-size"_s)) {
        bool ok = false;
        const int points = parser.value(u"font-size"_s).toInt(&ok);
        if (!ok || points < 5 || points > 20)
            return Translate("Размер шрифта \"%1\": нужно целое число от 5 до 20.")
                .arg(parser.value(u"font-size"_s));
        settings.fontPoints = points;
    }
    if (parser.isSet(u"background"_s)) {
        const QString colour = parser.value(u"background"_s);
        static const QRegularExpression hexColour(u"^[0-9A-Fa-f]{6}$"_s);
        if (!hexColour.match(colour).hasMatch())
            return Translate("Цвет фона \"%1\": нужны шесть шестнадцатеричных цифр RRGGBB.")
                .arg(colour);
        settings.background = QColor(u'#' + colour);
    }

    // As at the editor's start: a fixed wallpaper in the program folder selects the wallpaper.
    if (parser.isSet(u"program-dir"_s)) {
        job.input.programDir = QFileInfo(parser.value(u"program-dir"_s)).absoluteFilePath();
        if (!folderExists(job.input.programDir))
            return Translate("Не найден ") + QDir::toNativeSeparators(job.input.programDir);
        const QStringList wallpapers = fixedWallpaperPaths(job.input.programDir);
        settings.wallpaper = std::any_of(wallpapers.begin(), wallpapers.end(), fileExists);
    }
    if (parser.isSet(u"wallpaper"_s)) {
        settings.chosenWallpaper = QFileInfo(parser.value(u"wallpaper"_s)).absoluteFilePath();
        if (!fileExists(settings.chosenWallpaper))
            return Translate("Не найден ") + QDir::toNativeSeparators(settings.chosenWallpaper);
        settings.wallpaper = true;
    }
    return std::nullopt;
}

// Unlike the editor, which then draws nothing, a missing main.mnu or menu.cfg is an error here.
std::optional<QString> readWorkspace(Job& job)
{
    const QString cfgPath = joinPath(job.input.menuFolder, u"\\data\\menu.cfg"_s);
    for (const QString& required :
         {joinPath(job.input.menuFolder, u"\\mnu\\main.mnu"_s), cfgPath}) {
        if (!fileExists(required))
            return Translate("Не найден ") + QDir::toNativeSeparators(required);
    }
    TextReadResult cfg = readTextLines(cfgPath);
    if (!cfg.ok())
        return cfg.error;
    job.input.cfgLines = std::move(cfg.lines);
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    // No window is ever shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCoreApplication::setApplicationName(u"tavu-render"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        Translate("Рисует предпросмотр главного меню (mnu\\main.mnu и data\\menu.cfg папки меню) "
                  "в файл PNG размером с экран телефона."));
    parser.addHelpOption();
    parser.addPositionalArgument(u"MENUFOLDER"_s, Translate("Папка меню (sMenu)."));
    parser.addPositionalArgument(u"OUTPUT.png"_s, Translate("Файл PNG, который будет записан."));
    parser.addOptions({
        {u"size"_s,
         Translate("Размер экрана: 130x130, 132x176 или 240x320 (по умолчанию 240x320)."),
         u"WxH"_s},
        {u"cursor"_s, Translate("Номер выделенного пункта, от 0 (по умолчанию 0)."), u"N"_s},
        {u"digits"_s, Translate("Нумеровать пункты.")},
        {u"no-outline"_s, Translate("Без обводки текста.")},
        {u"no-start-button"_s, Translate("Без кнопки \"Пуск\".")},
        {u"font"_s, Translate("Шрифт пунктов (по умолчанию Times New Roman)."), u"NAME"_s},
        {u"font-size"_s, Translate("Размер шрифта в пунктах, от 5 до 20 (по умолчанию 10)."),
         u"N"_s},
        {u"background"_s, Translate("Цвет фона RRGGBB (по умолчанию FFFF00, жёлтый)."),
         u"RRGGBB"_s},
        {u"wallpaper"_s, Translate("Файл обоев (PNG, JPG или BMP)."), u"FILE"_s},
        {u"program-dir"_s,
         Translate("Папка программы, в которой ищутся Data\\wallpaper.jpg, "
                   ".png и .bmp (по умолчанию нигде)."),
         u"DIR"_s},
    });
    if (!parser.parse(QCoreApplication::arguments())) {
        printLine(parser.errorText());
        return Usage;
    }
    if (parser.isSet(u"help"_s))
        parser.showHelp(Rendered);

    Job job;
    if (const std::optional<QString> error = readOptions(parser, job)) {
        printLine(*error);
        return Usage;
    }
    if (const std::optional<QString> error = readWorkspace(job)) {
        printLine(*error);
        return Failed;
    }

    const PreviewScene scene =
        buildPreviewScene(job.input, std::move(job.stage), job.cursor,
                          [](const QString& message) { printLine(message); });
    if (scene.end == PreviewScene::End::Failed) {
        printLine(scene.error);
        return Failed;
    }
    QImageWriter writer(job.output, "png");
    if (!writer.write(paintPreview(scene, job.input.settings.screen))) {
        printLine(Translate("Не удаётся записать файл \"%1\":\n%2")
                      .arg(QDir::toNativeSeparators(job.output), writer.errorString()));
        return Failed;
    }
    return Rendered;
}
