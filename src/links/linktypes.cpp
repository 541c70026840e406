#include "linktypes.h"

#include "common/translate.h"

namespace {
struct PickerCaption
{
    const char* type;
    const char* caption;
};

const PickerCaption pickerCaptions[] = {
    {"FOLDER", "Папка"},    {"FILE", "Файл"},         {"CALL", "Энтрипоинты"},
    {"KEYSEND", "Клавиши"}, {"SHORTCUT", "Шорткаты"}, {"SUBMENU", "Подменю"},
};
} // namespace

ActionButtonState loadedItemActionButton(const QString& type)
{
    for (const PickerCaption& picker : pickerCaptions) {
        if (type == QLatin1String(picker.type))
            return {Translate(picker.caption), true};
    }
    return idleActionButton();
}

ActionButtonState idleActionButton()
{
    return {Translate("Нет действия"), false};
}
