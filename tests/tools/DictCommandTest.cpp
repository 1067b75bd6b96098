// zvtool dict: reading the source text and writing a dictionary that the
// lookups read back.
#include "tools/zvtool/DictCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "tests/support/TempDir.h"

namespace {

TEST(DictCommandTest, ReadsTabSeparatedLinesAndSkipsTheRest) {
    std::istringstream in("\xEF\xBB\xBF中国\tZhong1 guo2 China\r\n\nno tab here\n\tno headword\n中\tzhong1\tmiddle\n");
    size_t skipped = 0;
    const auto entries = ReadDictSource(in, skipped);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].headword, "中国");
    EXPECT_EQ(entries[0].explanation, "Zhong1 guo2 China");
    EXPECT_EQ(entries[1].headword, "中");
    EXPECT_EQ(entries[1].explanation, "zhong1\tmiddle");
    EXPECT_EQ(skipped, 2u);
}

TEST(DictCommandTest, WritesADictionaryTheLookupsRead) {
    TempDir dir;
    WriteBytes(dir.path() / "source.txt", {'a', '\t', 'x', '\n', 'b', '\t', 'y', '\n'});
    ASSERT_EQ(RunDictCommand((dir.path() / "source.txt").string(), (dir.path() / "dict.dms").string()), 0);
    MappedFilePtr file(OpenMappedFile(dir.File("dict.dms").c_str()));
    ASSERT_TRUE(file);
    auto found = FindExactEntries(file.get(), u"b");
    ASSERT_TRUE(found);
    EXPECT_EQ(DecodeRecordText(found->records.at(0)), u"y");
    EXPECT_EQ(RunDictCommand((dir.path() / "missing.txt").string(), (dir.path() / "x.dms").string()), 1);
}

}  // namespace
