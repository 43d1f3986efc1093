#pragma once
// The look the windows share: the dialogs' sand background and centring on the desktop.

#include <QWidget>

namespace quintaro::gui {

// RGB(215, 207, 179), the background of most dialogs.
inline QColor dialogBackground() {
    return {215, 207, 179};
}

// Paints the widget's background in the given colour (the dialogs' colour by default).
void paintDialogBackground(QWidget* widget, const QColor& colour = dialogBackground());

// Moves the window to the centre of the screen it is on.
void centreOnScreen(QWidget* window);

}  // namespace quintaro::gui
