#pragma once

#include "previewscene.h"

// Paints a scene into one picture of the screen's size, from the bottom layer up: wallpaper or
// background colour, menu background, start button (while shown), then the items' elements in
// their order. Picture elements are cut at their boxes; an outlined text gets a shadow of its
// shape in the border colour, one pixel right and down and blurred once, under the text.
QImage paintPreview(const PreviewScene& scene, QSize screen);
