#include "scenepainter.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// The shadow's picture has this margin around the text, where the blur spreads.
constexpr int shadowMargin = 1;
// The shadow lies this far right and down from the text.
constexpr int shadowOffset = 1;

void drawPicture(QPainter& painter, const PictureBox& element)
{
    const QRect source =
        QRect(QPoint(0, 0), element.box.size()).intersected(element.picture.rect());
    if (!source.isEmpty())
        painter.drawImage(element.box.topLeft(), element.picture, source);
}

// One pass of a 3 x 3 box blur over a premultiplied picture: each pixel becomes the mean of
// itself and its neighbours, pixels outside counting as transparent.
QImage blurOnce(const QImage& source)
{
    const int width = source.width();
    const int height = source.height();
    QImage across(width, height, QImage::Format_ARGB32_Premultiplied);
    QImage result(width, height, QImage::Format_ARGB32_Premultiplied);
    const auto mean = [](QRgb a, QRgb b, QRgb c) {
        QRgb sum = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            const uint channel =
                ((a >> shift) & 0xFF) + ((b >> shift) & 0xFF) + ((c >> shift) & 0xFF);
            sum |= QRgb(channel / 3) << shift;
        }
        return sum;
    };
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(across.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = mean(x > 0 ? in[x - 1] : 0, in[x], x + 1 < width ? in[x + 1] : 0);
    }
    for (int y = 0; y < height; ++y) {
        const auto* above =
            y > 0 ? reinterpret_cast<const QRgb*>(across.constScanLine(y - 1)) : nullptr;
        const auto* row = reinterpret_cast<const QRgb*>(across.constScanLine(y));
        const auto* below =
            y + 1 < height ? reinterpret_cast<const QRgb*>(across.constScanLine(y + 1)) : nullptr;
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = mean(above ? above[x] : 0, row[x], below ? below[x] : 0);
    }
    return result;
}

void drawLabel(QPainter& painter, const PreviewElement& label)
{
    const int ascent = QFontMetrics(label.font).ascent();
    painter.setFont(label.font);
    if (label.outline) {
        QImage shape(label.box.size() + QSize(2 * shadowMargin, 2 * shadowMargin),
                     QImage::Format_ARGB32_Premultiplied);
        shape.fill(Qt::transparent);
        QPainter shapePainter(&shape);
        shapePainter.setFont(label.font);
        shapePainter.setPen(label.border);
        shapePainter.drawText(QPoint(shadowMargin, shadowMargin + ascent), label.text);
        shapePainter.end();
        const QPoint shift(shadowOffset - shadowMargin, shadowOffset - shadowMargin);
        painter.drawImage(label.box.topLeft() + shift, blurOnce(shape));
    }
    painter.setPen(label.colour);
    painter.drawText(QPoint(label.box.left(), label.box.top() + ascent), label.text);
}

} // namespace

QImage paintPreview(const PreviewScene& scene, QSize screen)
{
    QImage image(screen, QImage::Format_RGB32);
    const PreviewStage& stage = scene.stage;
    const QRect screenRect(QPoint(0, 0), screen);
    if (stage.wallpaper.isNull())
        image.fill(stage.fill);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!stage.wallpaper.isNull())
        painter.drawImage(screenRect, stage.wallpaper);
    drawPicture(painter, stage.background);
    if (stage.startButtonShown)
        drawPicture(painter, stage.startButton);

    const int shadowReach = shadowOffset + shadowMargin;
    for (const PreviewElement& element : scene.elements) {
        if (element.kind != PreviewElement::Kind::Label) {
            drawPicture(painter, {element.box, element.picture});
        } else if (element.box.adjusted(0, 0, shadowReach, shadowReach).intersects(screenRect)) {
            drawLabel(painter, element);
        }
    }
    return image;
}
