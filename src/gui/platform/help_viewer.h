#pragma once
// Help: one HTML page per help context number in the "help" folder beside the program ("9999.html", "7.html",
// ...), shown in a small help window. The window follows the active modal dialog, so that help asked for
// from a modal dialog can be read and closed without closing the dialog first.

#include <QDialog>

class QTextBrowser;

namespace quintaro::gui {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // Shows the page of the context, creating the window on first use.
    static HelpWindow* show(QWidget* parent, int context);

    // The window if it was ever shown (tests).
    static HelpWindow* existing();

    int context() const { return context_; }
    QString pageText() const;

private:
    explicit HelpWindow(QWidget* parent);
    void load(int context);

    QTextBrowser* browser_;
    int context_ = 0;
};

// Opens the help at a context number, as every "&ΒΟΗΘΕΙΑ" button does.
inline void showHelp(QWidget* parent, int context) {
    HelpWindow::show(parent, context);
}

}  // namespace quintaro::gui
