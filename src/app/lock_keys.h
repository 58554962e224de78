#pragma once

#include <functional>

// Whether Caps Lock, Num Lock and Scroll Lock are on, where the window system
// can tell (known is false elsewhere).
struct LockKeyState {
    bool known = false;
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

LockKeyState QueryLockKeys();
// Tests replace the query; an empty function restores the real one.
void SetLockKeyQuery(std::function<LockKeyState()> query);
