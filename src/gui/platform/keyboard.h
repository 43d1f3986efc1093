#pragma once
// The keyboard set-up of the main window: the US English layout (identifier 1033, "00000409") activated and
// Caps Lock switched on, as the Greek coupon texts are typed in capitals. On Windows through the Win32 API;
// elsewhere the desktop owns the layout and nothing is done.

namespace quintaro::gui {

void selectUsEnglishLayout();
void setCapsLock(bool on);

}  // namespace quintaro::gui
