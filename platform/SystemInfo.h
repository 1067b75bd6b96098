// The clock, the system folder that 32-bit input method modules live in, and
// the version record of the running system.
#pragma once

#include <cstdint>
#include <string>

// Milliseconds since the system started; 32 bits wide, wraps after ~49.7 days.
uint32_t MillisecondsSinceStart();

// Calendar time in seconds since 1970.
int64_t CalendarSeconds();

// The folder of 32-bit system files (on 64-bit Windows the WOW64 one, else the
// ordinary system folder), ending in a backslash; empty when none is known.
std::u16string ModuleSystemFolder();

constexpr int kVersionRecordSize = 276;
// Fills the platform's 276-byte version record, its size field set first.
void QueryVersionRecord(uint8_t (&record)[kVersionRecordSize]);
