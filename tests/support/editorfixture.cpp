#include "editorfixture.h"

#include "app/mainform.h"
#include "app/windowset.h"

EditorFixture::EditorFixture() : state(workspace.root()) {}

EditorFixture::~EditorFixture() = default;

void EditorFixture::start(const QString& commandLineFile)
{
    m_windows = std::make_unique<WindowSet>(state, prompts, commandLineFile);
    TMainForm& form = m_windows->mainForm();
    QObject::connect(&form, &TMainForm::quitConfirmed, &form, [this] { m_quitConfirmed = true; });
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        qWarning("the main window did not become active");
}

TMainForm& EditorFixture::window() const
{
    return m_windows->mainForm();
}

QWidget* EditorFixture::rootWidget() const
{
    return &m_windows->mainForm();
}

QString EditorFixture::menuFolderFile(const QString& relative) const
{
    return workspace.path(QStringLiteral("Data/sMenu/") + relative);
}

QString EditorFixture::writeMenuFolderFile(const QString& relative, const QByteArray& bytes)
{
    return workspace.writeFile(QStringLiteral("Data/sMenu/") + relative, bytes);
}
