#pragma once
// The Caps Lock byte of a 256-byte keyboard state (virtual key 20), as the main window switches it on.

#include <cstdint>

namespace quintaro {

inline constexpr int kCapsLockVirtualKey = 20;

// 0 becomes 1 for "on"; 1 becomes 1 for "on" and 0 for "off"; any other value (the key is held down)
// stays as it is.
constexpr std::uint8_t capsLockByte(std::uint8_t current, bool on) {
    if (current == 0) {
        return on ? 1 : 0;
    }
    if (current == 1) {
        return on ? 1 : 0;
    }
    return current;
}

}  // namespace quintaro
