#pragma once
// A grid of text cells as the game windows show them: a view over cells that the core holds (the core's
// cells are the store; the grid only shows them and passes clicks and typing on). Rows and columns are
// addressed (column, row) as in the core. Fixed rows and columns are drawn in the fixed colour and cannot
// be selected; a cell may show a picture, drawn 1 pixel right of its left edge, at its top.

#include <QAbstractTableModel>
#include <QColor>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>
#include <vector>

class QPixmap;

namespace quintaro::gui {

struct CellSource {
    std::function<int()> columnCount;
    std::function<int()> rowCount;
    std::function<QString(int column, int row)> text;
    std::function<const QPixmap*(int column, int row)> picture;        // optional
    std::function<bool(int column, int row)> editable;                 // optional
    std::function<void(int column, int row, const QString&)> setText;  // optional, for editable cells
};

class CellGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CellGridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setSource(CellSource source);
    void setFixed(int columns, int rows) {
        fixedColumns_ = columns;
        fixedRows_ = rows;
    }
    void setFixedColor(const QColor& colour) { fixedColor_ = colour; }
    bool isFixed(int column, int row) const { return column < fixedColumns_ || row < fixedRows_; }

    // The core's cells changed.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const QPixmap* picture(int column, int row) const;

private:
    CellSource source_;
    int fixedColumns_ = 0;
    int fixedRows_ = 0;
    QColor fixedColor_ = QColor(212, 208, 200);
};

// Draws the cells of a CellGrid.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(CellGridModel* model, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    CellGridModel* model_;
};

class CellGrid : public QTableView {
    Q_OBJECT
public:
    explicit CellGrid(QWidget* parent = nullptr);

    CellGridModel* cells() const { return model_; }
    void setSource(CellSource source) { model_->setSource(std::move(source)); }

    // Shows the core's cells again, keeping the widths of the columns and the selected cell where they
    // still exist.
    void refresh();

    // Column widths belong to the window: they stay as set until set again.
    void setDefaultColumnWidth(int width) { defaultWidth_ = width; }
    void setKeptColumnWidth(int column, int width);
    int keptColumnWidth(int column) const;
    void removeKeptColumnWidth(int column);
    void setRowHeight(int height);

    // The selected cell.
    void selectCell(int column, int row);
    int currentColumn() const;
    int currentRow() const;

    // The cell under a point of the viewport; -1, -1 outside the cells.
    std::pair<int, int> cellAt(const QPoint& viewportPoint) const;

signals:
    // A mouse button was released over the grid; column and row are -1 outside the cells.
    void cellReleased(int column, int row, Qt::MouseButton button);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void applyWidths();

    CellGridModel* model_;
    std::vector<int> widths_;
    int defaultWidth_ = 64;
};

}  // namespace quintaro::gui
