// The two key-name tables, the modifier suffixes, and the conversions between
// KeyCode and key name.
#include "config/KeyNames.h"

#include <array>
#include <cstdint>

namespace {

using NameTable = std::array<std::u16string_view, 256>;

constexpr char16_t kDigits[] = u"0123456789";
constexpr char16_t kShiftedDigits[] = u")!@#$%^&*(";
constexpr char16_t kSmallLetters[] = u"abcdefghijklmnopqrstuvwxyz";
constexpr char16_t kCapitalLetters[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr char16_t kWideDigits[] = u"０１２３４５６７８９";
constexpr char16_t kPlainOem1[] = u";=,-./`";  // 0xBA to 0xC0
constexpr char16_t kShiftedOem1[] = u":+<_>?~";
constexpr char16_t kPlainOem2[] = u"[\\]'";  // 0xDB to 0xDE
constexpr char16_t kShiftedOem2[] = u"{|}\"";
constexpr char16_t kBell[] = u"\x07";

constexpr std::u16string_view kFunctionKeys[24] = {u"键F1",  u"键F2",  u"键F3",  u"键F4",  u"键F5",  u"键F6",
                                                   u"键F7",  u"键F8",  u"键F9",  u"键F10", u"键F11", u"键F12",
                                                   u"键F13", u"键F14", u"键F15", u"键F16", u"键F17", u"键F18",
                                                   u"键F19", u"键F20", u"键F21", u"键F22", u"键F23", u"键F24"};

// One-character names for the keys from `first` on, one per character.
template <size_t N>
constexpr void PutCharacters(NameTable& table, int first, const char16_t (&characters)[N]) {
    for (size_t i = 0; i + 1 < N; ++i) table[first + i] = std::u16string_view(characters + i, 1);
}

constexpr NameTable MakePlainNames() {
    NameTable t{};
    PutCharacters(t, 0x07, kBell);
    t[0x08] = u"键Backspace";
    t[0x09] = u"键Tab";
    t[0x0D] = u"键Enter";
    t[0x10] = u"键Shift";
    t[0x11] = u"键Ctrl";
    t[0x12] = u"键Alt";
    t[0x13] = u"键Pause";
    t[0x14] = u"键CapsLock";
    t[0x1B] = u"键Esc";
    t[0x20] = u" ";
    t[0x21] = u"键PageUp";
    t[0x22] = u"键PageDown";
    t[0x23] = u"键End";
    t[0x24] = u"键Home";
    t[0x25] = u"键左箭头";
    t[0x26] = u"键上箭头";
    t[0x27] = u"键右箭头";
    t[0x28] = u"键下箭头";
    t[0x2C] = u"键PrtSc";
    t[0x2D] = u"键Insert";
    t[0x2E] = u"键Delete";
    PutCharacters(t, 0x30, kDigits);
    PutCharacters(t, 0x41, kSmallLetters);
    PutCharacters(t, 0x60, kWideDigits);
    t[0x6A] = u"＊";
    t[0x6B] = u"＋";
    t[0x6D] = u"－";
    t[0x6E] = u"．";
    t[0x6F] = u"／";
    for (int i = 0; i < 24; ++i) t[0x70 + i] = kFunctionKeys[i];
    t[0x90] = u"键NumLock";
    t[0x91] = u"键Scroll";
    t[0xA0] = u"键左Shift";
    t[0xA1] = u"键右Shift";
    t[0xA2] = u"键左Ctrl";
    t[0xA3] = u"键右Ctrl";
    t[0xA4] = u"键左Alt";
    t[0xA5] = u"键右Alt";
    PutCharacters(t, 0xBA, kPlainOem1);
    PutCharacters(t, 0xDB, kPlainOem2);
    return t;
}

constexpr NameTable MakeShiftNames() {
    NameTable t{};
    PutCharacters(t, 0x07, kBell);
    t[0x0D] = u"键Enter";
    t[0x10] = u"键Shift";
    PutCharacters(t, 0x30, kShiftedDigits);
    PutCharacters(t, 0x41, kCapitalLetters);
    PutCharacters(t, 0xBA, kShiftedOem1);
    PutCharacters(t, 0xDB, kShiftedOem2);
    return t;
}

constexpr NameTable kPlainNames = MakePlainNames();
constexpr NameTable kShiftNames = MakeShiftNames();

struct ModifierSuffix {
    std::u16string_view text;
    KeyCode bits;
};

// In the order written: for each modifier the first whose bits are all set.
constexpr ModifierSuffix kModifierSuffixes[3][3] = {
    {{u"+键左Shift", kKeyShift | kKeyLeftShift}, {u"+键右Shift", kKeyShift | kKeyRightShift}, {u"+键Shift", kKeyShift}},
    {{u"+键左Alt", kKeyAlt | kKeyLeftAlt}, {u"+键右Alt", kKeyAlt | kKeyRightAlt}, {u"+键Alt", kKeyAlt}},
    {{u"+键左Ctrl", kKeyCtrl | kKeyLeftCtrl}, {u"+键右Ctrl", kKeyCtrl | kKeyRightCtrl}, {u"+键Ctrl", kKeyCtrl}},
};

// The virtual key at the start of the text, 0 for a "键" text naming no key,
// or -1.
KeyCode BaseKeyOf(std::u16string_view text) {
    if (text.starts_with(u"键")) {
        // The longest name wins, so that "键F13" is not read as "键F1".
        KeyCode key = 0;
        size_t longest = 0;
        for (int vk = 0; vk < 256; ++vk) {
            const std::u16string_view name = kPlainNames[vk];
            if (name.size() > longest && name.starts_with(u"键") && text.starts_with(name)) {
                key = vk;
                longest = name.size();
            }
        }
        return key;
    }
    const std::u16string_view first = text.substr(0, 1);
    if (first == u"\t") return 0x09;
    for (int vk = 0; vk < 256; ++vk) {
        if (kPlainNames[vk] == first) return vk;
        if (kShiftNames[vk] == first) return vk | kKeyShift;
    }
    return kNoKey;
}

}  // namespace

KeyCode ParseKeyName(std::u16string_view text) {
    if (text.empty()) return kNoKey;
    const KeyCode key = BaseKeyOf(text);
    if (key == kNoKey) return kNoKey;
    // Bits are or-ed, not added, so that a suffix written twice in another
    // form ("+键左Ctrl" and "+键Ctrl") cannot carry into a neighbouring bit.
    KeyCode modifiers = 0;
    for (const auto& group : kModifierSuffixes)
        for (const ModifierSuffix& suffix : group)
            if (text.find(suffix.text) != std::u16string_view::npos) modifiers |= suffix.bits;
    return key | modifiers;
}

std::u16string_view KeyTableName(KeyCode code) {
    const auto bits = static_cast<uint32_t>(code);
    if ((bits & ~static_cast<uint32_t>(kKeyShift)) >= 255) return {};
    return ((bits & kKeyShift) ? kShiftNames : kPlainNames)[bits & kVirtualKeyMask];
}

std::u16string KeyNameOf(KeyCode code) {
    const std::u16string_view tableName = KeyTableName(code);
    const std::u16string_view plainName = kPlainNames[code & kVirtualKeyMask];
    // "键Enter" and "键Shift" name their keys in both tables; written alone,
    // the Shift-table binding would read back as the plain one.
    if (!tableName.empty() && !((code & kKeyShift) && tableName == plainName)) return std::u16string(tableName);
    // At most 31 units: within the 63 of the text form.
    std::u16string name(plainName);
    for (const auto& group : kModifierSuffixes) {
        for (const ModifierSuffix& suffix : group) {
            if ((code & suffix.bits) == suffix.bits) {
                name += suffix.text;
                break;
            }
        }
    }
    return name;
}
