#pragma once

#include <QString>

class QWidget;

// Types text into a widget key by key, Cyrillic included (QTest::keyClicks takes ASCII only).
void typeText(QWidget* widget, const QString& text);
