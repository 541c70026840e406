#include "aboutpage.h"

#include "common/appstate.h"
#include "common/translate.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// A small drawing of a phone showing a start menu.
QPixmap phonePicture()
{
    QPixmap picture(72, 120);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(60, 60, 70));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(2, 2, 68, 116), 10, 10);
    painter.setBrush(QColor(250, 240, 120));
    painter.drawRect(QRectF(9, 14, 54, 72));
    painter.setBrush(QColor(70, 110, 200));
    for (int row = 0; row < 4; ++row)
        painter.drawRect(QRectF(14, 40 + row * 11, 44, 8));
    painter.setBrush(QColor(200, 60, 60));
    painter.drawRect(QRectF(9, 78, 22, 8));
    return picture;
}

} // namespace

AboutPage::AboutPage(const AppState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("AboutPage"));

    auto* name = new QLabel(Translate("TAVU - редактор файлов меню"), this);
    QFont nameFont = name->font();
    nameFont.setPixelSize(22);
    nameFont.setBold(true);
    name->setFont(nameFont);

    auto* version = new QLabel(Translate("Версия:") + u' ' + QStringLiteral(TAVU_VERSION), this);

    auto* pictures = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto* picture = new QLabel(this);
        picture->setPixmap(phonePicture());
        pictures->addWidget(picture);
    }
    pictures->addStretch();

    auto* credits = new QLabel(
        Translate("Редактор файлов меню \"Пуск\" для мобильных телефонов.\n"
                  "Правит файлы меню (*.mnu) и menu.cfg, показывает главное меню так, как его "
                  "нарисует телефон, и отправляет готовые файлы на телефон."),
        this);
    credits->setWordWrap(true);

    m_history = new QPushButton(Translate("История версий"), this);
    m_history->setObjectName(QStringLiteral("HistVerB"));
    m_history->hide();
    connect(m_history, &QPushButton::clicked, this, &AboutPage::HistVerBClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addSpacing(16);
    layout->addLayout(pictures);
    layout->addSpacing(16);
    layout->addWidget(credits);
    layout->addStretch();
    layout->addWidget(m_history, 0, Qt::AlignLeft);
}

void AboutPage::HistVerBClick()
{
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(m_state.programPath(QStringLiteral("\\Data\\changelog.txt"))));
}
