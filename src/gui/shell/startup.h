#pragma once
// The start-up sequence: the main window first (so that it becomes the application's main window), then
// every other window once, hidden, in a fixed order; the splash; then the main window shown maximised.

#include <QPointer>
#include <memory>

namespace quintaro::gui {

struct AppContext;
class TMainFrm;
class TSplash;

class Startup {
public:
    explicit Startup(AppContext& context);
    ~Startup();

    void createWindows();
    void runSplash();
    void showMainWindow();

private:
    AppContext& ctx_;
    std::unique_ptr<TMainFrm> main_;
    QPointer<TSplash> splash_;
};

}  // namespace quintaro::gui
