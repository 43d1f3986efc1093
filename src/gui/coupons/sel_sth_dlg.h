#pragma once
// The choice between the plain columns and the gathered columns, asked by the game window before it shows
// the columns, checks a winning column or makes coupons. Created once: the choice persists between uses
// unless a caller preselects an item.

#include <QDialog>
#include <optional>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quintaro::gui {

enum class ColumnsChoice { Plain, Gathered };

class TSelSthDlg : public QDialog {
    Q_OBJECT
public:
    explicit TSelSthDlg(QWidget* parent = nullptr);

    // Shows the dialog modally with the caller's caption, after selecting `preselect` when given.
    // nullopt on cancel (the button, Esc or the title bar's close).
    std::optional<ColumnsChoice> choose(const QString& caption, std::optional<ColumnsChoice> preselect);

    ColumnsChoice selected() const;
    void select(ColumnsChoice choice);

    QRadioButton* plainItem() const { return plain_; }
    QRadioButton* gatheredItem() const { return gathered_; }
    QPushButton* okButton() const { return BtnOk; }
    QPushButton* cancelButton() const { return BtnCancel; }

    // The callers' captions.
    static QString viewCaption() { return QStringLiteral("ΕΠΙΛΕΞΤΕ"); }
    static QString checkCaption() { return QStringLiteral("ΔΙΑΛΟΓΗ ΓΙΑ"); }
    static QString couponsCaption() { return QStringLiteral("ΔΕΛΤΙΑ ΓΙΑ"); }

private:
    QGroupBox* RadioGroup1;
    QRadioButton* plain_;
    QRadioButton* gathered_;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;
};

}  // namespace quintaro::gui
