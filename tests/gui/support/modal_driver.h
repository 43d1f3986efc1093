#pragma once
// Drives the program's own modal dialogs in window tests: `whenModal<T>(action)` runs the action once, as
// soon as a dialog of type T is the active modal window (polled from the event loop), so that a test can
// arm its answers before it starts a command that opens several dialogs in turn. A dialog that the action
// leaves open (a failed check returns early) is rejected, so that a failing test does not hang.

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

namespace quintaro::gui::test {

template <typename T>
void whenModal(std::function<void(T*)> action, int timeoutMs = 10000) {
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, waited, action = std::move(action), timeoutMs] {
        *waited += timer->interval();
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            QPointer<T> guard(dialog);
            action(dialog);
            if (guard && guard->isVisible()) {
                guard->reject();
            }
        } else if (*waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

}  // namespace quintaro::gui::test
