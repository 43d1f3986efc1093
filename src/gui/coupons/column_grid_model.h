#pragma once
// A read-only grid of the column lists: a table whose row 0 and column 0 are the headers (column or coupon
// numbers above, race numbers on the left) and whose cells come from a function of (column, row) in the
// grid's own numbering, so that a list of 100 000 columns is never copied into cells.

#include <QAbstractTableModel>
#include <functional>
#include <string>

namespace quintaro::gui {

class ColumnGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using CellText = std::function<std::string(int column, int row)>;

    explicit ColumnGridModel(QObject* parent = nullptr);

    // The grid has `columns` x `rows` cells including the header row and column.
    void reset(int columns, int rows, CellText cell);

    // The text of a grid cell, headers included.
    QString cell(int column, int row) const;
    int gridColumns() const { return columns_; }
    int gridRows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int columns_ = 1;
    int rows_ = 1;
    CellText cell_;
};

}  // namespace quintaro::gui
