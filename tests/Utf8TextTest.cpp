// UTF-8 forms of UTF-16 texts: the byte counts, the cut at a character
// boundary, lone surrogates, and the UTF-8 test of text files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Utf8Text.h"

namespace {

TEST(ToUtf8Test, GivesTheBytesOfEveryFormAndTheWholeLength) {
    struct Case {
        std::u16string text;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {u"a", {0x61}},
        {u"\u00E9", {0xC3, 0xA9}},
        {u"中", {0xE4, 0xB8, 0xAD}},
        {u"\U0001F600", {0xF0, 0x9F, 0x98, 0x80}},
        {u"a\u00E9中\U0001F600", {0x61, 0xC3, 0xA9, 0xE4, 0xB8, 0xAD, 0xF0, 0x9F, 0x98, 0x80}},
        {std::u16string(u"ab\0cd", 5), {0x61, 0x62}},  // the text ends at its NUL
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> buffer(16, 0xEE);
        EXPECT_EQ(ToUtf8(c.text, buffer.data(), buffer.size()), static_cast<ptrdiff_t>(c.bytes.size()));
        EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.begin() + c.bytes.size()), c.bytes);
        EXPECT_EQ(buffer[c.bytes.size()], 0) << "a NUL follows when there is room";
        EXPECT_EQ(ToUtf8(c.text, nullptr, 0), static_cast<ptrdiff_t>(c.bytes.size())) << "length only";
    }
}

TEST(ToUtf8Test, StoresOnlyWholeCharactersAndNothingAfterTheFirstThatDoesNotFit) {
    uint8_t buffer[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(ToUtf8(u"a中b", buffer, 3), 5) << "the whole text's length";
    EXPECT_EQ(buffer[0], 0x61);
    EXPECT_EQ(buffer[1], 0) << "中 does not fit, and b after it is not stored either";
    EXPECT_EQ(buffer[2], 0xEE);

    uint8_t exact[3] = {0xEE, 0xEE, 0xEE};
    EXPECT_EQ(ToUtf8(u"中", exact, 3), 3);
    EXPECT_EQ(exact[2], 0xAD) << "no room for the NUL";
}

TEST(ToUtf8Test, ALoneSurrogateEndsTheConversion) {
    uint8_t buffer[8];
    for (const std::u16string text : {u"a\xD800",
                                      u"a\xD800"
                                      u"b",
                                      u"\xDC00", u"a\xDC00\xD800"})
        EXPECT_EQ(ToUtf8(text, buffer, sizeof buffer), -1);
    EXPECT_EQ(WithLoneSurrogatesReplaced(u"a\xD800"
                                         u"b\xDC00\U0001F600\xDBFF"),
              u"a\uFFFDb\uFFFD\U0001F600\uFFFD");
}

TEST(IsUtf8TextTest, WantsWellMadeSequencesAndOneHighByte) {
    struct Case {
        std::vector<uint8_t> bytes;
        bool utf8;
    };
    const Case cases[] = {
        {{}, false},
        {{'a', 'b'}, false},         // nothing above 0x7F: left to the code page
        {{0xE4, 0xB8, 0xAD}, true},  // 中
        {{'a', 0xC3, 0xA9, 'b'}, true},
        {{0xD6, 0xD0, 0xCE, 0xC4}, false},  // 中文 in GBK
        {{0xE4, 0xB8}, false},              // a continuation byte missing at the end
        {{0xE4, 'a', 0xAD}, false},         // an ASCII byte where a continuation byte belongs
        {{0x80, 'a'}, false},               // a continuation byte without a lead byte
        {{0xC3, 0xA9, 0xA9}, false},        // one continuation byte too many
        {{0xF0, 0x9F, 0x98, 0x80}, true},
        {{0xC0, 0x80}, true},                                      // counted, not judged: the overlong form passes
        {{0xFF, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}, true},  // 0xFF expects seven
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsUtf8Text(c.bytes.data(), c.bytes.size()), c.utf8) << testing::PrintToString(c.bytes);
}

}  // namespace
