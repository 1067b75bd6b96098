// Natively the clock and the system folder are set by the tests; the version
// record carries only its size.
#include "platform/SystemInfo.h"

#include <cstring>

#include "platform/posix/FakeSystem.h"

namespace {

struct FakeSystem {
    uint32_t milliseconds = 0;
    int64_t seconds = 0;
    std::u16string folder = u"/system/";
};

FakeSystem& Fake() {
    static FakeSystem fake;
    return fake;
}

}  // namespace

void SetFakeClock(uint32_t millisecondsSinceStart, int64_t calendarSeconds) {
    Fake().milliseconds = millisecondsSinceStart;
    Fake().seconds = calendarSeconds;
}

void SetFakeModuleSystemFolder(const std::u16string& folder) { Fake().folder = folder; }

uint32_t MillisecondsSinceStart() { return Fake().milliseconds; }

int64_t CalendarSeconds() { return Fake().seconds; }

std::u16string ModuleSystemFolder() { return Fake().folder; }

void QueryVersionRecord(uint8_t (&record)[kVersionRecordSize]) {
    std::memset(record, 0, sizeof record);
    const uint32_t size = kVersionRecordSize;
    std::memcpy(record, &size, sizeof size);
}
