#include "translate.h"

#include <QCoreApplication>

QString Translate(const char* russianText)
{
    return QCoreApplication::translate("tavu", russianText);
}
