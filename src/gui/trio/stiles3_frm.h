#pragma once
// The TRIO columns editor: a separate window that shows a list of TRIO columns read from a file, checks it,
// lets the user delete columns, and saves or prints the list. Every showing starts with the open dialog.

#include <QTableView>
#include <QWidget>

#include "core/game/text_grid.h"

class QLabel;
class QPrinter;
class QPushButton;
class QSpinBox;

namespace quintaro::gui {

struct AppContext;
class TextGridModel;

// The grid view: cells are not typed into; Enter, Backspace and Ctrl+Delete are the window's.
class ColumnsGridView : public QTableView {
    Q_OBJECT
public:
    explicit ColumnsGridView(QWidget* parent = nullptr);

signals:
    void keyTyped(char32_t key);  // a key that types a character (Enter 13, Backspace 8, ...)
    void ctrlDeletePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class TStiles3Frm : public QWidget {
    Q_OBJECT
public:
    explicit TStiles3Frm(AppContext& context, QWidget* parent = nullptr);

    static QString initialCaption();

    TextGrid& grid() { return grid_; }
    ColumnsGridView* view() const { return StringGrid1; }
    QSpinBox* widthDisplay() const { return SpinEdit1; }
    const QString& openedFile() const { return openedFile_; }

    // The handlers, as the controls call them.
    void Button1Click();  // open
    void Button2Click();  // save
    void Button4Click();  // clear
    void Button5Click();  // print
    void StringGrid1KeyPress(char32_t key);
    void StringGrid1KeyDown();  // Ctrl+Delete
    void StringGrid1Exit(QWidget* next);
    void StringGrid1Click();

    // Prints the grid on a printer already chosen.
    void printOn(QPrinter& printer);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void clearGrid();
    void syncView();
    void setCurrent(int column, int row);
    void onFocusChanged(QWidget* old, QWidget* now);

    TextGrid grid_;
    TextGridModel* model_;
    QString openedFile_;
    bool checking_ = false;

    QLabel* heading_;
    ColumnsGridView* StringGrid1;
    QSpinBox* SpinEdit1;
    QPushButton* Button1;
    QPushButton* Button5;
    QPushButton* Button2;
    QPushButton* Button4;
    QPushButton* Button3;
};

}  // namespace quintaro::gui
