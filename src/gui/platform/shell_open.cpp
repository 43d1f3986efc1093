#include "gui/platform/shell_open.h"

#include <QDesktopServices>
#include <QUrl>

namespace quintaro::gui {
namespace {

std::function<bool(const QString&)>& opener() {
    static std::function<bool(const QString&)> instance;
    return instance;
}

QUrl urlOf(const QString& target) {
    if (target.contains(QStringLiteral("://")) ||
        target.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive)) {
        return QUrl(target, QUrl::TolerantMode);
    }
    return QUrl::fromUserInput(target);
}

}  // namespace

bool openExternal(const QString& target) {
    if (opener()) {
        return opener()(target);
    }
    return QDesktopServices::openUrl(urlOf(target));
}

void setExternalOpener(std::function<bool(const QString&)> function) {
    opener() = std::move(function);
}

}  // namespace quintaro::gui
