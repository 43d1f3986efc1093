#include "gui/trio/condition_grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "core/trio/condition_grid.h"
#include "gui/trio/trio_style.h"

namespace quintaro::gui {

ConditionGridView::ConditionGridView(QWidget* parent) : QTableView(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(22);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(true);
    setItemDelegate(new ConditionCellDelegate(this));
}

bool ConditionGridView::acceptsKey(char32_t key) const {
    return trio::conditionGridAcceptsKey(currentIndex().isValid() ? currentIndex().column() : 0, key);
}

void ConditionGridView::reportEnter() {
    const QModelIndex current = currentIndex();
    if (current.isValid()) {
        emit enterPressed(current.column(), current.row());
    }
}

void ConditionGridView::keyPressEvent(QKeyEvent* event) {
    const char32_t typed = typedCharacter(event);
    if (typed == 13) {
        reportEnter();
        return;
    }
    if (typed != 0 && !acceptsKey(typed)) {
        return;  // dropped
    }
    QTableView::keyPressEvent(event);
}

ConditionCellDelegate::ConditionCellDelegate(ConditionGridView* view)
    : QStyledItemDelegate(view), view_(view) {}

bool ConditionCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    const char32_t typed = typedCharacter(event);
    if (editor && typed == 13) {
        // Commit now, so that the row's rules see the typed text.
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        view_->reportEnter();
        return true;
    }
    if (typed != 0 && typed != 9 && !view_->acceptsKey(typed)) {
        return true;  // dropped
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace quintaro::gui
