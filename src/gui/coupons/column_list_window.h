#pragma once
// What the plain column list and the gathered columns share: a grid of columns above a sand-coloured panel
// with "&ΕΚΤΥΠΩΣΗ" and "&ΕΠΙΣΤΡΟΦΗ", and the printout of the list on the printer the user chooses.

#include <QDialog>
#include <QSize>
#include <string_view>

#include "core/print/print_job.h"

class QPushButton;

namespace quintaro::gui {

struct AppContext;
class ColumnGrid;

class ColumnListWindow : public QDialog {
    Q_OBJECT
public:
    // "&ΕΚΤΥΠΩΣΗ": the print dialog, then the list's printout. The window is disabled while it prints; a
    // printout that fails is shown.
    void BitBtn1Click();

    ColumnGrid* grid() const { return SGrd; }
    QString cell(int column, int row) const;
    QPushButton* printButton() const { return BitBtn1; }
    QPushButton* returnButton() const { return BitBtn2; }

protected:
    ColumnListWindow(AppContext& context, const QString& objectName, std::string_view caption, QSize size,
                     QWidget* parent);

    // The list's printout laid out on the chosen printer's page. May throw std::exception, which is shown.
    virtual print::PrintJob printJob(const print::PageMetrics& page) = 0;

    AppContext& ctx_;
    ColumnGrid* SGrd;
    QWidget* Panel1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};

}  // namespace quintaro::gui
