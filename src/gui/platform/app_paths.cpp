#include "gui/platform/app_paths.h"

#include <QCoreApplication>
#include <QDir>

namespace quintaro::gui {
namespace {
QString& overriddenDir() {
    static QString folder;
    return folder;
}
}  // namespace

QString programDir() {
    if (!overriddenDir().isEmpty()) {
        return overriddenDir();
    }
    const QString fromEnvironment = qEnvironmentVariable("QUINTARO_HOME");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    return QCoreApplication::applicationDirPath();
}

QString programPath(const QString& relative) {
    return QDir(programDir()).filePath(relative);
}

bool ensureFolder(const QString& path) {
    return QDir().mkpath(path);
}

void setProgramDir(const QString& folder) {
    overriddenDir() = folder;
}

}  // namespace quintaro::gui
