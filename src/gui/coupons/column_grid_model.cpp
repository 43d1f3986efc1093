#include "gui/coupons/column_grid_model.h"

#include "gui/platform/qt_text.h"

namespace quintaro::gui {

ColumnGridModel::ColumnGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void ColumnGridModel::reset(int columns, int rows, CellText cell) {
    beginResetModel();
    columns_ = std::max(1, columns);
    rows_ = std::max(1, rows);
    cell_ = std::move(cell);
    endResetModel();
}

QString ColumnGridModel::cell(int column, int row) const {
    if (!cell_ || column < 0 || row < 0 || column >= columns_ || row >= rows_) {
        return {};
    }
    return qs(cell_(column, row));
}

int ColumnGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_ - 1;
}

int ColumnGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_ - 1;
}

QVariant ColumnGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        return cell(index.column() + 1, index.row() + 1);
    }
    return {};
}

QVariant ColumnGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    return orientation == Qt::Horizontal ? cell(section + 1, 0) : cell(0, section + 1);
}

}  // namespace quintaro::gui
