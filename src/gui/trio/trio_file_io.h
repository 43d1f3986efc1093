#pragma once
// Reading and writing the TRIO files as bytes. A write goes to a temporary file that replaces the old one
// only when complete, so a failed save never destroys a good file.

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace quintaro::gui {

std::optional<std::string> readFileBytes(const QString& path);
bool writeFileBytes(const QString& path, const std::string& bytes);

// Tells the user that a file could not be written.
void reportWriteFailure(QWidget* parent, const QString& path);

}  // namespace quintaro::gui
