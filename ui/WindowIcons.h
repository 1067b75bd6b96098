// A window's large and small icons, loaded from a module's icon resource and
// destroyed with the holder.
#pragma once

#include <windows.h>

class WindowIcons {
public:
    WindowIcons() = default;
    ~WindowIcons();
    WindowIcons(const WindowIcons&) = delete;
    WindowIcons& operator=(const WindowIcons&) = delete;

    // Both icons of `window` from icon `id` of `module`; a missing module or
    // icon leaves the window's icons as they are.
    void Set(HWND window, HMODULE module, int id);

private:
    HICON large_ = nullptr;
    HICON small_ = nullptr;
};
