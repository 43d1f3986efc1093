#pragma once
// A counting runs on a worker thread; while it runs longer than a moment, a modal dialog shows the columns
// found so far ("Έχουν βρεθεί N στήλες.") and a progress bar, stays painted, and offers to stop it.

#include <QDialog>
#include <cstdint>
#include <functional>

#include "core/game/counting.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace quintaro::gui {

class CountingProgressDlg : public QDialog {
    Q_OBJECT
public:
    // `finished` tells whether the worker has ended; the dialog closes itself then.
    CountingProgressDlg(CountProgress& progress, std::uint64_t full, std::function<bool()> finished,
                        std::function<void(std::uint64_t found)> onProgress, QWidget* parent = nullptr);

    // "&ΔΙΑΚΟΠΗ": asks the counting to stop; the dialog closes when the worker has ended.
    void BtnStopClick();

    QLabel* label() const { return label_; }
    QProgressBar* bar() const { return bar_; }
    QPushButton* stopButton() const { return stop_; }

public slots:
    // Escape and the close box stop the counting as the button does.
    void reject() override;

private:
    void poll();

    CountProgress& progress_;
    std::uint64_t full_;
    std::function<bool()> finished_;
    std::function<void(std::uint64_t)> onProgress_;
    QLabel* label_;
    QProgressBar* bar_;
    QPushButton* stop_;
    QTimer* timer_;
};

// Runs countColumns(request) on a worker thread. When it has not ended after a moment, the progress dialog
// is shown modally until it ends. `onProgress` receives the found columns while it runs. Returns the
// outcome (outcome.cancelled after a stop) or rethrows the counting's error.
CountOutcome countWithProgress(QWidget* parent, const CountRequest& request, std::uint64_t full,
                               const std::function<void(std::uint64_t found)>& onProgress);

}  // namespace quintaro::gui
