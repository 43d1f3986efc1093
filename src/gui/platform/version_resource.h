#pragma once
// The version information of the running program. On Windows it is read from the executable's version
// resource; elsewhere from the same block compiled into the program. Either way it goes through one reader.

#include <QString>
#include <cstdint>
#include <vector>

#include "core/shell/version_info.h"

namespace quintaro::gui {

// The bytes of the file's version resource; empty when it has none. Throws EVerInfoError("Cannot obtain
// version info.") when the resource exists but cannot be read.
std::vector<std::uint8_t> readVersionResource(const QString& file);

// The reader for the running program's own file. Throws the reader's exceptions.
TVerInfoRes programVersionInfo();

}  // namespace quintaro::gui
