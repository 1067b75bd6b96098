// The settings text and code operation objects, and the choice by kind. The
// objects are static tables, so release has nothing to free.
#include "sampleime/SampleObjects.h"

#include "base/FixedText.h"
#include "codetable/CodeOps.h"
#include "codetable/EntryKey.h"
#include "config/SettingsTextObject.h"
#include "sampleime/SamplePanels.h"
#include "sampleime/SampleSettings.h"

namespace {

void Release() {}

void ApplySetting(void* block, const char16_t* key, const char16_t* value, int32_t blockKind) {
    ApplySettingText(block, blockKind, key, value);
}

void WriteSettingsText(const void* block, char16_t* buffer, int32_t capacity, int32_t blockKind) {
    if (capacity > 0) CopyCut(buffer, static_cast<size_t>(capacity), SettingsText(block, blockKind));
}

const SettingsTextTable kSettingsText = {Release, ApplySetting, WriteSettingsText};

// The sample's codes are the program's own: codes stored as their text (the
// null slots) and keys in the default order.
const CodeOpsTable kCodeOps = {Release, nullptr, nullptr, CompareCodeBytes, CompareEntryKeys};

}  // namespace

void* ObjectOfKind(int32_t kind) {
    switch (kind) {
        case kPanelProviderKind:
            return PanelProvider();
        case kSettingsTextObjectKind:
            return const_cast<SettingsTextTable*>(&kSettingsText);
        case kCodeOpsKind:
            return const_cast<CodeOpsTable*>(&kCodeOps);
        default:
            return nullptr;
    }
}
