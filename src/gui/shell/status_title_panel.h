#pragma once
// Panel 1 of the main window's status bar: the application title drawn by the window itself, bold, size 8,
// green, 2 pixels right of and below the panel's corner.

#include <QFrame>

namespace quintaro::gui {

class StatusTitlePanel : public QFrame {
    Q_OBJECT
public:
    explicit StatusTitlePanel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quintaro::gui
