// A settings text object (kind 2) living in the test program, standing in for
// the input method module's. Its text of a block is one line "模块数据=" with
// the text kept in the block's module area, and applySetting of that key
// keeps the value there; every call and release is recorded.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/DmeConfigData.h"
#include "config/SettingsTextObject.h"
#include "config/SkinConfigData.h"

struct AppliedSetting {
    const void* block;
    std::u16string key;
    std::u16string value;
    int32_t blockKind;

    bool operator==(const AppliedSetting&) const = default;
};

struct InProcessSettingsModule {
    std::vector<AppliedSetting> applied;
    int releases = 0;
    // Written instead of the block's own line when set; one of the buffer's
    // length or longer fills the buffer without a NUL.
    std::optional<std::u16string> fixedText;
};

// The module's state, reset by every InProcessSettingsObject.
InProcessSettingsModule& SettingsModule();

constexpr char16_t kModuleDataKey[] = u"模块数据";

// The module text kept in the block's module area, as its line writes it.
std::u16string ModuleDataOf(const DmeConfigData& dme);
std::u16string ModuleDataOf(const SkinConfigData& skin);
void SetModuleData(DmeConfigData& dme, std::u16string_view text);
void SetModuleData(SkinConfigData& skin, std::u16string_view text);

// The object's table with the chosen slots present; release is always there.
class InProcessSettingsObject {
public:
    explicit InProcessSettingsObject(bool withApplySetting = true, bool withWriteSettingsText = true);
    const SettingsTextTable* table() const { return &table_; }
    void* object() { return &table_; }

private:
    SettingsTextTable table_;
};
