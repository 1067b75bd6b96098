// The sample module's own settings, kept in the module areas of the DME and
// skin options blocks, and their text form as key=value lines. The panels and
// the settings text object both go through these functions, so a value edited
// in one reads back in the other.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "config/DmeConfigData.h"
#include "config/SkinConfigData.h"

struct DmeSettings {
    bool autoCommitUnique = true;  // "四码唯一自动上屏"
    bool emptyCodeBeep = false;    // "空码提示音"

    bool operator==(const DmeSettings&) const = default;
};

struct Colour {
    uint8_t red, green, blue;

    bool operator==(const Colour&) const = default;
};

constexpr int kMinFontSize = 9;
constexpr int kMaxFontSize = 36;

struct SkinSettings {
    int fontSize = 16;                       // "候选字号", kMinFontSize to kMaxFontSize
    Colour textColour{0, 0, 0};              // "文字颜色", "#RRGGBB"
    Colour backgroundColour{255, 255, 255};  // "背景颜色"

    bool operator==(const SkinSettings&) const = default;
};

// An area the module has never written reads as the defaults.
DmeSettings ReadDmeSettings(const DmeConfigData& dme);
SkinSettings ReadSkinSettings(const SkinConfigData& skin);
// Writes the settings and marks the area as written; the rest of it stays.
void StoreDmeSettings(DmeConfigData& dme, const DmeSettings& settings);
void StoreSkinSettings(SkinConfigData& skin, const SkinSettings& settings);

// The block's settings as "key=value" lines, each ending in CR LF.
std::u16string SettingsText(const void* block, int32_t blockKind);
// Stores one line's setting; an unknown key, block kind or a value outside
// its range leaves the block unchanged and answers false.
bool ApplySettingText(void* block, int32_t blockKind, std::u16string_view key, std::u16string_view value);
