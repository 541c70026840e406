// Times one preview render (scene and painting) of a 255-item main menu with a picture for every
// item, a menu background, a cursor, a start button and a JPEG wallpaper, at 240x320.
// Prints the median, the fastest and the slowest of repeated renders.

#include "common/textfile.h"
#include "preview/scenebuilder.h"
#include "preview/scenepainter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int itemCount = 255;
constexpr int warmUps = 3;
constexpr int runs = 60;

void savePicture(const QString& path, QSize size, const QColor& colour, bool rounded)
{
    QDir().mkpath(QFileInfo(path).path());
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(Qt::white);
    if (rounded)
        painter.drawRoundedRect(QRectF(QPointF(1, 1), size - QSizeF(2, 2)), 6, 6);
    else
        painter.drawEllipse(QRectF(QPointF(1, 1), size - QSizeF(2, 2)));
    painter.end();
    picture.save(path);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QTemporaryDir programDir;
    const QString menuFolder = programDir.filePath(u"Data/sMenu"_s);
    const QString images = menuFolder + u"/data/images/"_s;
    QImage wallpaper(240, 320, QImage::Format_RGB32);
    QPainter(&wallpaper).fillRect(wallpaper.rect(), QLinearGradient(0, 0, 0, 320));
    QDir().mkpath(programDir.filePath(u"Data"_s));
    wallpaper.save(programDir.filePath(u"Data/wallpaper.jpg"_s));
    savePicture(images + u"bg.png"_s, {200, 180}, QColor(20, 20, 40, 190), true);
    savePicture(images + u"item.png"_s, {200, 22}, QColor(255, 255, 255, 20), true);
    savePicture(images + u"cursor.png"_s, {188, 22}, QColor(255, 170, 0, 220), true);
    savePicture(images + u"start.png"_s, {240, 24}, QColor(30, 30, 30), true);
    QStringList menu;
    for (int item = 0; item < itemCount; ++item) {
        const QString icon = u"icons/i%1.png"_s.arg(item, 3, 10, QChar(u'0'));
        savePicture(images + icon, {24, 24}, QColor::fromHsv(item * 37 % 360, 200, 220), false);
        menu.append(u"Пункт %1|%2|CALL|%1"_s.arg(item).arg(QString(icon).replace(u'/', u'\\')));
    }
    QDir().mkpath(menuFolder + u"/mnu"_s);
    writeTextLines(menuFolder + u"/mnu/main.mnu"_s, menu);

    PreviewInput input;
    input.programDir = programDir.path();
    input.menuFolder = menuFolder;
    input.cfgLines = {u"MainBGimg :bg.png"_s,
                      u"ItemImg :item.png"_s,
                      u"StartButtonImg :start.png"_s,
                      u"MainCursorImg :cursor.png"_s,
                      u"ItemColor :64FFFFFF"_s,
                      u"ItemBorder :64000000"_s,
                      u"SelItemColor :64000000"_s,
                      u"SelItemBorder :6400FFFF"_s,
                      u"X0 :20"_s,
                      u"Y0 :40"_s,
                      u"ItemXofsMain :6"_s,
                      u"ItemYofsMain :8"_s,
                      u"ItemTextXofs :24"_s};
    input.settings.wallpaper = true;
    input.settings.digits = true;

    std::vector<double> scenes;
    std::vector<double> paintings;
    std::vector<double> totals;
    PreviewStage stage;
    for (int run = 0; run < warmUps + runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        PreviewScene scene = buildPreviewScene(input, std::move(stage), 200, {});
        const qint64 built = timer.nsecsElapsed();
        const QImage image = paintPreview(scene, input.settings.screen);
        const qint64 painted = timer.nsecsElapsed();
        if (scene.end != PreviewScene::End::Completed || scene.elements.size() != itemCount * 2 + 1)
            qFatal("the render did not complete: %s", qPrintable(scene.error));
        stage = std::move(scene.stage);
        if (run < warmUps)
            continue;
        scenes.push_back(built / 1e6);
        paintings.push_back((painted - built) / 1e6);
        totals.push_back(painted / 1e6);
    }
    std::printf("render of %d items at 240x320, %d runs: median %.2f ms (scene %.2f ms, painting "
                "%.2f ms), fastest %.2f ms, slowest %.2f ms\n",
                itemCount, runs, median(totals), median(scenes), median(paintings),
                *std::min_element(totals.begin(), totals.end()),
                *std::max_element(totals.begin(), totals.end()));
    return 0;
}
