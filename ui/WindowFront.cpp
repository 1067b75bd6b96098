#include "ui/WindowFront.h"

#include "ui/WideText.h"

HWND FindDialogByTitle(const std::u16string& title) { return FindWindowW(L"#32770", Wide(title.c_str())); }

void BringWindowToFront(HWND window) {
    ShowWindow(window, SW_RESTORE);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(window);
}
