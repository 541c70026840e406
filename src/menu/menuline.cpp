#include "menuline.h"

#include "common/strings1251.h"

namespace {
const QString rootMenuType = QStringLiteral("ROOTMENU");
const QString mainMenuUpper = QStringLiteral("MAIN.MNU");
} // namespace

MenuItem SplitMenuLine(const QString& line)
{
    MenuItem item;
    QString* fields[] = {&item.name, &item.icon, &item.type};
    int field = 1;
    bool separatorPending = false;
    for (const QChar c : line) {
        if (c == u'|') {
            ++field;
            separatorPending = true;
            continue;
        }
        if (field <= 3) {
            fields[field - 1]->append(c);
        } else {
            // Inside the parameter a run of separators is kept as one, and only when more text
            // follows it.
            if (field >= 5 && separatorPending)
                item.parameter.append(u'|');
            item.parameter.append(c);
        }
        separatorPending = false;
    }
    return item;
}

QString JoinMenuLine(const MenuItem& item)
{
    const QChar bar = u'|';
    QString line = item.name + bar + item.icon + bar + item.type;
    if (item.type != rootMenuType)
        line += bar + item.parameter;
    return line;
}

bool isForbiddenSubmenu(const MenuItem& item)
{
    return item.type == QStringLiteral("SUBMENU") && isMainMenuName(item.parameter);
}

bool isMainMenuName(const QString& fileName)
{
    return UpperCase1251(fileName) == mainMenuUpper;
}
