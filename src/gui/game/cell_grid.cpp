#include "gui/game/cell_grid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace quintaro::gui {

CellDelegate::CellDelegate(CellGridModel* model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    // As a string grid draws its cells: the background, then the picture 1 pixel right of the left edge at
    // the top, or the text 2 pixels right of the left edge, clipped to the cell.
    const bool fixed = model_->isFixed(index.column(), index.row());
    const bool selected = !fixed && (option.state & QStyle::State_Selected);
    QColor background = option.palette.color(QPalette::Base);
    if (selected) {
        background = option.palette.color(QPalette::Highlight);
    } else if (const QVariant role = index.data(Qt::BackgroundRole); role.isValid()) {
        background = role.value<QColor>();
    }
    painter->save();
    painter->setClipRect(option.rect);
    painter->fillRect(option.rect, background);
    if (const QPixmap* picture = model_->picture(index.column(), index.row())) {
        painter->drawPixmap(option.rect.x() + 1, option.rect.y(), *picture);
    } else {
        painter->setFont(option.font);
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(option.rect.adjusted(2, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data(Qt::DisplayRole).toString());
    }
    painter->restore();
}

void CellGridModel::setSource(CellSource source) {
    beginResetModel();
    source_ = std::move(source);
    endResetModel();
}

void CellGridModel::refresh() {
    beginResetModel();
    endResetModel();
}

int CellGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !source_.rowCount ? 0 : source_.rowCount();
}

int CellGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !source_.columnCount ? 0 : source_.columnCount();
}

const QPixmap* CellGridModel::picture(int column, int row) const {
    return source_.picture ? source_.picture(column, row) : nullptr;
}

QVariant CellGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int column = index.column();
    const int row = index.row();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return source_.text ? source_.text(column, row) : QString();
        case Qt::BackgroundRole:
            if (isFixed(column, row)) {
                return fixedColor_;
            }
            return {};
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

bool CellGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !source_.setText) {
        return false;
    }
    source_.setText(index.column(), index.row(), value.toString());
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags CellGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    if (isFixed(index.column(), index.row())) {
        return Qt::ItemIsEnabled;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (source_.editable && source_.editable(index.column(), index.row())) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

CellGrid::CellGrid(QWidget* parent) : QTableView(parent), model_(new CellGridModel(this)) {
    setModel(model_);
    setItemDelegate(new CellDelegate(model_, this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    setRowHeight(20);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);
}

void CellGrid::setRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
}

void CellGrid::refresh() {
    const int column = currentColumn();
    const int row = currentRow();
    model_->refresh();
    applyWidths();
    if (column >= 0 && row >= 0) {
        selectCell(std::min(column, model_->columnCount() - 1), std::min(row, model_->rowCount() - 1));
    }
}

void CellGrid::applyWidths() {
    const int columns = model_->columnCount();
    if (static_cast<int>(widths_.size()) < columns) {
        widths_.resize(static_cast<std::size_t>(columns), defaultWidth_);
    }
    for (int c = 0; c < columns; ++c) {
        setColumnWidth(c, widths_[static_cast<std::size_t>(c)]);
    }
}

void CellGrid::setKeptColumnWidth(int column, int width) {
    if (column < 0) {
        return;
    }
    if (static_cast<int>(widths_.size()) <= column) {
        widths_.resize(static_cast<std::size_t>(column) + 1, defaultWidth_);
    }
    widths_[static_cast<std::size_t>(column)] = width;
    if (column < model_->columnCount()) {
        setColumnWidth(column, width);
    }
}

int CellGrid::keptColumnWidth(int column) const {
    if (column < 0 || column >= static_cast<int>(widths_.size())) {
        return defaultWidth_;
    }
    return widths_[static_cast<std::size_t>(column)];
}

void CellGrid::removeKeptColumnWidth(int column) {
    if (column >= 0 && column < static_cast<int>(widths_.size())) {
        widths_.erase(widths_.begin() + column);
    }
}

void CellGrid::selectCell(int column, int row) {
    const QModelIndex index = model_->index(row, column);
    if (!index.isValid()) {
        return;
    }
    setCurrentIndex(index);
    scrollTo(index);
}

int CellGrid::currentColumn() const {
    return currentIndex().isValid() ? currentIndex().column() : -1;
}

int CellGrid::currentRow() const {
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

std::pair<int, int> CellGrid::cellAt(const QPoint& viewportPoint) const {
    const QModelIndex index = indexAt(viewportPoint);
    if (!index.isValid()) {
        return {-1, -1};
    }
    return {index.column(), index.row()};
}

void CellGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    const auto [column, row] = cellAt(event->position().toPoint());
    emit cellReleased(column, row, event->button());
}

}  // namespace quintaro::gui
