#pragma once
// The splash window shown while the program starts: borderless, 529 x 274, centred, white, with the product's
// picture, title, version and maker. It agrees to close once it is ready: when its timer fires (6 000 ms),
// when the user clicks it, or when the user presses Enter. Closing destroys it.

#include <QWidget>

class QLabel;
class QTimer;

namespace quintaro::gui {

class LinkLabel;

class TSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int kReadyIntervalMs = 6000;
    static constexpr int kWidth = 529;
    static constexpr int kHeight = 274;

    // readyIntervalMs: the timer's interval (window tests use a short one).
    explicit TSplash(int readyIntervalMs = kReadyIntervalMs);

    // The close query: true once the window is ready.
    bool closeQuery() const { return ready_; }
    int readyInterval() const;

    QLabel* versionLabel() const { return LblVersion; }
    QLabel* designLabel() const { return LblDesign; }
    QLabel* titleLabel() const { return LblTitle; }
    LinkLabel* webLabel() const { return LblWeb; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setReady() { ready_ = true; }

    QTimer* timer_;
    QLabel* LblTitle;
    QLabel* LblVersion;
    QLabel* LblDesign;
    LinkLabel* LblWeb;
    bool ready_ = false;
};

// Shows the splash and lets the program's events through, again and again, until its close query agrees;
// then closes it (which destroys it).
void runSplashLoop(TSplash& splash);

}  // namespace quintaro::gui
