#include "gui/platform/keyboard.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>

#include "core/shell/caps_lock.h"
#endif

namespace quintaro::gui {

void selectUsEnglishLayout() {
#ifdef Q_OS_WIN
    LoadKeyboardLayoutW(L"00000409", KLF_ACTIVATE);
#endif
}

void setCapsLock(bool on) {
#ifdef Q_OS_WIN
    BYTE state[256];
    if (GetKeyboardState(state)) {
        state[quintaro::kCapsLockVirtualKey] =
            quintaro::capsLockByte(state[quintaro::kCapsLockVirtualKey], on);
        SetKeyboardState(state);
    }
#else
    Q_UNUSED(on);
#endif
}

}  // namespace quintaro::gui
