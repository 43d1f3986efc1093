#pragma once
// A text that opens something when clicked: the web address of the splash and the about box, and the
// about box's e-mail address. Drawn blue and underlined, with the pointing hand.

#include <QLabel>

namespace quintaro::gui {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace quintaro::gui
