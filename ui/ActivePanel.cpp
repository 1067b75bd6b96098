#include "ui/ActivePanel.h"

namespace {
HWND activePanel = nullptr;
}

HWND ActivePanelWindow() { return activePanel; }
void SetActivePanelWindow(HWND panel) { activePanel = panel; }
