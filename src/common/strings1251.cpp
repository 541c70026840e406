#include "strings1251.h"

namespace {
constexpr char16_t cyrillicSmallA = u'а';
constexpr char16_t cyrillicSmallYa = u'я';
constexpr int cyrillicCaseDistance = u'а' - u'А';
} // namespace

QString UpperCase1251(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper) {
        const char16_t code = c.unicode();
        if (code >= u'a' && code <= u'z')
            c = QChar(code - (u'a' - u'A'));
        else if (code >= cyrillicSmallA && code <= cyrillicSmallYa)
            c = QChar(code - cyrillicCaseDistance);
    }
    return upper;
}

bool StartsWith(const QString& prefix, const QString& text)
{
    return text.startsWith(prefix, Qt::CaseSensitive);
}

std::pair<QString, QString> SplitAtChar(const QString& text, QChar c)
{
    const qsizetype at = text.indexOf(c);
    if (at < 0)
        return {text, QString()};
    return {text.left(at), text.mid(at + 1)};
}
