#include "keycatalogue.h"

#include "common/strings1251.h"
#include "common/translate.h"

namespace {

const CfgKey catalogue[] = {
    {"Price", KeyKind::Text, "Цена", "", ";this is simple menu config"},
    {"Name", KeyKind::Text, "Название", ""},
    {"Copiright", KeyKind::Text, "Авторские права", ""},
    {CfgKeys::MainBGimg, KeyKind::Image, "Фон главного меню", "", ";data here"},
    {"ItemTopImg", KeyKind::Image, "Верхушка списка", ""},
    {"ItemOneImg", KeyKind::Image, "Фон подменю при одном пункте", ""},
    {CfgKeys::ItemImg, KeyKind::Image, "Фон элемента", ""},
    {"ItemBtmImg", KeyKind::Image, "Низ списка", ""},
    {"ArrowItemTopImg", KeyKind::Image, "Указатель на продолжение списка вверх", ""},
    {"ArrowItemImg", KeyKind::Image, "Не понятно", ""},
    {"ArrowItemBtmImg", KeyKind::Image, "Указатель на продолжение списка вниз", ""},
    {CfgKeys::StartButtonImg, KeyKind::Image, "Картинка кнопки Пуск (панели задач)", ""},
    {CfgKeys::MainCursorImg, KeyKind::Image, "Курсор в главном меню", ""},
    {"SubCursorImg", KeyKind::Image, "Курсор в подменю", ""},
    {CfgKeys::ItemColor, KeyKind::Colour, "Цвет текста", ""},
    {CfgKeys::ItemBorder, KeyKind::Colour, "Цвет обводки", ""},
    {"SmItemColor", KeyKind::Colour, "Цвет текста элемента, открытого подменю", ""},
    {"SmItemBorder", KeyKind::Colour, "Цвет обводки элемента, открытого подменю", ""},
    {CfgKeys::SelItemColor, KeyKind::Colour, "Цвет текста выделенного элемента", ""},
    {CfgKeys::SelItemBorder, KeyKind::Colour, "Цвет обводки выделенного элемента", ""},
    {"SmSelItemColor", KeyKind::Colour, "Цвет текста выделенного элемента, открытого подменю", ""},
    {"SmSelItemBorder", KeyKind::Colour, "Цвет обводки выделенного элемента, открытого подменю",
     ""},
    {CfgKeys::X0, KeyKind::Number, "Смещение меню по Х слева", "0"},
    {CfgKeys::Y0, KeyKind::Number, "Смещение меню по У снизу", "0"},
    {CfgKeys::ItemXofsMain, KeyKind::Number, "Смещение по горизонтали элемента главного меню", "0"},
    {"ItemXofsSub", KeyKind::Number, "Смещение по горизонтали элемента подменю", "0"},
    {CfgKeys::ItemYofsMain, KeyKind::Number, "Смещение по вертикали нижнего элемента главного меню",
     "0"},
    {CfgKeys::ItemTextXofs, KeyKind::Number,
     "Смещение по горизонтали текста относительно левого края элемента меню", "0"},
    // A second spelling of the copyright key; new files use the first.
    {"Copyright", KeyKind::Text, "Авторские права", nullptr},
};

} // namespace

std::span<const CfgKey> keyCatalogue()
{
    return catalogue;
}

const CfgKey* findKey(const QString& line)
{
    for (const CfgKey& key : catalogue) {
        if (StartsWith(QString::fromLatin1(key.name), line))
            return &key;
    }
    return nullptr;
}

bool isCommentLine(const QString& line)
{
    return line.startsWith(u';');
}

QString describeLine(const QString& line)
{
    if (isCommentLine(line))
        return Translate("Комментарий");
    const CfgKey* key = findKey(line);
    return key ? Translate(key->description) : QString();
}

QStringList defaultCfgLines()
{
    QStringList lines;
    for (const CfgKey& key : catalogue) {
        if (key.commentAbove)
            lines.append(QString::fromLatin1(key.commentAbove));
        if (key.defaultValue)
            lines.append(QString::fromLatin1(key.name) + QStringLiteral(" :") +
                         QString::fromLatin1(key.defaultValue));
    }
    return lines;
}
