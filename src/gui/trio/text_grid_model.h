#pragma once
// A Qt table model over a grid of text cells held by a window (the cells are the store; the view shows them).
// Row 0 and column 0 are fixed: drawn on the button face, never current, never edited. Other cells are
// editable when the model is; sync() tells the view after the window has changed the grid.

#include <QAbstractTableModel>
#include <QFont>

#include "core/game/text_grid.h"

namespace quintaro::gui {

class TextGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TextGridModel(TextGrid& grid, bool editable, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setFont(const QFont& font) { font_ = font; }

    // The grid was changed by the window: rows and columns added or removed, texts changed.
    void sync();

private:
    TextGrid& grid_;
    bool editable_;
    int rows_;
    int columns_;
    QFont font_;
};

}  // namespace quintaro::gui
