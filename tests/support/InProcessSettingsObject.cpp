#include "tests/support/InProcessSettingsObject.h"

#include <algorithm>
#include <cstring>

#include "base/FixedText.h"
#include "base/LittleEndian.h"

namespace {

// The module areas hold a NUL-terminated UTF-16 text, nothing after it.
template <size_t Bytes>
Le16* UnitsOf(uint8_t (&area)[Bytes]) {
    return reinterpret_cast<Le16*>(area);
}
template <size_t Bytes>
const Le16* UnitsOf(const uint8_t (&area)[Bytes]) {
    return reinterpret_cast<const Le16*>(area);
}

template <size_t Bytes>
void StoreText(uint8_t (&area)[Bytes], std::u16string_view text) {
    std::memset(area, 0, Bytes);
    CopyCut(UnitsOf(area), Bytes / 2, text);
}

void Release() { ++SettingsModule().releases; }

void ApplySetting(void* block, const char16_t* key, const char16_t* value, int32_t blockKind) {
    SettingsModule().applied.push_back({block, key, value, blockKind});
    if (std::u16string_view(key) != kModuleDataKey) return;
    if (blockKind == kDmeBlockKind) SetModuleData(*static_cast<DmeConfigData*>(block), value);
    if (blockKind == kSkinBlockKind) SetModuleData(*static_cast<SkinConfigData*>(block), value);
}

void WriteSettingsText(const void* block, char16_t* buffer, int32_t capacity, int32_t blockKind) {
    std::u16string text;
    if (SettingsModule().fixedText) {
        text = *SettingsModule().fixedText;
    } else {
        const std::u16string data = blockKind == kDmeBlockKind
                                        ? ModuleDataOf(*static_cast<const DmeConfigData*>(block))
                                        : ModuleDataOf(*static_cast<const SkinConfigData*>(block));
        text = std::u16string(kModuleDataKey) + u"=" + data + u"\r\n";
    }
    // A text as long as the buffer fills it without a NUL, as a careless
    // module would.
    const size_t n = std::min(text.size(), static_cast<size_t>(capacity));
    text.copy(buffer, n);
    if (n < static_cast<size_t>(capacity)) buffer[n] = 0;
}

}  // namespace

InProcessSettingsModule& SettingsModule() {
    static InProcessSettingsModule module;
    return module;
}

std::u16string ModuleDataOf(const DmeConfigData& dme) {
    return TextOf(UnitsOf(dme.moduleSettings), sizeof dme.moduleSettings / 2);
}
std::u16string ModuleDataOf(const SkinConfigData& skin) {
    return TextOf(UnitsOf(skin.moduleData), sizeof skin.moduleData / 2);
}
void SetModuleData(DmeConfigData& dme, std::u16string_view text) { StoreText(dme.moduleSettings, text); }
void SetModuleData(SkinConfigData& skin, std::u16string_view text) { StoreText(skin.moduleData, text); }

InProcessSettingsObject::InProcessSettingsObject(bool withApplySetting, bool withWriteSettingsText)
    : table_{Release, withApplySetting ? ApplySetting : nullptr, withWriteSettingsText ? WriteSettingsText : nullptr} {
    SettingsModule() = {};
}
