#pragma once
// Driving the game windows as the user does: clicks on the cells of their grids, their buttons by name, and
// the basic editor, which opens modally from "&ΠΑΙΧΝΙΔΙ", "+" and the grid's clicks.

#include <QString>
#include <functional>

class QPushButton;
class QWidget;

namespace quintaro::gui {

struct AppContext;
class CellGrid;
class TEpilogesDlg;

namespace test {

// The text a cell of the grid shows.
QString cellText(CellGrid* grid, int column, int row);

// Clicks the cell of the grid (row 0 is the header row) with the mouse button.
void clickCell(CellGrid* grid, int column, int row, Qt::MouseButton button = Qt::LeftButton);

// The push button of the window with this object name.
QPushButton* pushButton(QWidget* window, const char* name);

// Runs `script` on the basic editor if `action` opens it; the editor is then closed as cancelled if the
// script left it open. Returns whether it opened.
bool withEditor(AppContext& context, const std::function<void()>& action,
                const std::function<void(TEpilogesDlg&)>& script);

}  // namespace test
}  // namespace quintaro::gui
