#pragma once
// The runners' grid of the two calculators (AdvProbability): the header row with the runners "1" .. "20",
// the input row, and the result row written by the calculation on its own green background. Only the input
// row can be selected and edited. Typed keys follow the calculator's rules: digits and a decimal point
// (either "," or ".", entered as the locale's separator); Enter on a filled cell moves to the next runner,
// from the last back to the first; Tab moves to the next cell.

#include <QTableWidget>

#include "core/tools/calculators.h"

namespace quintaro::gui {

class CalculatorGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kInputRow = 0;
    static constexpr int kResultRow = 1;
    static constexpr int kColumnWidth = 32;
    static constexpr int kRowHeight = 21;
    static QColor resultColour() { return QColor(74, 255, 74); }

    explicit CalculatorGrid(QWidget* parent = nullptr);

    calc::RunnerCells inputCells() const;
    calc::RunnerCells resultCells() const;
    void setInput(int runner, const QString& text);  // runner 0..19
    void setResults(const calc::RunnerCells& results);

    // Stores the text of a cell being edited and closes its editor.
    void commitEditing();

    // Every cell of the input and result rows empty, the result row on its green background.
    void clearCells();

    // The rules for a typed key; true when the key was handled here (also when it is dropped).
    bool handleKey(QKeyEvent* event, const QString& cellText);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    friend class CellEditorKeys;
    void moveToNextRunner();
    void commitAndMoveOn(QWidget* editor);
};

}  // namespace quintaro::gui
