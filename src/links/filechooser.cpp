#include "filechooser.h"

#include "common/filesearch.h"
#include "common/linelist.h"
#include "common/paths.h"
#include "common/translate.h"
#include "platform/prompts.h"

#include <QDir>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
constexpr int clientHeight = 286;
constexpr int margin = 8;
constexpr int listWidth = 150;
constexpr int buttonWidth = 75;
constexpr int buttonHeight = 25;
constexpr int buttonGap = 4;
// Callers give the window's outer width, as the phone tools measure it.
constexpr int frameWidth = 10;
} // namespace

TCIcons::TCIcons(Prompts& prompts, QWidget* parent) : QDialog(parent), m_prompts(prompts)
{
    setObjectName(u"CIcons"_s);

    m_files = new LineList(this);
    m_files->setObjectName(u"IconsDir"_s);
    m_files->setFont(fixedPitchFont(12));
    m_files->setAccessibleName(Translate("Файлы"));
    QPalette listPalette = m_files->palette();
    listPalette.setColor(QPalette::Base, Qt::white);
    m_files->setPalette(listPalette);

    m_ok = new QPushButton(Translate("Ok"), this);
    m_ok->setObjectName(u"bOk"_s);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(Translate("Отмена"), this);
    m_cancel->setObjectName(u"bCancel"_s);

    connect(m_files, &LineList::userSelected, this, &TCIcons::IconsDirClick);
    connect(m_files, &LineList::doubleClicked, this, &QDialog::accept);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(325, clientHeight);
}

bool TCIcons::setUp(const QString& title, const QString& folder, const QString& masks, int width)
{
    if (!folderExists(folder)) {
        m_prompts.error(
            Translate("Папка \"%1\" не найдена.").arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    setWindowTitle(title);
    m_folder = folder;
    m_masks = masks;
    refreshList();
    m_ok->setEnabled(false);
    setFixedSize(width - frameWidth, clientHeight);
    return true;
}

QString TCIcons::chosenPath() const
{
    const int row = m_files->selectedRow();
    return row < 0 ? QString() : m_folder + u'/' + m_files->line(row);
}

void TCIcons::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_files->setFocus();
}

void TCIcons::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // The buttons keep their distance from the right edge; where that puts them under the
    // file list, the list ends above them.
    const int buttonLeft = width() - margin - buttonWidth;
    int top = height() - margin - buttonHeight;
    for (QPushButton* button : {m_cancel, m_ok}) {
        button->setGeometry(buttonLeft, top, buttonWidth, buttonHeight);
        top -= buttonHeight + buttonGap;
    }
    const bool buttonsUnderList = buttonLeft < margin + listWidth;
    const int listBottom = buttonsUnderList ? top + buttonHeight : height() - margin;
    m_files->setGeometry(margin, margin, listWidth, listBottom - margin);
}

void TCIcons::IconsDirClick()
{
    m_ok->setEnabled(!chosenPath().isEmpty());
}

void TCIcons::refreshList()
{
    QStringList names = findFiles(m_folder, m_masks);
    names.sort(Qt::CaseInsensitive);
    m_files->setLines(names);
}
