#include "gui/platform/calculator.h"

#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <shellapi.h>
#include <windows.h>
#endif

namespace quintaro::gui {

QStringList calculatorCandidates() {
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),         QStringLiteral("galculator"),
            QStringLiteral("mate-calc"),        QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
}

bool startCalculator() {
#ifdef Q_OS_WIN
    wchar_t folder[144];
    if (GetWindowsDirectoryW(folder, 144) == 0) {
        return false;
    }
    // Every Windows that runs this program is of the NT family.
    const std::wstring program = std::wstring(folder) + L"\\System32\\Calc.exe";
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", program.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
#else
    for (const QString& name : calculatorCandidates()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty()) {
            return QProcess::startDetached(path, {});
        }
    }
    return false;
#endif
}

}  // namespace quintaro::gui
