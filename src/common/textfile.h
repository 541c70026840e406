#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The phone's text files (menu files, menu.cfg, the item buffer, the pickers' lists) are lists of
// lines in Windows-1251. Every byte but the line ends and 0 maps to its own character, so a file
// read and written back unchanged keeps every byte.

// Splits file contents into lines: CR LF, a lone CR and a lone LF each end a line; a last line
// without an end is still a line; a final line end adds no empty line; a byte 0 ends the text.
QStringList splitTextLines(QByteArrayView bytes);

// Joins lines into file contents with CR LF after every line, the last one included.
QByteArray joinTextLines(const QStringList& lines);

struct TextReadResult
{
    QStringList lines;
    QString error; // empty when the file was read
    bool ok() const { return error.isEmpty(); }
};

TextReadResult readTextLines(const QString& path);

// Writes the lines through a temporary file, so a failed write leaves the old file whole. A
// missing folder on the way is made.
// Returns an empty text on success, else a message naming the file and the reason.
QString writeTextLines(const QString& path, const QStringList& lines);
