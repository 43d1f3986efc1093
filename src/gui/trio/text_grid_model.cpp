#include "gui/trio/text_grid_model.h"

#include <QApplication>
#include <QPalette>

#include "gui/platform/qt_text.h"

namespace quintaro::gui {

TextGridModel::TextGridModel(TextGrid& grid, bool editable, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(grid),
      editable_(editable),
      rows_(grid.rowCount()),
      columns_(grid.columnCount()) {}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const bool fixed = index.row() == 0 || index.column() == 0;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return qs(grid_.cell(index.column(), index.row()));
        case Qt::BackgroundRole:
            return fixed ? QApplication::palette().button() : QBrush(Qt::white);
        case Qt::ForegroundRole:
            return QBrush(Qt::black);
        case Qt::FontRole:
            return font_;
        default:
            return {};
    }
}

bool TextGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    grid_.setCell(index.column(), index.row(), us(value.toString()));
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() == 0 || index.column() == 0) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable_) {
        f |= Qt::ItemIsEditable;
    }
    return f;
}

void TextGridModel::sync() {
    const int rows = grid_.rowCount();
    const int columns = grid_.columnCount();
    if (rows < rows_) {
        beginRemoveRows({}, rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
    } else if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    }
    if (columns < columns_) {
        beginRemoveColumns({}, columns, columns_ - 1);
        columns_ = columns;
        endRemoveColumns();
    } else if (columns > columns_) {
        beginInsertColumns({}, columns_, columns - 1);
        columns_ = columns;
        endInsertColumns();
    }
    if (rows_ > 0 && columns_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
    }
}

}  // namespace quintaro::gui
