#include "listclicks.h"

#include "common/linelist.h"

#include <QTest>

QPoint rowCenter(const LineList* list, int row)
{
    return list->visualRect(list->model()->index(row, 0)).center();
}

void clickRow(LineList* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCenter(list, row));
}

void doubleClickRow(LineList* list, int row)
{
    clickRow(list, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCenter(list, row));
}
