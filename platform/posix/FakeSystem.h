// Natively the clock and the system folder are values the tests set.
#pragma once

#include <cstdint>
#include <string>

void SetFakeClock(uint32_t millisecondsSinceStart, int64_t calendarSeconds);
void SetFakeModuleSystemFolder(const std::u16string& folder);
