#pragma once

#include "platform/prompts.h"

#include <QColor>
#include <QList>
#include <QStringList>

#include <deque>
#include <functional>

// Prompts for tests: answers from queues the test fills, and a record of everything shown.
// A prompt with no queued answer gets No, Cancel or Rejected, and is recorded as unanswered.
class ScriptedPrompts : public Prompts
{
public:
    enum class Kind
    {
        Question,
        Warning,
        Information,
        Message,
        Error,
        OpenFile,
        SaveFile,
        Folder,
        Colour,
        Dialog
    };
    struct Shown
    {
        Kind kind;
        QString title;
        QString text;
    };
    // Runs while the dialog is shown (not modally); whatever it leaves as the dialog's result
    // is what exec returns.
    using DialogScript = std::function<void(QDialog&)>;

    void answerNext(bool yes) { m_answers.push_back(yes); }
    void chooseNextFile(const QString& path) { m_files.push_back(path); }
    void chooseNextFolder(const QString& path) { m_folders.push_back(path); }
    void chooseNextColour(const QColor& colour) { m_colours.push_back(colour); }
    void runNextDialog(DialogScript script) { m_dialogs.push_back(std::move(script)); }

    const QList<Shown>& shown() const { return m_shown; }
    QList<Shown> shownOf(Kind kind) const;
    int count(Kind kind) const { return int(shownOf(kind).size()); }
    const QStringList& unanswered() const { return m_unanswered; }
    // The file dialog specs, in the order they were opened.
    const QList<FileDialogSpec>& fileDialogs() const { return m_fileDialogs; }
    void clear();

    bool ask(const QString& title, const QString& text) override;
    void warn(const QString& title, const QString& text) override;
    void inform(const QString& title, const QString& text) override;
    void message(const QString& text) override;
    void error(const QString& text) override;
    QString openFileName(const FileDialogSpec& spec) override;
    QString saveFileName(const FileDialogSpec& spec) override;
    QString existingFolder(const QString& title, const QString& startFolder) override;
    bool chooseColor(QColor& colour) override;
    int exec(QDialog& dialog) override;

private:
    void record(Kind kind, const QString& title, const QString& text);
    QString nextPath(std::deque<QString>& queue, Kind kind, const QString& title);

    std::deque<bool> m_answers;
    std::deque<QString> m_files;
    std::deque<QString> m_folders;
    std::deque<QColor> m_colours;
    std::deque<DialogScript> m_dialogs;
    QList<Shown> m_shown;
    QList<FileDialogSpec> m_fileDialogs;
    QStringList m_unanswered;
};
