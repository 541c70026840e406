#pragma once

#include "common/linelist.h"

// The item list ContentsFile: the lines of the menu file being edited, shown verbatim.
class ItemList : public LineList
{
    Q_OBJECT

public:
    explicit ItemList(QWidget* parent = nullptr);
};
