#include "qtprompts.h"

#include "common/appstate.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {
// Texts may end their lines with a lone carriage return, as the start-up warnings do; a message
// box breaks lines only at line feeds.
QString displayed(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}
} // namespace

bool QtPrompts::ask(const QString& title, const QString& text)
{
    return QMessageBox::question(m_parent, title, displayed(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void QtPrompts::warn(const QString& title, const QString& text)
{
    QMessageBox::warning(m_parent, title, displayed(text));
}

void QtPrompts::inform(const QString& title, const QString& text)
{
    QMessageBox::information(m_parent, title, displayed(text));
}

void QtPrompts::message(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, m_state.applicationTitle(), displayed(text),
                    QMessageBox::Ok, m_parent);
    box.exec();
}

void QtPrompts::error(const QString& text)
{
    QMessageBox::critical(m_parent, m_state.applicationTitle(), displayed(text));
}

QString QtPrompts::openFileName(const FileDialogSpec& spec)
{
    return QFileDialog::getOpenFileName(m_parent, spec.title, spec.folder, spec.filter);
}

QString QtPrompts::saveFileName(const FileDialogSpec& spec)
{
    QFileDialog dialog(m_parent, spec.title, spec.folder, spec.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The program asks its own questions about replacing; the dialog adds no suffix either.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!spec.defaultName.isEmpty())
        dialog.selectFile(spec.defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtPrompts::existingFolder(const QString& title, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(m_parent, title, startFolder);
}

bool QtPrompts::chooseColor(QColor& colour)
{
    const QColor chosen = QColorDialog::getColor(m_lastColour, m_parent);
    if (!chosen.isValid())
        return false;
    m_lastColour = chosen;
    colour = chosen;
    return true;
}

int QtPrompts::exec(QDialog& dialog)
{
    return dialog.exec();
}
