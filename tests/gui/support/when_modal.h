#pragma once
// Drives a modal dialog of our own from a window test: once the dialog is running its exec() loop, the action
// runs on it (close it, press its buttons, read its fields). Each call handles the next modal dialog only.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

namespace quintaro::gui::test {

inline void whenModal(std::function<void(QDialog*)> action, int timeoutMs = 5000) {
    auto* timer = new QTimer(qApp);
    auto elapsed = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, elapsed, action = std::move(action), timeoutMs] {
        *elapsed += 10;
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        } else if (*elapsed > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

}  // namespace quintaro::gui::test
