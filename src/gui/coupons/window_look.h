#pragma once
// The look the column windows share: the dialogs' sand background, centring on the desktop, grid sizes.

#include <QWidget>

namespace quintaro::gui {

// RGB(215, 207, 179), the background of most dialogs.
void paintDialogBackground(QWidget* widget);

// Moves the window to the centre of the screen it is on.
void centreOnScreen(QWidget* window);

}  // namespace quintaro::gui
