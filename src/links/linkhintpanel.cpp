#include "linkhintpanel.h"

#include "common/translate.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {
struct HintLine
{
    const char* text;
    bool indented = false;
    bool large = false;
};

const HintLine hintLines[] = {
    {"Пояснения к типу ссылки:"},
    {"1 - FOLDER - ссылка на папку (должен быть прописан путь к mc.elf)"},
    {"2 - FILE - ссылка на файл (поддерживаются параметры)"},
    {"3 - CALL -  вызов функции прошивки по адресу Axxxxxxxx"},
    {"(CALL|AB000000|#1AC|Sstring|Wwidestring -до 4 параметров)", true},
    {"4 - KEYSEND - эмуляция нажатия клавиш"},
    {"5 - SHORTCUT - вызов по шорткату"},
    {"6 - SUBMENU - файл подменю (main.mnu не прописывать)"},
    {"7 - ENTRY - вызов функции прошивки(адрес берётся из entrypoints.txt)"},
    {"8 - ROOTMENU - возврат в главное меню"},
    {"9 - FILES - файл-эксплорер"},
    {"0 - LIB - вызов библиотечной функции"},
    {"(LIB|123|#1AC|Sstring|Wwidestring - вызов функции 0x123 с  параметрами)", true},
    {"- - JAPP - Отображение списка ява-приложений с иконками."},
    {"(по сути проводник по папкам телефона)", true},
    {"Или нажмите Пробел или F8 для меню", false, true},
    {"Первый символ - хоткей", false, true},
};
} // namespace

LinkHintPanel::LinkHintPanel(QWidget* parent) : RoundedPanel(parent)
{
    setObjectName(QStringLiteral("Hint"));
    setFillColour(QColor(255, 255, 225));
    setBorder(Qt::gray, 2);
    setCornerWidth(10);
    resize(401, 233);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(0);
    for (const HintLine& line : hintLines) {
        auto* label = new QLabel(Translate(line.text), this);
        QFont font = label->font();
        font.setPixelSize(line.large ? 13 : 11);
        font.setBold(&line == &hintLines[0]);
        label->setFont(font);
        if (line.indented)
            label->setIndent(16);
        layout->addWidget(label);
    }
}
