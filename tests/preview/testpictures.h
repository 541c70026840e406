#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

class TempWorkspace;

// Writes a picture of one colour below the workspace's root; the format follows the extension.
// Returns the full path.
QString writePicture(TempWorkspace& workspace, const QString& relative, QSize size,
                     const QColor& colour);

// The number of pixels inside area that have exactly this colour.
int countPixels(const QImage& image, const QRect& area, const QColor& colour);
