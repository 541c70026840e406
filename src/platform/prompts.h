#pragma once

#include <QString>

class QColor;
class QDialog;
class QWidget;

// What a file dialog is opened with. The filter is in Qt's form: "Файлы меню (.mnu) (*.mnu)",
// several joined by ";;".
struct FileDialogSpec
{
    QString title;
    QString filter;
    QString folder;      // where the dialog opens; empty for the last place used
    QString defaultName; // proposed file name
};

// Every question, warning, error, file dialog and modal window of the program is reached through
// this interface. The real one shows Qt dialogs; tests use a scripted one that answers and
// records, so nothing modal ever blocks a test.
class Prompts
{
public:
    virtual ~Prompts() = default;

    // A question with Yes and No, Yes the default. True for Yes.
    virtual bool ask(const QString& title, const QString& text) = 0;
    virtual void warn(const QString& title, const QString& text) = 0;
    virtual void inform(const QString& title, const QString& text) = 0;
    // A plain message with OK, titled with the application's title.
    virtual void message(const QString& text) = 0;
    // A failed command: the text names the file or value and the reason.
    virtual void error(const QString& text) = 0;

    // Empty when cancelled.
    virtual QString openFileName(const FileDialogSpec& spec) = 0;
    virtual QString saveFileName(const FileDialogSpec& spec) = 0;
    virtual QString existingFolder(const QString& title, const QString& startFolder) = 0;
    // True when the user confirmed; colour then holds the choice. The dialog opens with the
    // colour it last returned.
    virtual bool chooseColor(QColor& colour) = 0;

    // Shows a dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int exec(QDialog& dialog) = 0;
};

// The caption of most boxes: "TAVU - редактор файлов меню", in the current language.
QString programCaption();
