#include "gui/game/counting_progress_dlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <future>

#include "gui/platform/qt_text.h"

namespace quintaro::gui {
namespace {

constexpr int kBarSteps = 1000;
constexpr auto kQuietMoment = std::chrono::milliseconds(300);

}  // namespace

CountingProgressDlg::CountingProgressDlg(CountProgress& progress, std::uint64_t full,
                                         std::function<bool()> finished,
                                         std::function<void(std::uint64_t)> onProgress, QWidget* parent)
    : QDialog(parent),
      progress_(progress),
      full_(full),
      finished_(std::move(finished)),
      onProgress_(std::move(onProgress)),
      label_(new QLabel(this)),
      bar_(new QProgressBar(this)),
      stop_(new QPushButton(QStringLiteral("&ΔΙΑΚΟΠΗ"), this)),
      timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("CountingProgressDlg"));
    setWindowTitle(QStringLiteral("ΜΕΤΡΗΜΑ ΣΤΗΛΩΝ"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    label_->setObjectName(QStringLiteral("ProgressLabel"));
    QFont bold = label_->font();
    bold.setBold(true);
    label_->setFont(bold);
    bar_->setRange(0, kBarSteps);
    bar_->setMinimumWidth(320);
    stop_->setObjectName(QStringLiteral("BtnStop"));
    stop_->setAutoDefault(false);
    connect(stop_, &QPushButton::clicked, this, &CountingProgressDlg::BtnStopClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    layout->addWidget(stop_, 0, Qt::AlignHCenter);
    connect(timer_, &QTimer::timeout, this, &CountingProgressDlg::poll);
    timer_->start(100);
    poll();
}

void CountingProgressDlg::poll() {
    const std::uint64_t found = progress_.found.load();
    const std::uint64_t candidates = progress_.candidates.load();
    label_->setText(qs(progressLabelText(found)));
    if (full_ > 0) {
        const double done = static_cast<double>(std::min(candidates, full_)) / static_cast<double>(full_);
        bar_->setValue(static_cast<int>(done * kBarSteps));
    }
    if (onProgress_) {
        onProgress_(found);
    }
    if (finished_()) {
        timer_->stop();
        accept();
    }
}

void CountingProgressDlg::BtnStopClick() {
    progress_.cancel = true;
    stop_->setEnabled(false);
}

void CountingProgressDlg::reject() {
    BtnStopClick();
}

CountOutcome countWithProgress(QWidget* parent, const CountRequest& request, std::uint64_t full,
                               const std::function<void(std::uint64_t)>& onProgress) {
    CountProgress progress;
    std::future<CountOutcome> result =
        std::async(std::launch::async, [&request, &progress] { return countColumns(request, &progress); });
    if (result.wait_for(kQuietMoment) != std::future_status::ready) {
        CountingProgressDlg dialog(
            progress, full,
            [&result] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
            onProgress, parent);
        dialog.exec();
    }
    progress.cancel =
        progress.cancel || result.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
    return result.get();
}

}  // namespace quintaro::gui
