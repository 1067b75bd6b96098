// The input method module's code operations (object kind 3): how a code text
// is stored and how keys are ordered. Obtained at the start of one operation
// and released at its end; an absent object or slot means the table
// operations use their own defaults, so every accessor may return null.
#pragma once

#include <cstdint>

#include "platform/ModuleObject.h"

// Keys are record keys: code length, code bytes, word length, word bytes.
using CompareKeysFunction = int32_t (*)(const uint8_t* a, const uint8_t* b);
// With no destination and capacity 0, the length of the stored code; else it
// writes the length byte and the code bytes and returns the length.
using EncodeCodeFunction = int32_t (*)(const char16_t* code, uint8_t* destination, int32_t capacity);
// A length-prefixed code as a NUL-terminated display text.
using DecodeCodeFunction = int32_t (*)(const uint8_t* code, char16_t* destination, int32_t capacity);

// The object as the module lays it out: plain function pointers at its own
// address, none of which takes the object.
struct CodeOpsTable {
    void (*release)();
    EncodeCodeFunction encodeCode;
    DecodeCodeFunction decodeCode;
    CompareKeysFunction compareCode;
    CompareKeysFunction compareEntry;
};

constexpr int32_t kCodeOpsKind = 3;

class CodeOps {
public:
    CodeOps() = default;  // no object
    explicit CodeOps(ModuleHandle module);
    ~CodeOps();  // releases the object once
    CodeOps(CodeOps&& other) noexcept;
    CodeOps& operator=(CodeOps&& other) noexcept;
    CodeOps(const CodeOps&) = delete;
    CodeOps& operator=(const CodeOps&) = delete;

    bool present() const { return table_ != nullptr; }
    EncodeCodeFunction encodeCode() const { return table_ ? table_->encodeCode : nullptr; }
    DecodeCodeFunction decodeCode() const { return table_ ? table_->decodeCode : nullptr; }
    CompareKeysFunction compareCode() const { return table_ ? table_->compareCode : nullptr; }
    CompareKeysFunction compareEntry() const { return table_ ? table_->compareEntry : nullptr; }

private:
    void Release();

    const CodeOpsTable* table_ = nullptr;
};
