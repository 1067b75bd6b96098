// The input method module's panel provider (object kind 1): the panels that
// fill the common and appearance settings pages. Obtained for one page
// operation and released at its end.
#pragma once

#include <windows.h>

#include <cstdint>

struct ImeEnvironment;

constexpr int32_t kPanelProviderKind = 1;

// Which page a panel is for.
constexpr int32_t kCommonPanelKind = 1;
constexpr int32_t kAppearancePanelKind = 3;
// What destroyPanels is called with when either page is destroyed.
constexpr int32_t kAllPanels = 1;

// The object as the module lays it out: plain function pointers at its own
// address, none of which takes the object.
struct PanelProviderTable {
    void (*release)();
    // The panel created as a child of `page`, or null for a kind without one.
    HWND (*createPanel)(HWND page, int32_t panelKind, ImeEnvironment* environment);
    void (*destroyPanels)(int32_t which);
};
