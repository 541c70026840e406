#pragma once

#include "menu/menuline.h"

#include <QFrame>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The field panel ActPanel: the four fields of one item with their keep check boxes, the icon
// preview, the action button and the Add, Change, Cancel and Clear buttons.
class FieldPanel : public QFrame
{
    Q_OBJECT

public:
    explicit FieldPanel(QWidget* parent = nullptr);

    QLineEdit* nameField() const { return m_name; }
    QLineEdit* iconField() const { return m_icon; }
    QLineEdit* typeField() const { return m_type; }
    QLineEdit* parameterField() const { return m_parameter; }
    QList<QLineEdit*> fields() const { return {m_name, m_icon, m_type, m_parameter}; }

    QCheckBox* keepBoxName() const { return m_keepName; }
    QCheckBox* keepBoxIcon() const { return m_keepIcon; }
    QCheckBox* keepBoxType() const { return m_keepType; }
    QCheckBox* keepBoxParameter() const { return m_keepParameter; }

    QPushButton* addButton() const { return m_add; }
    QPushButton* changeButton() const { return m_change; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* clearButton() const { return m_clear; }
    QPushButton* actionButton() const { return m_action; }
    QToolButton* iconBrowseButton() const { return m_iconBrowse; }
    QToolButton* showHideButton() const { return m_showHide; }
    QLabel* iconPreview() const { return m_iconPreview; }
    QLabel* keepHint() const { return m_keepHint; }

    QLabel* nameCaption() const { return m_nameCaption; }

    MenuItem item() const;
    void setItem(const MenuItem& item);
    void clearAllFields();
    void setActionButton(const QString& caption, bool enabled);

    bool allFieldsFilled() const;
    // Empties the fields whose keep check box is ticked.
    void clearKeptFields();

    // Expanded, the whole panel shows; collapsed, only its top strip.
    bool isExpanded() const { return m_expanded; }
    void setExpanded(bool expanded);

private:
    QLineEdit* m_name;
    QLineEdit* m_icon;
    QLineEdit* m_type;
    QLineEdit* m_parameter;
    QCheckBox* m_keepName;
    QCheckBox* m_keepIcon;
    QCheckBox* m_keepType;
    QCheckBox* m_keepParameter;
    QPushButton* m_add;
    QPushButton* m_change;
    QPushButton* m_cancel;
    QPushButton* m_clear;
    QPushButton* m_action;
    QToolButton* m_iconBrowse;
    QToolButton* m_showHide;
    QLabel* m_iconPreview;
    QLabel* m_keepHint;
    QLabel* m_nameCaption;
    bool m_expanded = true;
};
