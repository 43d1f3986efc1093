#pragma once
// The printer layout window of a kind of coupon form: lists the layouts saved in the form's folder, loads
// one into its fields, saves the fields as a layout (and as default.fpr when "ΠΡΟΕΠΙΛΟΓΗ" is ticked), and
// prints a test page that marks every box of the form, on paper or on screen. `TPrnFrm` ("ΣΚΟΡ") and
// `TPrnTetFrm` ("ΤΕΤΡΑΠΛΟ") are this window for their form.

#include <QDialog>
#include <vector>

#include "core/coupons/printer_layout.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace quintaro::gui {

class PrinterLayoutWindow : public QDialog {
    Q_OBJECT
public:
    PrinterLayoutWindow(coupons::FormKind kind, QWidget* parent);

    coupons::FormKind kind() const { return kind_; }

    // The handlers.
    void FormShow();         // colours, font size 10, the layout list refilled, "default" loaded
    void ComboBox2Change();  // loads the layout chosen in the list
    void BitBtn1Click();     // saves the fields as a layout
    void BitBtn3Click();     // the test page on a printer chosen in the print dialog
    void previewTestPage();  // the test page in an on-screen print preview

    // Draws the test page of the fields on the printer; false when a field does not convert or the
    // printer fails.
    bool paintTestPage(QPrinter& printer);

    // The fields as a layout: numbers with the user's locale, the font size from its list. Throws
    // ConversionError for a field that does not convert or when no font size is selected.
    coupons::PrinterLayout fieldsLayout() const;
    void setFields(const coupons::PrinterLayout& layout);

    // The controls, by their names ("Edit1" .. "Edit20").
    QLineEdit* edit(const QString& name) const;
    QComboBox* layoutList() const { return ComboBox2; }
    QComboBox* fontSizeList() const { return ComboBox1; }
    QCheckBox* numberBox() const { return ChkDetails; }
    QCheckBox* defaultBox() const { return Chkdefault; }
    QPushButton* saveButton() const { return BitBtn1; }
    QPushButton* testButton() const { return BitBtn3; }
    QPushButton* previewButton() const { return BtnPreview; }

    static int helpContext(coupons::FormKind kind) { return kind == coupons::FormKind::Skor ? 30 : 31; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct NumberField {
        QLineEdit* edit;
        double coupons::PrinterLayout::*member;
    };

    QLineEdit* addNumber(QGridLayout* grid, int row, int column, const QString& label, const QString& name,
                         double coupons::PrinterLayout::*member);
    QLineEdit* addText(const QString& name);
    void buildSkorFields(QGridLayout* grid, int row);
    void buildTetraploFields(QGridLayout* grid, int row);
    std::filesystem::path folderPath() const;
    void fillLayoutList();
    void loadLayout(const QString& entry);

    coupons::FormKind kind_;
    std::vector<NumberField> numbers_;
    QComboBox* ComboBox2;
    QComboBox* ComboBox1;
    QLineEdit* Edit1;  // the text
    QLineEdit* Edit9;  // the printer
    QLineEdit* Edit4;  // the mark
    QCheckBox* ChkDetails;
    QCheckBox* Chkdefault;
    QPushButton* BitBtn1;
    QPushButton* BitBtn3;
    QPushButton* BtnPreview;
    QPushButton* BitBtn2;  // return
    QPushButton* BtnHelp;
};

// The "ΣΚΟΡ 4" and "ΣΚΟΡ 6" layout window.
class TPrnFrm : public PrinterLayoutWindow {
    Q_OBJECT
public:
    explicit TPrnFrm(QWidget* parent = nullptr) : PrinterLayoutWindow(coupons::FormKind::Skor, parent) {}
};

// The "ΤΕΤΡΑΠΛΟ" layout window.
class TPrnTetFrm : public PrinterLayoutWindow {
    Q_OBJECT
public:
    explicit TPrnTetFrm(QWidget* parent = nullptr)
        : PrinterLayoutWindow(coupons::FormKind::Tetraplo, parent) {}
};

}  // namespace quintaro::gui
