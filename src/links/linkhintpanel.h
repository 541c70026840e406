#pragma once

#include "links/roundedpanel.h"

// The yellow panel that explains the link types while the type field has the focus.
class LinkHintPanel : public RoundedPanel
{
    Q_OBJECT

public:
    explicit LinkHintPanel(QWidget* parent = nullptr);
};
