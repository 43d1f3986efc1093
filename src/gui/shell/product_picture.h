#pragma once
// The pictures of the shell windows, drawn rather than shipped: the product's picture (a golden horseshoe on
// a green field) for the splash and the about box, and a lamp for the tips dialog.

#include <QPixmap>

namespace quintaro::gui {

QPixmap productPicture(int side);
QPixmap lampPicture(int side);

}  // namespace quintaro::gui
