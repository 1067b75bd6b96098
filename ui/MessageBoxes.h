// Message boxes with the program's captions.
#pragma once

#include <windows.h>

inline constexpr char16_t kProgramCaption[] = u"配置程序";

// MessageBoxW with `caption`; `style` gives the buttons and the icon.
int ShowMessage(HWND owner, const char16_t* text, UINT style, const char16_t* caption = kProgramCaption);
