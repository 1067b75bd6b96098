// Key names: how a KeyCode is written in the key function section of the
// settings text and named by the buttons of the on-screen keyboard.
#pragma once

#include <string>
#include <string_view>

#include "config/KeyCode.h"

constexpr size_t kKeyNameUnits = 63;

// The key that the text names, or -1 when the text is empty or its key is
// unknown. The base key is read from the start of the text; every modifier
// suffix found anywhere in it adds its modifier. A text starting with "键" but
// naming no key gives the modifiers alone (possibly 0).
KeyCode ParseKeyName(std::u16string_view text);

// The name of a table key, or of a combination its key name followed by its
// Shift, Alt and Ctrl suffixes.
std::u16string KeyNameOf(KeyCode code);

// The name of the key in the key-name table of its Shift state; empty when the
// code is a combination, which lives in a combination record instead of a
// key table slot.
std::u16string_view KeyTableName(KeyCode code);
