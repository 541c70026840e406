#include "fieldpanel.h"

#include "common/translate.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace {

QCheckBox* keepBox(const char* objectName, bool ticked, QWidget* parent)
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setChecked(ticked);
    box->setToolTip(Translate("Снимите галочку чтобы значения не стирались при добавлении"));
    box->setAccessibleName(box->toolTip());
    return box;
}

QLineEdit* field(const char* objectName, const char* hint, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setToolTip(Translate(hint));
    return edit;
}

QLabel* caption(const char* text, QLineEdit* buddy, QWidget* parent)
{
    auto* label = new QLabel(Translate(text), parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(label->text());
    return label;
}

QPushButton* button(const char* objectName, const char* text, QWidget* parent)
{
    auto* pushButton = new QPushButton(Translate(text), parent);
    pushButton->setObjectName(QString::fromLatin1(objectName));
    return pushButton;
}

// The type field shows only capitals, whatever it is given.
void forceCapitals(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
        const QString upper = text.toUpper();
        if (upper != text)
            edit->setText(upper);
    });
}

} // namespace

FieldPanel::FieldPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("ActPanel"));
    setFrameShape(QFrame::StyledPanel);

    m_keepHint =
        new QLabel(Translate("Снимите галочку чтобы значения не стирались при добавлении"), this);
    m_keepHint->setObjectName(QStringLiteral("Label16"));
    m_showHide = new QToolButton(this);
    m_showHide->setObjectName(QStringLiteral("SHFields"));
    m_showHide->setToolTip(Translate("Показать/скрыть"));
    m_showHide->setAccessibleName(m_showHide->toolTip());
    m_showHide->setFixedSize(24, 22);

    m_name = field("i_name", "Введите здесь название пункта меню", this);
    m_name->setMaxLength(30);
    m_icon =
        field("i_icon",
              "Введите здесь путь к иконке или ее номер из прошивки (в HEX, например, #3AF)", this);
    m_type = field("i_tlink", "Введите здесь тип пункта", this);
    m_type->setReadOnly(true);
    forceCapitals(m_type);
    m_parameter = field("i_param", "Введите здесь параметр пункта меню", this);

    m_keepName = keepBox("cName", true, this);
    m_keepIcon = keepBox("cIcon", false, this);
    m_keepType = keepBox("cTLink", true, this);
    m_keepParameter = keepBox("cParam", true, this);

    m_iconBrowse = new QToolButton(this);
    m_iconBrowse->setObjectName(QStringLiteral("IconBrowse"));
    m_iconBrowse->setText(QStringLiteral("..."));
    m_iconBrowse->setAccessibleName(Translate("Обзор..."));
    m_iconPreview = new QLabel(this);
    m_iconPreview->setObjectName(QStringLiteral("IconIm"));
    m_iconPreview->setFixedSize(16, 16);
    m_iconPreview->hide();

    m_action = button("ActButton", "Нет действия", this);
    m_action->setFixedSize(105, 24);
    m_action->setEnabled(false);

    m_add = button("bAdd", "Добавить", this);
    m_change = button("bEdit", "Изменить", this);
    m_cancel = button("bCancel", "Отменить (F5)", this);
    m_clear = button("bClearAll", "Очистить (F7)", this);
    m_add->setEnabled(false);
    m_change->setEnabled(false);
    m_cancel->setEnabled(false);

    auto* iconExtras = new QHBoxLayout;
    iconExtras->addWidget(m_iconBrowse);
    iconExtras->addWidget(m_iconPreview);
    iconExtras->addStretch();

    auto* rows = new QGridLayout;
    rows->setColumnStretch(2, 1);
    rows->setColumnMinimumWidth(3, 110);
    struct Row
    {
        QCheckBox* keep;
        QLabel* label;
        QLineEdit* edit;
    };
    m_nameCaption = caption("Название", m_name, this);
    const Row fieldRows[] = {
        {m_keepName, m_nameCaption, m_name},
        {m_keepIcon, caption("Иконка (F8)", m_icon, this), m_icon},
        {m_keepType, caption("Тип ссылки", m_type, this), m_type},
        {m_keepParameter, caption("Параметр (F8)", m_parameter, this), m_parameter},
    };
    for (int row = 0; row < 4; ++row) {
        rows->addWidget(fieldRows[row].keep, row, 0);
        rows->addWidget(fieldRows[row].label, row, 1);
        rows->addWidget(fieldRows[row].edit, row, 2);
    }
    rows->addLayout(iconExtras, 1, 3);
    rows->addWidget(m_action, 3, 3);

    auto* top = new QHBoxLayout;
    top->addWidget(m_keepHint);
    top->addStretch();
    top->addWidget(m_showHide);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* pushButton : {m_add, m_change, m_cancel, m_clear})
        buttons->addWidget(pushButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addLayout(rows);
    layout->addLayout(buttons);
    layout->addStretch();
    setExpanded(true);
}

MenuItem FieldPanel::item() const
{
    return {m_name->text(), m_icon->text(), m_type->text(), m_parameter->text()};
}

void FieldPanel::setItem(const MenuItem& item)
{
    m_name->setText(item.name);
    m_icon->setText(item.icon);
    m_type->setText(item.type);
    m_parameter->setText(item.parameter);
}

void FieldPanel::clearAllFields()
{
    for (QLineEdit* edit : fields())
        edit->clear();
}

void FieldPanel::setActionButton(const QString& caption, bool enabled)
{
    m_action->setText(caption);
    m_action->setEnabled(enabled);
}

void FieldPanel::setExpanded(bool expanded)
{
    m_expanded = expanded;
    m_keepHint->setVisible(expanded);
    m_showHide->setIcon(
        style()->standardIcon(expanded ? QStyle::SP_ArrowDown : QStyle::SP_ArrowUp));
}

void FieldPanel::clearKeptFields()
{
    const QList<QCheckBox*> keepBoxes = {m_keepName, m_keepIcon, m_keepType, m_keepParameter};
    const QList<QLineEdit*> edits = fields();
    for (int i = 0; i < edits.size(); ++i) {
        if (keepBoxes.at(i)->isChecked())
            edits.at(i)->clear();
    }
}

bool FieldPanel::allFieldsFilled() const
{
    for (const QLineEdit* edit : fields()) {
        if (edit->text().isEmpty())
            return false;
    }
    return true;
}
