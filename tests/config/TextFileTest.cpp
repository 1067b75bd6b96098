// Loading text files in the encodings a user may save the settings text in,
// and the failures reported to the caller.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/TextFile.h"
#include "tests/support/TempDir.h"

namespace {

std::u16string Read(const TempDir& dir, const std::vector<uint8_t>& bytes, TextFileStatus expected = kTextFileRead) {
    WriteBytes(dir.path() / "text.txt", bytes);
    std::u16string text = u"old";
    EXPECT_EQ(ReadTextFile(dir.File("text.txt").c_str(), text), expected);
    return text;
}

TEST(ReadTextFileTest, DecodesByByteOrderMarkOrByTheBytes) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        std::u16string text;
    };
    const Case cases[] = {
        {"UTF-8 with its mark", {0xEF, 0xBB, 0xBF, 'a', 0xE4, 0xB8, 0xAD, '\r', '\n'}, u"a中\r\n"},
        {"UTF-8 without a mark", {'k', '=', 0xE4, 0xB8, 0xAD}, u"k=中"},
        {"UTF-8, four bytes", {0xEF, 0xBB, 0xBF, 0xF0, 0x9F, 0x98, 0x80}, u"\U0001F600"},
        {"UTF-8 mark, bad bytes",
         {0xEF, 0xBB, 0xBF, 'a', 0xC0, 0x80, 0xE4, 0xB8, 'b', 0xED, 0xA0, 0x80},
         u"a\uFFFD\uFFFD\uFFFD\uFFFDb\uFFFD\uFFFD\uFFFD"},
        {"UTF-16 little-endian", {0xFF, 0xFE, 'a', 0, 0x2D, 0x4E}, u"a中"},
        {"UTF-16 big-endian", {0xFE, 0xFF, 0, 'a', 0x4E, 0x2D}, u"a中"},
        {"UTF-16 little-endian, odd last byte", {0xFF, 0xFE, 'a', 0, 'b'}, u"ab"},
        {"ASCII through the code page", {'P', '2', '=', 'L', '1', 'B', '1'}, u"P2=L1B1"},
        {"only a mark", {0xEF, 0xBB, 0xBF}, u""},
        {"empty", {}, u""},
        {"the text ends at its NUL", {0xFF, 0xFE, 'a', 0, 0, 0, 'b', 0}, u"a"},
    };
    TempDir dir;
    for (const Case& c : cases) EXPECT_EQ(Read(dir, c.bytes), c.text) << c.what;
}

#ifndef _WIN32
// On Windows the code page is the system's own, which the test prefix does
// not fix; natively it is GBK.
TEST(ReadTextFileTest, TextThatIsNoUtf8IsReadInTheCodePage) {
    TempDir dir;
    EXPECT_EQ(Read(dir, {'k', '=', 0xD6, 0xD0, 0xCE, 0xC4}), u"k=中文");
    EXPECT_EQ(Read(dir, {'a', 0xFF, 'b', 0xD6}), u"a\uFFFDb\uFFFD") << "bytes of no character";
}
#endif

TEST(ReadTextFileTest, ReportsWhyNothingWasRead) {
    TempDir dir;
    std::u16string text = u"old";
    EXPECT_EQ(ReadTextFile(dir.File("missing.txt").c_str(), text), kTextFileCannotOpen);
    EXPECT_EQ(text, u"");
    text = u"old";
    EXPECT_EQ(ReadTextFile(dir.path().u16string().c_str(), text), kTextFileCannotOpen) << "a folder";
    EXPECT_EQ(ReadTextFile(u"", text), kTextFileNoPath);
    EXPECT_EQ(ReadTextFile(nullptr, text), kTextFileNoPath);
}

}  // namespace
