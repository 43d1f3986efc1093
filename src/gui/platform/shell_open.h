#pragma once
// Opens a web address or a mail message with the desktop's default program, as the shell verb "open" does.
// Window tests install a recorder instead, to see what would be opened without starting a browser.

#include <QString>
#include <functional>

namespace quintaro::gui {

// "www.example.com", "https://...", "mailto:info@example.com?Subject=...". A failure is not reported to the
// user; the result only tells the caller.
bool openExternal(const QString& target);

// Replaces the desktop with a function that receives each target (tests); an empty function restores it.
void setExternalOpener(std::function<bool(const QString&)> opener);

}  // namespace quintaro::gui
