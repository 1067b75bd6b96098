// The word-list import: the list built from a source text, the '#' flag, and
// the copy over the old table.
#include "codetable/WordListImport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "codetable/CodeTable.h"
#include "codetable/TableValidation.h"
#include "tests/codetable/TableTestSupport.h"

namespace {

std::optional<bool> BuildList(const TempDir& dir, const std::string& source) {
    std::ofstream(dir.path() / "source.txt", std::ios::binary) << source;
    return BuildWordListTable(dir.File("source.txt").c_str(), dir.File("list.dmg").c_str(), nullptr);
}

TEST(BuildWordListTableTest, OneRecordPerNewTextOrdersCountingDownPerFirstCharacter) {
    TempDir dir;
    const std::string longText(300, 'x');
    ASSERT_EQ(BuildList(dir, "中国\n// comment\n中间\t#1\n中国\n///x\n" + longText + "\n"), std::optional<bool>(false));
    MappedFilePtr list(OpenMappedFile(dir.File("list.dmg").c_str()));
    ASSERT_TRUE(list);
    const CodeTable table(list.get());
    EXPECT_EQ(ValidateTable(list.get(), nullptr, nullptr), "");
    EXPECT_EQ(table.tableKind(), KindWordList);
    EXPECT_STREQ(table.header().tableName, "lxmb");
    EXPECT_EQ(std::memcmp(table.header().reserved62, "YN\0\0", 4), 0);
    EXPECT_EQ(table.size(), kEmptyTableSize + 4 * 4 + (6 + 5) + (9 + 5) + (3 + 5) + (250 + 5));
    EXPECT_EQ(EntriesOf(list.get()), (std::vector<EntryText>{{"//x", "", 32767},
                                                              {std::string(250, 'x'), "", 32767},
                                                              {"中国", "", 32767},
                                                              {"中间\t#1", "", 32766}}));
}

TEST(BuildWordListTableTest, TheHashFlagFollowsTheLinesOfTheFirstText) {
    TempDir dir;
    EXPECT_EQ(BuildList(dir, "a#b\nc\n"), std::optional<bool>(true));
    EXPECT_EQ(BuildList(dir, "ab\nab#\nc#\n"), std::optional<bool>(false));
    EXPECT_EQ(BuildList(dir, "// c#\n\xF0\x9F\x98\x80#\n"), std::optional<bool>(true));
    EXPECT_EQ(BuildList(dir, "// only a comment\n"), std::nullopt);
    EXPECT_EQ(BuildList(dir, ""), std::nullopt);
}

TEST(CopyTableOverTest, TheTableKeepsALongerLengthOrGrows) {
    TempDir dir;
    ASSERT_TRUE(BuildList(dir, "联想\n"));
    const Bytes list = ReadBytes(dir.path() / "list.dmg");
    WriteBytes(dir.path() / "long.dmg", Bytes(list.size() + 10, 0xEE));
    WriteBytes(dir.path() / "short.dmg", Bytes(10, 0xEE));
    ASSERT_TRUE(CopyTableOver(dir.File("list.dmg").c_str(), dir.File("long.dmg").c_str()));
    ASSERT_TRUE(CopyTableOver(dir.File("list.dmg").c_str(), dir.File("short.dmg").c_str()));
    Bytes expected = list;
    expected.insert(expected.end(), 10, 0xEE);
    EXPECT_EQ(ReadBytes(dir.path() / "long.dmg"), expected);
    EXPECT_EQ(ReadBytes(dir.path() / "short.dmg"), list);
    EXPECT_FALSE(CopyTableOver(dir.File("list.dmg").c_str(), dir.File("missing.dmg").c_str()));
    EXPECT_EQ(WordListImport(dir.File("long.dmg").c_str(), dir.File("missing.txt").c_str(), dir.File("list.dmg").c_str(),
                             nullptr),
              std::nullopt);
}

}  // namespace
