#pragma once
// The application title: the status bar, the main window's caption once a game is chosen, message boxes
// without a caption of their own, the splash.
// (Not set as Qt's application display name: some desktops would append it to every window's caption.)

#include <QString>

namespace quintaro::gui {

inline QString appTitle() {
    return QStringLiteral("ΒΕΛΤΡΑΝΟ");
}

}  // namespace quintaro::gui
