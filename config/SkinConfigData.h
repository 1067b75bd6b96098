// The skin options block of config.dsc ("zv_skin_config_data_default"): its
// data belongs to the input method module, reached only through the module's
// settings object.
#pragma once

#include <cstddef>
#include <cstdint>

#include "config/SettingsFile.h"

struct SkinConfigData {
    static constexpr char kName[] = "zv_skin_config_data_default";
    static constexpr uint8_t kType = 3;

    SettingsBlockHeader header;
    uint8_t moduleData[696];
};
static_assert(offsetof(SkinConfigData, moduleData) == 36);
static_assert(sizeof(SkinConfigData) == 732 && alignof(SkinConfigData) == 1);
