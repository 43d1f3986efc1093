#pragma once
// The small pictures of the game windows, drawn once at run time: the marked and the empty box of the horse
// grids (20 x 20) and the nine race pictures of the game window's top band (32 x 32).

#include <QPixmap>

namespace quintaro::gui {

const QPixmap& markedBoxPicture();
const QPixmap& emptyBoxPicture();

// Race n = 1..9: a numbered saddle cloth in the race's colour.
const QPixmap& racePicture(int race);

}  // namespace quintaro::gui
