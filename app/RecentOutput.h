// The texts the input method committed last, kept in the IME options block.
#pragma once

#include <cstdint>

#include "config/ImeConfigData.h"

// Empties the buffer, then appends the newest `count` records (fewer when the
// block holds fewer) in stored order, never past 127 units and the NUL.
void GetRecentOutput(const ImeConfigData& ime, uint32_t count, char16_t (&buffer)[128]);
