#pragma once
// The pictures of the winning-column check, drawn by the program: the entry grid's marks (20 x 20: a chosen
// winner, an available horse not chosen) and the result window's answer (32 x 32: a win, no win).

#include <QPixmap>

namespace quintaro::gui {

QPixmap entryPicture(bool chosen);
QPixmap resultPicture(bool win);

}  // namespace quintaro::gui
