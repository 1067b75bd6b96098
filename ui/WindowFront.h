// Bringing an already open window of this program to the front.
#pragma once

#include <windows.h>

#include <string>

// A top-level standard dialog ("#32770") with exactly this title, or null.
HWND FindDialogByTitle(const std::u16string& title);

// Restored, briefly topmost so that it rises above every window, then the
// foreground window.
void BringWindowToFront(HWND window);
