#pragma once
// The program's own folder, beside which it keeps its help pages and its data folders
// ("Qnt" for games, "Printers" for coupon layouts, "DELTIA" and "PROTYPA" for TRIO files).

#include <QString>

namespace quintaro::gui {

// The folder of the executable, or the one set by setProgramDir (tests) or by the environment variable
// QUINTARO_HOME.
QString programDir();

// A path inside the program's folder: programPath("Qnt") -> "<folder>/Qnt".
QString programPath(const QString& relative);

// Creates the folder with any missing parents; false when that fails.
bool ensureFolder(const QString& path);

void setProgramDir(const QString& folder);  // empty restores the default

}  // namespace quintaro::gui
