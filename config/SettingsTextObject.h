// The input method module's settings text object (kind 2): the module's own
// text form of the DME and skin options blocks. The caller asks the module for
// it at the start of one operation, hands its table to the settings text
// writer or reader, and releases it at the end.
#pragma once

#include <cstdint>

constexpr int32_t kSettingsTextObjectKind = 2;

// Which block a call is about.
constexpr int32_t kDmeBlockKind = 1;
constexpr int32_t kSkinBlockKind = 2;

// Stores one setting into the block in place; key and value are NUL-terminated.
using ApplySettingFunction = void (*)(void* block, const char16_t* key, const char16_t* value, int32_t blockKind);
// Fills the buffer of `capacity` units with the block's settings as a
// NUL-terminated text of lines that applySetting accepts back.
using WriteSettingsTextFunction = void (*)(const void* block, char16_t* buffer, int32_t capacity, int32_t blockKind);

// The object as the module lays it out: plain function pointers at its own
// address, none of which takes the object. A null slot is a missing service.
struct SettingsTextTable {
    void (*release)();
    ApplySettingFunction applySetting;
    WriteSettingsTextFunction writeSettingsText;
};

// Owns the object that ZVITFGetObject gave (or null) and releases it once.
class SettingsTextObject {
public:
    explicit SettingsTextObject(void* object) : table_(static_cast<const SettingsTextTable*>(object)) {}
    ~SettingsTextObject();
    SettingsTextObject(const SettingsTextObject&) = delete;
    SettingsTextObject& operator=(const SettingsTextObject&) = delete;

    // Null when the module has no such object.
    const SettingsTextTable* table() const { return table_; }

private:
    const SettingsTextTable* table_;
};
