// The clipboard's Unicode text.
#pragma once

#include <cstdint>

// Empties the 128-unit buffer, then copies the clipboard's text cut to 127
// units; an unopenable clipboard or one without text leaves it empty.
void GetClipboardText(char16_t (&buffer)[128]);

// Puts the first `length` units of `text` on the clipboard: 0, or -1 when the
// clipboard cannot be opened or the text cannot be stored.
int SetClipboardText(const char16_t* text, uint32_t length);
