#include "prompts.h"

#include "common/translate.h"

QString programCaption()
{
    return Translate("TAVU - редактор файлов меню");
}
