// The software options block of config.dsc ("zv_soft_config_data_default"):
// the identity and versions of the installed input method and its code table
// categories. Only the fields listed here are read or written; the rest of the
// block is the input method's, and so is its header, except in a new file.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/LittleEndian.h"
#include "config/SettingsFile.h"

constexpr int kCategorySlots = 32;
constexpr size_t kCategoryNameUnits = 32;

// categoryFlags, one word per category name.
constexpr uint32_t kCategoryEditable = 0x1;  // may be edited, imported, exported, replaced and cleared
constexpr uint32_t kCategoryInUse = 0x2;

// The texts have no capacity of their own; each field here reaches to the
// next known field, so that reading a text never leaves it.
struct SoftConfigData {
    static constexpr char kName[] = "zv_soft_config_data_default";

    SettingsBlockHeader header;
    uint8_t unused36[4];
    uint8_t imeGuid[16];
    Le16 displayName[128];
    Le16 programVersionText[128];  // of the installed input method
    Le16 versionText[1248];        // of the installed data, four dot-separated numbers
    Le16 updateUrlTemplate[1163];
    uint8_t reserved;
    uint8_t unused5391[69];
    // Index 0 names the whole input code table, 1 to 4 the system, user,
    // secondary and auxiliary tables, 16 to 31 the custom categories; an empty
    // name means the table is not present.
    Le16 categoryNames[kCategorySlots][kCategoryNameUnits];
    Le32 categoryFlags[kCategorySlots];
    Le32 programBuild;  // "%d.%d" of these two names the versioned data folder
    Le32 dataBuild;
};
static_assert(offsetof(SoftConfigData, imeGuid) == 40);
static_assert(offsetof(SoftConfigData, displayName) == 56);
static_assert(offsetof(SoftConfigData, programVersionText) == 312);
static_assert(offsetof(SoftConfigData, versionText) == 568);
static_assert(offsetof(SoftConfigData, updateUrlTemplate) == 3064);
static_assert(offsetof(SoftConfigData, reserved) == 5390);
static_assert(offsetof(SoftConfigData, categoryNames) == 5460);
static_assert(offsetof(SoftConfigData, categoryFlags) == 7508);
static_assert(offsetof(SoftConfigData, programBuild) == 7636);
static_assert(offsetof(SoftConfigData, dataBuild) == 7640);
static_assert(sizeof(SoftConfigData) == 7644 && alignof(SoftConfigData) == 1);
