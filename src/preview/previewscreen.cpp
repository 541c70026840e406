#include "previewscreen.h"

#include "common/appstate.h"
#include "common/translate.h"

PreviewScreen::PreviewScreen(AppState& state, QWidget* parent)
    : QGroupBox(Translate("Предпросмотр"), parent), m_state(state)
{
    setObjectName(QStringLiteral("PGroup"));
    setFixedSize(256, 343);
    m_screen = new QWidget(this);
    m_screen->setObjectName(QStringLiteral("PPanel"));
    m_screen->setGeometry(8, 11, 240, 320);
    m_screen->hide();
}
