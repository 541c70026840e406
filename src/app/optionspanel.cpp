#include "optionspanel.h"

#include "common/appstate.h"
#include "common/translate.h"
#include "platform/prompts.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace {
constexpr int cobexWidthAvailable = 233;
constexpr int cobexWidthMissing = 209;
} // namespace

OptionsPanel::OptionsPanel(const AppState& state, Prompts& prompts, QWidget* parent)
    : QFrame(parent), m_state(state), m_prompts(prompts)
{
    setObjectName(QStringLiteral("OptPanel"));
    setFrameShape(QFrame::StyledPanel);

    m_saveSettings = new QPushButton(Translate("Сохранить настройки"), this);
    m_saveSettings->setObjectName(QStringLiteral("bSaveSett"));
    m_saveSettings->setGeometry(11, 10, cobexWidthAvailable, 26);

    m_cobexSetup = new QPushButton(Translate("Настройка COBEX..."), this);
    m_cobexSetup->setObjectName(QStringLiteral("bCobexSetup"));
    m_cobexSetup->setGeometry(11, 42, cobexWidthAvailable, 26);

    auto* languageLabel = new QLabel(QStringLiteral("Language:"), this);
    languageLabel->setGeometry(11, 77, 70, 22);
    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("LangBox"));
    m_language->addItems({QStringLiteral("Русский"), QStringLiteral("English")});
    m_language->setGeometry(84, 76, 160, 24);
    languageLabel->setBuddy(m_language);
    m_language->setAccessibleName(languageLabel->text());

    m_warning = new QToolButton(this);
    m_warning->setObjectName(QStringLiteral("ErrorWarn"));
    m_warning->setText(QStringLiteral("!!!"));
    m_warning->setAutoRaise(true);
    m_warning->setToolTip(Translate("Внимание"));
    m_warning->setAccessibleName(m_warning->toolTip());
    QFont warningFont = m_warning->font();
    warningFont.setBold(true);
    warningFont.setPixelSize(16);
    m_warning->setFont(warningFont);
    QPalette warningPalette = m_warning->palette();
    warningPalette.setColor(QPalette::ButtonText, Qt::red);
    m_warning->setPalette(warningPalette);
    m_warning->setGeometry(11, 110, 40, 26);
    m_warning->hide();

    m_quit = new QPushButton(Translate("Выход (F10)"), this);
    m_quit->setObjectName(QStringLiteral("bQuit"));
    m_quit->setGeometry(124, 110, 120, 26);

    connect(m_warning, &QToolButton::clicked, this, &OptionsPanel::ErrorWarnClick);
    connect(m_quit, &QPushButton::clicked, this, &OptionsPanel::QuitActExecute);
}

void OptionsPanel::setCobexSetupAvailable(bool available)
{
    m_cobexSetup->setEnabled(available);
    m_cobexSetup->resize(available ? cobexWidthAvailable : cobexWidthMissing,
                         m_cobexSetup->height());
}

void OptionsPanel::QuitActExecute()
{
    if ((m_state.menuChanged() || m_state.cfgChanged()) &&
        !m_prompts.ask(programCaption(),
                       Translate("Есть несохраненные данные. Вы действительно хотите выйти?")))
        return;
    Q_EMIT quitConfirmed();
}

void OptionsPanel::ErrorWarnClick()
{
    // The caption of the start-up warnings stays untranslated.
    m_prompts.warn(QStringLiteral("Внимание"), m_state.errorNotes());
}
