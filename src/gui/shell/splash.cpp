#include "gui/shell/splash.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/app_title.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/shell_open.h"
#include "gui/platform/version_resource.h"
#include "gui/platform/window_look.h"
#include "gui/shell/link_label.h"
#include "gui/shell/maker_info.h"
#include "gui/shell/product_picture.h"

namespace quintaro::gui {
namespace {

QLabel* label(const QString& text, QWidget* parent, int pointSize, bool bold, const QColor& colour) {
    QLabel* l = fontLabel(text, parent, bold, pointSize);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    return l;
}

}  // namespace

TSplash::TSplash(int readyIntervalMs)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      timer_(new QTimer(this)),
      LblTitle(label(appTitle(), this, 30, true, QColor(0, 100, 0))),
      LblVersion(label(QString(), this, 10, true, Qt::black)),
      LblDesign(label(QString(), this, 9, false, Qt::black)),
      LblWeb(new LinkLabel(maker::webAddress(), this)) {
    setObjectName(QStringLiteral("Splash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);
    paintDialogBackground(this, Qt::white);
    setFocusPolicy(Qt::StrongFocus);

    try {
        const TVerInfoRes info = programVersionInfo();
        LblVersion->setText(QStringLiteral("Έκδοση : ") + qs(info.fileVersion()));
        LblDesign->setText(qs(info.designLine()));
    } catch (const std::exception& e) {
        showError(nullptr, qs(e.what()));
    }

    auto* picture = new QLabel(this);
    picture->setPixmap(productPicture(160));
    picture->setFixedSize(160, 160);

    auto* text = new QVBoxLayout();
    text->setSpacing(6);
    text->addStretch();
    text->addWidget(LblTitle);
    QLabel* subtitle = label(QStringLiteral("Κατασκευαστικό συστημάτων για το ιπποδρομιακό στοίχημα"), this,
                             9, false, QColor(60, 60, 60));
    subtitle->setWordWrap(true);
    text->addWidget(subtitle);
    text->addSpacing(10);
    text->addWidget(LblVersion);
    text->addWidget(LblDesign);
    text->addSpacing(10);
    QLabel* makerName = label(maker::makerLine(), this, 9, true, QColor(0, 0, 128));
    makerName->setWordWrap(true);
    text->addWidget(makerName);
    text->addWidget(LblWeb);
    text->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(20);
    layout->addWidget(picture, 0, Qt::AlignVCenter);
    layout->addLayout(text, 1);

    connect(LblWeb, &LinkLabel::clicked, this, [] { openExternal(maker::webAddress()); });

    timer_->setSingleShot(true);
    timer_->setInterval(readyIntervalMs);
    connect(timer_, &QTimer::timeout, this, &TSplash::setReady);
    timer_->start();

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

int TSplash::readyInterval() const {
    return timer_->interval();
}

void TSplash::mousePressEvent(QMouseEvent* event) {
    setReady();
    event->accept();
}

void TSplash::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        setReady();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TSplash::closeEvent(QCloseEvent* event) {
    if (!closeQuery()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void TSplash::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter p(this);
    p.setPen(QColor(0, 100, 0));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void runSplashLoop(TSplash& splash) {
    splash.show();
    splash.raise();
    splash.activateWindow();
    splash.setFocus();
    while (!splash.closeQuery()) {
        // Sleeps until something happens: the timer, a click, a key, a repaint.
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    splash.close();
}

}  // namespace quintaro::gui
