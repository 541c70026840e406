#include "typing.h"

#include <QTest>

void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        const QString character(c);
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, character, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, character, Qt::NoModifier);
    }
}
