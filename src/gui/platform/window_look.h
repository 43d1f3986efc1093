#pragma once
// The look the windows share: the dialogs' sand background, labels in a bold or larger font, and centring
// on the desktop.

#include <QColor>
#include <QString>
#include <QWidget>

class QLabel;

namespace quintaro::gui {

// RGB(215, 207, 179), the background of most dialogs.
inline QColor dialogBackground() {
    return {215, 207, 179};
}

// RGB(118, 189, 17), the green of the game windows and of their grids' fixed cells.
inline QColor gameBackground() {
    return {118, 189, 17};
}

// Paints the widget's background in the given colour (the dialogs' colour by default).
void paintDialogBackground(QWidget* widget, const QColor& colour = dialogBackground());

// A label in its parent's font, made bold and set to another size (in points) when asked; 0 keeps the size.
QLabel* fontLabel(const QString& text, QWidget* parent, bool bold, int pointSize = 0);

// Moves the window to the centre of the screen it is on.
void centreOnScreen(QWidget* window);

}  // namespace quintaro::gui
