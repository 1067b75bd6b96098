// KeyCode: a Windows virtual key with its modifiers, as the key tables and
// the combination records of the DME options block keep it.
#pragma once

#include <cstdint>

// Unsigned 32-bit in the file; held signed because -1 means no key.
using KeyCode = int32_t;

constexpr KeyCode kNoKey = -1;

constexpr KeyCode kVirtualKeyMask = 0xFF;
constexpr KeyCode kKeyShift = 0x100;
constexpr KeyCode kKeyAlt = 0x200;
constexpr KeyCode kKeyCtrl = 0x400;
// Which of the two keys: always together with the modifier bit above.
constexpr KeyCode kKeyLeftShift = 0x1000;
constexpr KeyCode kKeyLeftAlt = 0x2000;
constexpr KeyCode kKeyLeftCtrl = 0x4000;
constexpr KeyCode kKeyRightShift = 0x10000;
constexpr KeyCode kKeyRightAlt = 0x20000;
constexpr KeyCode kKeyRightCtrl = 0x40000;
