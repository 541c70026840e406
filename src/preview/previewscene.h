#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// The data of one preview: what the options say, what a render carries over to the next one,
// and the positioned elements it produces. Coordinates are pixels of the phone screen, origin at
// its top-left corner.

// How the preview is drawn, as the options group sets it.
struct PreviewSettings
{
    QSize screen{240, 320};
    // Show a wallpaper picture (CWallp) rather than the plain colour (CBackground).
    bool wallpaper = false;
    QColor background = Qt::yellow;
    // The wallpaper file the user chose (wpath), a local path; empty when none was chosen.
    QString chosenWallpaper;
    // The font of the item texts; empty means "Times New Roman".
    QString fontName;
    // The text size in points; none leaves the label's own default size.
    std::optional<int> fontPoints = 10;
    bool digits = false;
    bool outline = true;
};

// Everything a render reads besides the carried state: the workspace's folders, the lines of
// menu.cfg as the configuration editor holds them, and the options.
struct PreviewInput
{
    // Where Data\wallpaper.jpg, .png and .bmp are looked for; empty: nowhere.
    QString programDir;
    QString menuFolder;
    QStringList cfgLines;
    PreviewSettings settings;
};

// A picture element: its picture is drawn at natural size from the box's top-left corner and
// cut at the box's edges.
struct PictureBox
{
    QRect box;
    QImage picture;
};

// What carries over from one render to the next: the three permanent elements (wallpaper, menu
// background, start button) and the lines of main.mnu last loaded. A render that ends early
// leaves the rest of them as they were.
struct PreviewStage
{
    // Stretched over the whole screen; while it is null the screen is filled with fill.
    QImage wallpaper;
    QColor fill = Qt::black;
    PictureBox background{QRect(8, 168, 105, 105), {}};
    // Stays 234 wide; a render that gives it a picture sets its height and puts it on the
    // screen's bottom edge.
    PictureBox startButton{QRect(0, 0, 234, 0), {}};
    bool startButtonShown = true;
    QStringList previewList;
};

// One element made for a menu item. Elements are listed from the bottom layer up.
struct PreviewElement
{
    enum class Kind
    {
        Cursor,
        Icon,
        Label
    };
    Kind kind = Kind::Label;
    int item = 0; // the item's index in PreviewList
    QRect box;
    QImage picture; // cursor and icon
    QString text;   // label
    QFont font;
    QColor colour;
    QColor border;
    bool outline = false;
};

struct PreviewScene
{
    enum class End
    {
        Completed,
        // The menu background or the start button names a phone picture (.gpf), which cannot
        // be shown: the render stops there without an error.
        AtPhonePicture,
        // A value or a picture could not be read; error tells which and why.
        Failed
    };

    PreviewStage stage;
    QList<PreviewElement> elements;
    quint8 cursor = 0;
    int baseLine = 0;
    int itemStep = 0;
    End end = End::Completed;
    QString error;
    // No wallpaper could be shown, so the screen was filled with the background colour and the
    // background choice is to be selected.
    bool filledWithBackground = false;
};
