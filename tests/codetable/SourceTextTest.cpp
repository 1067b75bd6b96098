// Source texts: read through the text file decoder, split into lines at runs
// of CR and LF.
#include "codetable/SourceText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TempDir.h"

namespace {

std::vector<std::u16string> Lines(std::u16string_view text) {
    std::vector<std::u16string> lines;
    ForEachSourceLine(text, [&](size_t start, size_t length) { lines.emplace_back(text.substr(start, length)); });
    return lines;
}

TEST(SourceTextTest, RunsOfLineBreaksEndOneLine) {
    struct Case {
        std::u16string text;
        std::vector<std::u16string> lines;
    };
    const Case cases[] = {
        {u"", {}},
        {u"\r\n\n\r", {}},
        {u"a\tb", {u"a\tb"}},
        {u"\r\na\r\n\r\nb\n\rc\r", {u"a", u"b", u"c"}},
        {u"x\ry\nz", {u"x", u"y", u"z"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Lines(c.text), c.lines);
}

TEST(SourceTextTest, ReadsEveryEncodingAndReportsWhatCannotBeRead) {
    TempDir dir;
    WriteBytes(dir.path() / "be.txt", {0xFE, 0xFF, 0x4E, 0x2D, 0x00, '\t', 0x00, 'k'});
    WriteBytes(dir.path() / "empty.txt", {});
    std::u16string text;
    EXPECT_EQ(ReadSourceText(dir.File("be.txt").c_str(), text), kTextFileRead);
    EXPECT_EQ(text, u"中\tk");
    EXPECT_EQ(ReadSourceText(dir.File("empty.txt").c_str(), text), kTextFileRead);
    EXPECT_EQ(text, u"");
    EXPECT_EQ(ReadSourceText(dir.File("missing.txt").c_str(), text), kTextFileCannotOpen);
    EXPECT_EQ(ReadSourceText(u"", text), kTextFileNoPath);
}

}  // namespace
