#include "scriptedprompts.h"

#include <QDialog>

QList<ScriptedPrompts::Shown> ScriptedPrompts::shownOf(Kind kind) const
{
    QList<Shown> found;
    for (const Shown& shown : m_shown) {
        if (shown.kind == kind)
            found.append(shown);
    }
    return found;
}

void ScriptedPrompts::clear()
{
    m_shown.clear();
    m_fileDialogs.clear();
    m_unanswered.clear();
}

void ScriptedPrompts::record(Kind kind, const QString& title, const QString& text)
{
    m_shown.append({kind, title, text});
}

bool ScriptedPrompts::ask(const QString& title, const QString& text)
{
    record(Kind::Question, title, text);
    if (m_answers.empty()) {
        m_unanswered.append(text);
        return false;
    }
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

void ScriptedPrompts::warn(const QString& title, const QString& text)
{
    record(Kind::Warning, title, text);
}

void ScriptedPrompts::inform(const QString& title, const QString& text)
{
    record(Kind::Information, title, text);
}

void ScriptedPrompts::message(const QString& text)
{
    record(Kind::Message, QString(), text);
}

void ScriptedPrompts::error(const QString& text)
{
    record(Kind::Error, QString(), text);
}

QString ScriptedPrompts::nextPath(std::deque<QString>& queue, Kind kind, const QString& title)
{
    record(kind, title, QString());
    if (queue.empty()) {
        m_unanswered.append(title);
        return QString();
    }
    const QString path = queue.front();
    queue.pop_front();
    return path;
}

QString ScriptedPrompts::openFileName(const FileDialogSpec& spec)
{
    m_fileDialogs.append(spec);
    return nextPath(m_files, Kind::OpenFile, spec.title);
}

QString ScriptedPrompts::saveFileName(const FileDialogSpec& spec)
{
    m_fileDialogs.append(spec);
    return nextPath(m_files, Kind::SaveFile, spec.title);
}

QString ScriptedPrompts::existingFolder(const QString& title, const QString&)
{
    return nextPath(m_folders, Kind::Folder, title);
}

bool ScriptedPrompts::chooseColor(QColor& colour)
{
    record(Kind::Colour, QString(), QString());
    if (m_colours.empty()) {
        m_unanswered.append(QStringLiteral("colour"));
        return false;
    }
    colour = m_colours.front();
    m_colours.pop_front();
    return true;
}

int ScriptedPrompts::exec(QDialog& dialog)
{
    record(Kind::Dialog, dialog.windowTitle(), dialog.objectName());
    if (m_dialogs.empty()) {
        m_unanswered.append(dialog.windowTitle());
        return QDialog::Rejected;
    }
    DialogScript script = std::move(m_dialogs.front());
    m_dialogs.pop_front();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    script(dialog);
    dialog.hide();
    return dialog.result();
}
