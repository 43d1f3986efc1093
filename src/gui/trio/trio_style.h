#pragma once
// Small helpers shared by the TRIO windows: the green title bands, the key filter of
// fields that take digits only.

#include <QColor>
#include <QLabel>
#include <QObject>
#include <functional>

#include "gui/platform/window_look.h"

class QWidget;

namespace quintaro::gui {

// A green band with the title spelled out in bold white letters.
QLabel* titleBand(const QString& text, QWidget* parent);

// The character a key event types (0 when it types none): Backspace 8, Tab 9, Enter 13, or the character.
char32_t typedCharacter(const QEvent* event);

}  // namespace quintaro::gui
