#include "support/game_driving.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "gui/app_context.h"
#include "gui/game/cell_grid.h"
#include "gui/game/epiloges_dlg.h"

namespace quintaro::gui::test {

QString cellText(CellGrid* grid, int column, int row) {
    return grid->model()->index(row, column).data().toString();
}

void clickCell(CellGrid* grid, int column, int row, Qt::MouseButton button) {
    const QRect rect = grid->visualRect(grid->model()->index(row, column));
    QVERIFY2(rect.isValid(), "cell is not on screen");
    QTest::mouseClick(grid->viewport(), button, {}, rect.center());
}

QPushButton* pushButton(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

bool withEditor(AppContext& context, const std::function<void()>& action,
                const std::function<void(TEpilogesDlg&)>& script) {
    bool opened = false;
    QTimer::singleShot(0, qApp, [&] {
        TEpilogesDlg* editor = context.epilogesDlg;
        if (QApplication::activeModalWidget() != editor) {
            return;
        }
        opened = true;
        script(*editor);
        if (editor->isVisible()) {
            editor->reject();
        }
    });
    action();
    QCoreApplication::processEvents();
    return opened;
}

}  // namespace quintaro::gui::test
