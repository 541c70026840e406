#include "itemlist.h"

ItemList::ItemList(QWidget* parent) : LineList(parent)
{
    setObjectName(QStringLiteral("ContentsFile"));
    setFont(fixedPitchFont(13));
}
