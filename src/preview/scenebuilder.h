#pragma once

#include "cfg/cfgline.h"
#include "previewscene.h"

// Lays out the preview of the main menu: from the options, the lines of menu.cfg, main.mnu and
// the pictures of the workspace, starting from the state the last render left (stage) and the
// preview cursor. The result holds the new stage, the cursor after its clamp and the elements
// made for the items, bottom layer first.
//
// A render that fails (a value that is not an integer, a picture that cannot be read) or meets a
// phone picture stops at that step: what it made up to there stays in the result, and error
// names the value or the file. Characters that are not hexadecimal digits in a colour are passed
// to report, and the render goes on.
PreviewScene buildPreviewScene(const PreviewInput& input, PreviewStage stage, quint8 cursor,
                               const HexReport& report);

// The fixed wallpapers of a program folder, in the order they are read: Data\wallpaper.jpg,
// .png and .bmp. None without a folder.
QStringList fixedWallpaperPaths(const QString& programDir);
