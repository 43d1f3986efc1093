#pragma once
// The view of the TRIO condition grid: the text cells of the window's grid, edited in place. Keys the grid
// does not take (letters, signs; anything in column 0) are dropped, in the cell editor as well; Enter commits
// the edited cell and reports it, so that the window can clamp the row.

#include <QStyledItemDelegate>
#include <QTableView>

namespace quintaro::gui {

class ConditionGridView : public QTableView {
    Q_OBJECT
public:
    explicit ConditionGridView(QWidget* parent = nullptr);

signals:
    // Enter in the current cell, after an open editor has committed its text.
    void enterPressed(int column, int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class ConditionCellDelegate;
    bool acceptsKey(char32_t key) const;
    void reportEnter();
};

class ConditionCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ConditionCellDelegate(ConditionGridView* view);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    ConditionGridView* view_;
};

}  // namespace quintaro::gui
