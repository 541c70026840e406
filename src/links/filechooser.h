#pragma once

#include <QDialog>

class Prompts;
class LineList;
class QPushButton;

// The file chooser TCIcons: one file out of one folder, filtered by a mask. Each caller sets it
// up (title, folder, mask, width) before opening it; it keeps that set-up between uses. Narrow,
// it shows only the file list with its buttons below.
class TCIcons : public QDialog
{
    Q_OBJECT

public:
    explicit TCIcons(Prompts& prompts, QWidget* parent = nullptr);

    // Points the chooser at a folder and mask and re-reads the list, with Ok disabled until a
    // file is chosen. A folder that does not exist is reported and false returned: the chooser
    // must not be opened then.
    bool setUp(const QString& title, const QString& folder, const QString& masks, int width);

    // The full path of the chosen file; empty when none is chosen.
    QString chosenPath() const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void IconsDirClick();
    void refreshList();

    Prompts& m_prompts;
    LineList* m_files;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QString m_folder;
    QString m_masks;
};
