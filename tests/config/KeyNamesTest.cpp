// Key names: the written forms, the parser's quirks that stored texts rely on,
// and that every name written reads back as the same key.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

#include "config/KeyNames.h"

namespace {

std::string Hex(KeyCode code) {
    char text[16];
    snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(code));
    return text;
}

TEST(KeyNameOfTest, WritesTableNamesAndCombinations) {
    const std::pair<KeyCode, std::u16string> cases[] = {
        {0x41, u"a"},
        {0x141, u"A"},
        {0x541, u"a+键Shift+键Ctrl"},
        {0x4445, u"e+键左Ctrl"},
        {0x60, u"０"},
        {0x20, u" "},
        {0x131, u"!"},
        {0x1DE, u"\""},
        {0x7C, u"键F13"},
        {0x170, u"键F1+键Shift"},  // no Shift-table name
        {0x10341, u"a+键右Shift+键Alt"},
        {0x43741, u"a+键左Shift+键左Alt+键右Ctrl"},
        {0x10D, u"键Enter+键Shift"},  // the same name in both tables
        {0x110, u"键Shift+键Shift"},
        {0xFF, u""},
        {0x4FF, u"+键Ctrl"},
    };
    for (const auto& [code, name] : cases) EXPECT_EQ(KeyNameOf(code), name) << Hex(code);
}

TEST(ParseKeyNameTest, ReadsTheBaseKeyFromTheStartAndModifiersFromAnywhere) {
    const std::pair<std::u16string, KeyCode> cases[] = {
        {u"", kNoKey},
        {u"a", 0x41},
        {u"A", 0x141},
        {u"a+键Ctrl", 0x441},
        {u"键Ctrl+a", 0x11},  // a plus sign and a letter is no modifier
        {u"键Escape", 0x1B},  // prefix match
        {u"键Esc", 0x1B},
        {u"中+键Ctrl", kNoKey},
        {u"键F1", 0x70},
        {u"键F10", 0x79},
        {u"键F13", 0x7C},
        {u"键F19+键Alt", 0x282},
        {u"键F24", 0x87},
        {u"键左Shift", 0xA0},
        {u"键Shift+键左Shift", 0x1110},
        {u"键Nothing+键Alt", 0x200},  // a "键" text naming no key: the modifiers alone
        {u"键", 0},
        {u"\t", 0x09},
        {u" ", 0x20},
        {u"\x07", 0x07},
        {u"+", 0x1BB},
        {u"++键右Ctrl", 0x405BB},
        {u"＋", 0x6B},
        {u"９+键Shift", 0x169},
        {u"\"", 0x1DE},
        {u"`", 0xC0},
        {u"~", 0x1C0},
        {u"Tab", 0x154},  // only its first character counts
        {u"a+键左Ctrl+键Ctrl", 0x4441},
        {u"a+键左Shift+键右Shift", 0x11141},
    };
    for (const auto& [text, code] : cases) EXPECT_EQ(ParseKeyName(text), code) << Hex(code);
}

TEST(KeyNameRoundTripTest, EveryTableKeyReadsBackAsItself) {
    for (KeyCode code = 0; code < 0x200; ++code) {
        if (KeyTableName(code).empty()) continue;
        const std::u16string name = KeyNameOf(code);
        EXPECT_LE(name.size(), kKeyNameUnits);
        EXPECT_EQ(ParseKeyName(name), code) << Hex(code);
    }
}

TEST(KeyNameRoundTripTest, EveryCombinationOfANamedKeyReadsBackAsItself) {
    const KeyCode shifts[] = {0, kKeyShift, kKeyShift | kKeyLeftShift, kKeyShift | kKeyRightShift};
    const KeyCode alts[] = {0, kKeyAlt, kKeyAlt | kKeyLeftAlt, kKeyAlt | kKeyRightAlt};
    const KeyCode ctrls[] = {0, kKeyCtrl, kKeyCtrl | kKeyLeftCtrl, kKeyCtrl | kKeyRightCtrl};
    for (KeyCode vk = 0; vk < 256; ++vk) {
        if (KeyTableName(vk).empty()) continue;
        for (KeyCode shift : shifts)
            for (KeyCode alt : alts)
                for (KeyCode ctrl : ctrls) {
                    const KeyCode code = vk | shift | alt | ctrl;
                    const std::u16string name = KeyNameOf(code);
                    EXPECT_LE(name.size(), kKeyNameUnits);
                    EXPECT_EQ(ParseKeyName(name), code) << Hex(code);
                }
    }
}

TEST(KeyTableNameTest, IsEmptyForCombinations) {
    const std::pair<KeyCode, std::u16string_view> cases[] = {
        {0x41, u"a"},  {0x141, u"A"}, {0x10D, u"键Enter"}, {0x1B, u"键Esc"}, {0x11B, u""},  {0x441, u""},
        {0x1041, u""}, {0xFE, u""},   {0xFF, u""},         {0x1FF, u""},     {kNoKey, u""}, {0x87, u"键F24"},
    };
    for (const auto& [code, name] : cases) EXPECT_EQ(KeyTableName(code), name) << Hex(code);
}

}  // namespace
