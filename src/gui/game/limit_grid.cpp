#include "gui/game/limit_grid.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QValidator>

#include "gui/platform/qt_text.h"

namespace quintaro::gui {
namespace {

bool isEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

class CellTextValidator : public QValidator {
public:
    CellTextValidator(LimitGrid::TextRule rule, int column, QObject* parent)
        : QValidator(parent), rule_(std::move(rule)), column_(column) {}
    State validate(QString& input, int&) const override {
        return rule_(column_, input) ? Acceptable : Invalid;
    }

private:
    LimitGrid::TextRule rule_;
    int column_;
};

// Edits a limit cell in a line edit that takes the column's texts only; Enter stores the text and moves on.
class LimitCellDelegate : public CellDelegate {
public:
    explicit LimitCellDelegate(LimitGrid* grid) : CellDelegate(grid->cells(), grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setValidator(new CellTextValidator(grid_->textRule(), index.column(), editor));
        return editor;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QLineEdit*>(object);
        if (editor && event->type() == QEvent::KeyPress &&
            isEnterKey(static_cast<QKeyEvent*>(event)->key())) {
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            grid_->moveOnEnter();
            return true;
        }
        return CellDelegate::eventFilter(object, event);
    }

private:
    LimitGrid* grid_;
};

}  // namespace

LimitGrid::LimitGrid(LimitTable& table, int firstEditableColumn, EnterRule enterRule, TextRule textRule,
                     QWidget* parent)
    : CellGrid(parent), table_(table), enterRule_(std::move(enterRule)), textRule_(std::move(textRule)) {
    cells()->setFixed(firstEditableColumn, 1);
    setSource(CellSource{
        .columnCount = [this] { return table_.columnCount(); },
        .rowCount = [this] { return table_.rowCount(); },
        .text = [this](int column, int row) { return qs(table_.cell(column, row)); },
        .picture = {},
        .editable = [firstEditableColumn](int column,
                                          int row) { return column >= firstEditableColumn && row >= 1; },
        .setText = [this](int column, int row,
                          const QString& text) { table_.setCell(column, row, us(text)); },
    });
    setItemDelegate(new LimitCellDelegate(this));
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
}

void LimitGrid::moveOnEnter() {
    if (currentColumn() < 0) {
        return;
    }
    const TableCell target = enterRule_(TableCell{currentColumn(), currentRow()}, table_.lastRow());
    selectCell(target.column, target.row);
}

void LimitGrid::keyPressEvent(QKeyEvent* event) {
    if (isEnterKey(event->key())) {
        moveOnEnter();
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() && !limitCellAcceptsKey(text.at(0).unicode())) {
        return;  // dropped
    }
    CellGrid::keyPressEvent(event);
}

}  // namespace quintaro::gui
