#pragma once
// Reading and writing the TRIO files as bytes. A write goes through writeFileAtomically, so a failed save
// never destroys a good file.

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace quintaro::gui {

std::optional<std::string> readFileBytes(const QString& path);
// False when the file could not be written; the earlier file is then as it was.
bool writeFileBytes(const QString& path, const std::string& bytes);

// Tells the user that a file could not be written.
void reportWriteFailure(QWidget* parent, const QString& path);

}  // namespace quintaro::gui
