#pragma once

#include <optional>

namespace scrivlet {

struct LockKeyState {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The keyboard's lock keys as the X server reports them; nothing where the platform cannot tell.
std::optional<LockKeyState> currentLockKeyState();

} // namespace scrivlet
