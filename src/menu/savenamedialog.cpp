#include "savenamedialog.h"

#include "common/appstate.h"
#include "common/filesearch.h"
#include "common/paths.h"
#include "common/translate.h"
#include "platform/prompts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

TSiF::TSiF(AppState& state, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompts(prompts)
{
    setObjectName(u"SiF"_s);
    setWindowTitle(Translate("Сохранение"));

    auto* label = new QLabel(Translate("Введите имя:"), this);
    m_name = new QComboBox(this);
    m_name->setObjectName(u"SiF_Name"_s);
    m_name->setEditable(true);
    m_name->setInsertPolicy(QComboBox::NoInsert);
    m_name->setMinimumWidth(200);
    label->setBuddy(m_name);
    m_name->setAccessibleName(label->text());
    auto* extension = new QLabel(u".mnu"_s, this);

    m_ok = new QPushButton(Translate("Ok"), this);
    m_ok->setObjectName(u"bOk"_s);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(Translate("Отмена"), this);
    m_cancel->setObjectName(u"bCancel"_s);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(m_name, 1, 0);
    layout->addWidget(extension, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_name, &QComboBox::editTextChanged, this, &TSiF::SiF_NameChange);
    connect(m_ok, &QPushButton::clicked, this, &TSiF::bOkClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TSiF::prepare(bool nameRequired)
{
    m_name->clearEditText();
    m_ok->setEnabled(!nameRequired);
}

QString TSiF::name() const
{
    return m_name->currentText();
}

void TSiF::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_name->clear();
    m_nameRequired = !m_ok->isEnabled();
    QStringList names;
    for (const QString& file : findFiles(m_state.menuFolderPath(u"\\mnu"_s), u"*.mnu"_s))
        names.append(file.chopped(4));
    names.sort(Qt::CaseInsensitive);
    m_name->addItems(names);
    m_name->setCurrentIndex(-1);
    m_name->clearEditText();
    m_name->setFocus();
}

void TSiF::SiF_NameChange(const QString& text)
{
    if (m_nameRequired)
        m_ok->setEnabled(!text.isEmpty());
}

void TSiF::bOkClick()
{
    if (fileExists(chosenPath()) &&
        !m_prompts.ask(programCaption(), Translate("Файл уже существует. Заменить?")))
        return;
    accept();
}

QString TSiF::chosenPath() const
{
    return m_state.menuFolderPath(u"\\mnu\\"_s) + name() + u".mnu"_s;
}
