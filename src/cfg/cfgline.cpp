#include "cfgline.h"

#include "common/translate.h"
#include "platform/prompts.h"

CfgLine SplitCfgLine(const QString& line)
{
    const qsizetype first = line.indexOf(u':');
    if (first < 0)
        return {line, QString()};
    const qsizetype second = line.indexOf(u':', first + 1);
    const qsizetype valueEnd = second < 0 ? line.size() : second;
    return {line.left(first), line.sliced(first + 1, valueEnd - first - 1)};
}

HexReport hexReportTo(Prompts& prompts)
{
    return [&prompts](const QString& message) { prompts.message(message); };
}

qint32 ReadHex(const QString& text, const HexReport& report)
{
    QString upper = text;
    for (QChar& c : upper) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    quint32 result = 0;
    for (const QChar c : upper) {
        result <<= 4;
        if (c >= u'0' && c <= u'9') {
            result += c.unicode() - u'0';
        } else if (c >= u'A' && c <= u'F') {
            result += c.unicode() - u'A' + 10;
        } else if (report) {
            report(Translate("Не могу преобразовать HEX-значение: ") + upper);
        }
    }
    return qint32(result);
}

CfgColour ReadCfgColour(const QString& value, const HexReport& report)
{
    const auto pair = [&](int index) { return ReadHex(value.mid(index * 2, 2), report); };
    return {pair(0), pair(1), pair(2), pair(3)};
}
