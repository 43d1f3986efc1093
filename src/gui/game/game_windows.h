#pragma once
// The windows of a game that start-up creates, in their order: the new-game dialog, the game window
// (hidden) and the basic editor. The parent owns them.

class QWidget;

namespace quintaro::gui {

struct AppContext;

void createGameWindows(AppContext& context, QWidget* parent);

}  // namespace quintaro::gui
