#include "app/RecentOutput.h"

#include <algorithm>
#include <string>

#include "base/FixedText.h"
#include "base/LittleEndian.h"

void GetRecentOutput(const ImeConfigData& ime, uint32_t count, char16_t (&buffer)[128]) {
    buffer[0] = 0;
    // A count beyond the records the block has room for is not believed.
    const uint32_t held = std::min<uint32_t>(ime.recentOutputCount, kRecentOutputCapacity);
    const uint32_t taken = std::min(count, held);
    std::u16string text;
    for (uint32_t i = held - taken; i < held; ++i) text += TextOf(ime.recentOutput[i].text);
    CopyCut(buffer, text);
}
