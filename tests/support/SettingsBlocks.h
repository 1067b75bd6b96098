// The IME, DME and skin options blocks of a new config.dsc with its defaults,
// each in an allocation of its own size, so that AddressSanitizer sees any
// access past a block.
#pragma once

#include <cstdint>
#include <vector>

#include "config/DmeConfigData.h"
#include "config/ImeConfigData.h"
#include "config/SkinConfigData.h"

struct SettingsBlocks {
    SettingsBlocks();

    ImeConfigData& ime() { return *reinterpret_cast<ImeConfigData*>(imeBytes.data()); }
    DmeConfigData& dme() { return *reinterpret_cast<DmeConfigData*>(dmeBytes.data()); }
    SkinConfigData& skin() { return *reinterpret_cast<SkinConfigData*>(skinBytes.data()); }

    std::vector<uint8_t> imeBytes;
    std::vector<uint8_t> dmeBytes;
    std::vector<uint8_t> skinBytes;
};
