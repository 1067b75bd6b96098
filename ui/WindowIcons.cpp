#include "ui/WindowIcons.h"

namespace {

HICON LoadIconSized(HMODULE module, int id, int metricX, int metricY) {
    return static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, GetSystemMetrics(metricX),
                                         GetSystemMetrics(metricY), LR_DEFAULTCOLOR));
}

}  // namespace

WindowIcons::~WindowIcons() {
    if (large_) DestroyIcon(large_);
    if (small_) DestroyIcon(small_);
}

void WindowIcons::Set(HWND window, HMODULE module, int id) {
    if (!module) return;
    if (HICON largeIcon = LoadIconSized(module, id, SM_CXICON, SM_CYICON)) {
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon));
        if (large_) DestroyIcon(large_);
        large_ = largeIcon;
    }
    if (HICON smallIcon = LoadIconSized(module, id, SM_CXSMICON, SM_CYSMICON)) {
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
        if (small_) DestroyIcon(small_);
        small_ = smallIcon;
    }
}
