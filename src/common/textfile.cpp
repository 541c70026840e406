#include "textfile.h"

#include "translate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char* codePage = "windows-1251";
}

QStringList splitTextLines(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0)
        bytes = bytes.first(end);

    QStringDecoder decode(codePage);
    const QString text = decode(bytes);

    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.sliced(start));
    return lines;
}

QByteArray joinTextLines(const QStringList& lines)
{
    QString text;
    qsizetype length = 0;
    for (const QString& line : lines)
        length += line.size() + 2;
    text.reserve(length);
    for (const QString& line : lines) {
        text += line;
        text += u"\r\n";
    }
    QStringEncoder encode(codePage);
    return encode(text);
}

TextReadResult readTextLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, Translate("Не удаётся открыть файл \"%1\":\n%2").arg(path, file.errorString())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{},
                Translate("Не удаётся прочитать файл \"%1\":\n%2").arg(path, file.errorString())};
    return {splitTextLines(bytes), QString()};
}

QString writeTextLines(const QString& path, const QStringList& lines)
{
    // A workspace file may be the first of its folder (a new menu in a fresh menu folder).
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(joinTextLines(lines));
        if (file.commit())
            return QString();
    }
    return Translate("Не удаётся записать файл \"%1\":\n%2").arg(path, file.errorString());
}
