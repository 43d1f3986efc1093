#pragma once
// "ΣΤΑΝΤΑΡ Ή ΖΗΤΟΥΜΕΝΟΙ ΑΡΙΘΜΟΙ": the modal dialog in which the user defines one number group of the TRIO
// construction window: the numbers (marked on a pink board; only numbers selected in the construction window
// can be marked) and how many of them a column must hold (Από at least, Έως at most).

#include <QDialog>

#include "core/trio/board.h"

class QLineEdit;
class QPushButton;

namespace quintaro::gui {

struct AppContext;
class NumberBoard;

class TStandard3Frm : public QDialog {
    Q_OBJECT
public:
    explicit TStandard3Frm(AppContext& context, QWidget* parent = nullptr);

    // Before each use: every mark cleared, Από and Έως "0".
    void resetGroup();

    // The numbers selected in the construction window: only these can be marked.
    void setSelection(const trio::TrioBoard& selection) { selection_ = selection; }

    const trio::TrioBoard& marks() const { return marks_; }
    void setMarks(const trio::TrioBoard& marks);
    QString fromText() const;
    QString toText() const;
    void setBounds(const QString& from, const QString& to);

    NumberBoard* board() const { return SgrdA; }

    // A click on the board cell (row, column), as the mouse does.
    void SgrdAMouseUp(int row, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Edit2Exit();
    void Edit3Exit();

    trio::TrioBoard selection_;
    trio::TrioBoard marks_;
    NumberBoard* SgrdA;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QPushButton* BBtnOK;
    QPushButton* BBtnCancel;
};

}  // namespace quintaro::gui
