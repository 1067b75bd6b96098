// The input method module's settings panel that a settings page shows, whose
// controls Tab moves through; null while none is shown.
#pragma once

#include <windows.h>

HWND ActivePanelWindow();
void SetActivePanelWindow(HWND panel);
