#include "gui/tools/calculator_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "core/tools/key_rules.h"
#include "gui/platform/qt_text.h"

namespace quintaro::gui {

// The keys typed into the editor of an input cell.
class CellEditorKeys : public QObject {
public:
    CellEditorKeys(CalculatorGrid* grid, QLineEdit* editor) : QObject(editor), grid_(grid), editor_(editor) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (!editor_->text().isEmpty()) {
                grid_->commitAndMoveOn(editor_);
            }
            return true;
        }
        return grid_->handleKey(key, editor_->text());
    }

private:
    CalculatorGrid* grid_;
    QLineEdit* editor_;
};

namespace {

class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(CalculatorGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setFrame(false);
            line->installEventFilter(new CellEditorKeys(grid_, line));
        }
        return editor;
    }

private:
    CalculatorGrid* grid_;
};

}  // namespace

CalculatorGrid::CalculatorGrid(QWidget* parent) : QTableWidget(2, calc::kRunners, parent) {
    setObjectName(QStringLiteral("AdvProbability"));
    QStringList runners;
    for (int i = 1; i <= calc::kRunners; ++i) {
        runners << QString::number(i);
    }
    setHorizontalHeaderLabels(runners);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    horizontalHeader()->setMinimumSectionSize(kColumnWidth);
    horizontalHeader()->setFixedHeight(kRowHeight);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(true);
    setWordWrap(false);
    // A 32-pixel cell shows what fits and cuts the rest, as a grid cell does, rather than a lone "...".
    setTextElideMode(Qt::ElideNone);
    QFont cellFont = font();
    cellFont.setPointSizeF(cellFont.pointSizeF() * 0.85);
    setFont(cellFont);
    horizontalHeader()->setFont(cellFont);
    setItemDelegateForRow(kInputRow, new CellDelegate(this));
    for (int c = 0; c < calc::kRunners; ++c) {
        auto* input = new QTableWidgetItem();
        input->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setItem(kInputRow, c, input);
        auto* result = new QTableWidgetItem();
        result->setFlags(Qt::ItemIsEnabled);
        result->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setItem(kResultRow, c, result);
    }
    const int frame = 2 * frameWidth();
    setFixedSize(calc::kRunners * kColumnWidth + frame, 3 * kRowHeight + frame);
    setCurrentCell(kInputRow, 0);
}

calc::RunnerCells CalculatorGrid::inputCells() const {
    calc::RunnerCells cells;
    for (int c = 0; c < calc::kRunners; ++c) {
        cells[static_cast<std::size_t>(c)] = us(item(kInputRow, c)->text());
    }
    return cells;
}

calc::RunnerCells CalculatorGrid::resultCells() const {
    calc::RunnerCells cells;
    for (int c = 0; c < calc::kRunners; ++c) {
        cells[static_cast<std::size_t>(c)] = us(item(kResultRow, c)->text());
    }
    return cells;
}

void CalculatorGrid::setInput(int runner, const QString& text) {
    item(kInputRow, runner)->setText(text);
}

void CalculatorGrid::setResults(const calc::RunnerCells& results) {
    for (int c = 0; c < calc::kRunners; ++c) {
        QTableWidgetItem* cell = item(kResultRow, c);
        cell->setText(qs(results[static_cast<std::size_t>(c)]));
        cell->setToolTip(cell->text());  // a 32-pixel cell cuts long odds
    }
}

void CalculatorGrid::commitEditing() {
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void CalculatorGrid::clearCells() {
    if (state() == QAbstractItemView::EditingState) {
        if (QWidget* editor = indexWidget(currentIndex())) {
            closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        }
    }
    for (int c = 0; c < calc::kRunners; ++c) {
        item(kInputRow, c)->setText(QString());
        QTableWidgetItem* result = item(kResultRow, c);
        result->setText(QString());
        result->setToolTip(QString());
        result->setBackground(resultColour());
    }
}

bool CalculatorGrid::handleKey(QKeyEvent* event, const QString& cellText) {
    Q_UNUSED(cellText);
    const QString text = event->text();
    if (text.size() != 1 || !text.at(0).isPrint()) {
        return false;  // Backspace, Tab, Delete, the arrows and the like keep their work
    }
    const auto mapped = keys::calculatorCellChar(text.at(0).unicode(), decimalSeparator());
    if (!mapped) {
        return true;  // dropped
    }
    const QString typed(QChar(static_cast<char16_t>(*mapped)));
    if (typed == text) {
        return false;
    }
    // The other decimal point: the key goes on as the locale's separator.
    QKeyEvent replaced(QEvent::KeyPress, event->key(), event->modifiers(), typed);
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    QCoreApplication::sendEvent(target, &replaced);
    return true;
}

void CalculatorGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QTableWidgetItem* cell = currentItem();
        if (cell && cell->row() == kInputRow && !cell->text().isEmpty()) {
            moveToNextRunner();
        }
        event->accept();
        return;
    }
    const QTableWidgetItem* cell = currentItem();
    if (handleKey(event, cell ? cell->text() : QString())) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void CalculatorGrid::mousePressEvent(QMouseEvent* event) {
    if (indexAt(event->position().toPoint()).row() == kResultRow) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void CalculatorGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (indexAt(event->position().toPoint()).row() == kResultRow) {
        event->accept();
        return;
    }
    QTableWidget::mouseDoubleClickEvent(event);
}

QModelIndex CalculatorGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const int column = currentColumn() < 0 ? 0 : currentColumn();
    switch (action) {
        case MoveNext:
            return column + 1 < calc::kRunners ? model()->index(kInputRow, column + 1) : QModelIndex();
        case MovePrevious:
            return column > 0 ? model()->index(kInputRow, column - 1) : QModelIndex();
        case MoveUp:
        case MoveDown:
        case MovePageUp:
        case MovePageDown:
            return model()->index(kInputRow, column);
        default: {
            const QModelIndex index = QTableWidget::moveCursor(action, modifiers);
            return index.isValid() ? model()->index(kInputRow, index.column()) : index;
        }
    }
}

void CalculatorGrid::moveToNextRunner() {
    setCurrentCell(kInputRow, keys::nextRunnerColumn(currentColumn(), calc::kRunners));
}

void CalculatorGrid::commitAndMoveOn(QWidget* editor) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    moveToNextRunner();
    setFocus();
}

}  // namespace quintaro::gui
