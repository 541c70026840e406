#include "testpictures.h"

#include "support/tempworkspace.h"

#include <QBuffer>
#include <QFileInfo>

QString writePicture(TempWorkspace& workspace, const QString& relative, QSize size,
                     const QColor& colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QByteArray format = QFileInfo(relative).suffix().toLower().toLatin1();
    if (!picture.save(&buffer, format.constData()))
        qFatal("cannot make the test picture %s", qPrintable(relative));
    return workspace.writeFile(relative, bytes);
}

int countPixels(const QImage& image, const QRect& area, const QColor& colour)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (image.pixel(x, y) == colour.rgb())
                ++count;
        }
    }
    return count;
}
