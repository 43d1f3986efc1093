#include "gui/coupons/column_grid.h"

#include <QHeaderView>

namespace quintaro::gui {

ColumnGrid::ColumnGrid(QWidget* parent) : QTableView(parent), model_(new ColumnGridModel(this)) {
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    horizontalHeader()->setMinimumSectionSize(10);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setMinimumSectionSize(10);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setFixedWidth(25);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setHighlightSections(false);
}

void ColumnGrid::fill(int columns, int rows, ColumnGridModel::CellText cell, int columnWidth) {
    horizontalHeader()->setDefaultSectionSize(columnWidth);
    model_->reset(columns, rows, std::move(cell));
    scrollToTop();
}

}  // namespace quintaro::gui
