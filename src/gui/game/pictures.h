#pragma once
// The small pictures of the game windows, drawn by the program: the marked and the empty box of the horse
// grids (20 x 20), the nine race pictures of the game window's top band (32 x 32), and those of the
// winning-column check: the entry grid's marks (20 x 20: a chosen winner, an available horse not chosen) and
// the result window's answer (32 x 32: a win, no win).

#include <QPixmap>

namespace quintaro::gui {

const QPixmap& markedBoxPicture();
const QPixmap& emptyBoxPicture();

// Race n = 1..9: a numbered saddle cloth in the race's colour.
const QPixmap& racePicture(int race);

QPixmap entryPicture(bool chosen);
QPixmap resultPicture(bool win);

}  // namespace quintaro::gui
