#include "app/loadform.h"
#include "app/mainform.h"
#include "app/windowset.h"
#include "common/appstate.h"
#include "platform/qtprompts.h"

#include <QApplication>
#include <QProxyStyle>

namespace {

// Hints appear after a second's pause.
class HintTimingStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay)
            return 1000;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(new HintTimingStyle);
    QApplication::setQuitOnLastWindowClosed(false);

    AppState state(QCoreApplication::applicationDirPath());
    state.setApplicationTitle(QStringLiteral("TAVO - Редактор меню"));
    QtPrompts prompts(state);
    const QStringList arguments = QCoreApplication::arguments();
    const QString commandLineFile = arguments.size() > 1 ? arguments.at(1) : QString();

    TLoadForm splash(WindowSet::windowCount, [&](std::function<void()> advance) {
        auto windows = std::make_unique<WindowSet>(state, prompts, commandLineFile, advance);
        TMainForm& mainForm = windows->mainForm();
        prompts.setParent(&mainForm);
        QObject::connect(&mainForm, &TMainForm::quitConfirmed, &app, &QCoreApplication::quit);
        return windows;
    });
    splash.show();
    return QApplication::exec();
}
