#include "gui/platform/version_resource.h"

#include <QCoreApplication>
#include <string>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace quintaro::gui {

std::vector<std::uint8_t> readVersionResource(const QString& file) {
#ifdef Q_OS_WIN
    const std::wstring path = file.toStdWString();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0) {
        return {};
    }
    std::vector<std::uint8_t> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) {
        throw EVerInfoError(std::string(verinfo::kCannotObtain));
    }
    return block;
#else
    Q_UNUSED(file);
    return programVersionResource();
#endif
}

TVerInfoRes programVersionInfo() {
    return TVerInfoRes(readVersionResource(QCoreApplication::applicationFilePath()));
}

}  // namespace quintaro::gui
