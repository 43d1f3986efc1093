#pragma once
// Drives the program's own modal dialogs in window tests: `whenModal<T>(action)` runs the action once, as
// soon as a widget of type T (a QDialog unless named) is the active modal window (polled from the event
// loop), so that a test can arm its answers before it starts a command that opens its dialogs with exec().
// Each call handles the next such dialog only. A dialog that the action leaves open (a failed check returns
// early) is rejected, so that a failing test does not hang; after the timeout the action is not run at all.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <type_traits>

namespace quintaro::gui::test {

template <typename T = QDialog>
void whenModal(std::type_identity_t<std::function<void(T*)>> action, int timeoutMs = 10000) {
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, waited, action = std::move(action), timeoutMs] {
        *waited += timer->interval();
        if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            QPointer<QWidget> guard(modal);
            action(modal);
            if (auto* dialog = qobject_cast<QDialog*>(guard.data()); dialog && dialog->isVisible()) {
                dialog->reject();
            }
        } else if (*waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

}  // namespace quintaro::gui::test
