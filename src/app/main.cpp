// ΒΕΛΤΡΑΝΟ: creates the application and its windows in their start-up order, then runs the message loop.

#include <QApplication>

#include "gui/app_context.h"
#include "gui/platform/qt_settings.h"
#include "gui/shell/startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintaro"));
    QApplication::setOrganizationName(QStringLiteral("Quintaro"));

    quintaro::gui::QtSettingsStore settings;
    quintaro::gui::AppContext context(settings);
    quintaro::gui::Startup startup(context);
    startup.createWindows();
    startup.runSplash();
    startup.showMainWindow();
    return QApplication::exec();
}
