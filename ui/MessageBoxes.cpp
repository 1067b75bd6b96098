#include "ui/MessageBoxes.h"

#include "ui/WideText.h"

int ShowMessage(HWND owner, const char16_t* text, UINT style, const char16_t* caption) {
    return MessageBoxW(owner, Wide(text), Wide(caption), style);
}
