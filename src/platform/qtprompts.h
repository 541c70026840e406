#pragma once

#include "platform/prompts.h"

#include <QColor>
#include <QPointer>

// Prompts shown as Qt's message boxes and dialogs, owned by a parent window.
class AppState;

class QtPrompts : public Prompts
{
public:
    explicit QtPrompts(const AppState& state) : m_state(state) {}
    void setParent(QWidget* parent) { m_parent = parent; }

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
    const AppState& m_state;
    QPointer<QWidget> m_parent;
    // The colour dialog opens with the colour it last returned.
    QColor m_lastColour = Qt::white;
};
