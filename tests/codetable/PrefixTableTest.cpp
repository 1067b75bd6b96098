// The prefix table against its definition.
#include "codetable/PrefixTable.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "codetable/TableEditing.h"
#include "tests/codetable/TableTestSupport.h"

namespace {

// Cells by the definition: the range of the codes beginning with c1 in
// [c1][0] and [c1][1], that of c1 c2 in [c1][c2] and [c1][c2 + 1], zero
// elsewhere.
std::vector<uint32_t> DefinedCells(const std::vector<EntryText>& entries) {
    auto range = [&](const std::string& prefix) {
        uint32_t start = 0, end = 0;
        for (const EntryText& entry : entries) {
            if (entry.code.starts_with(prefix))
                ++end;
            else if (entry.code < prefix)
                ++start, ++end;
        }
        return std::pair(start, end);
    };
    std::vector<uint32_t> cells(kPrefixCells, 0);
    for (const uint8_t c1 : KeyCharacters) {
        std::tie(cells[128 * c1], cells[128 * c1 + 1]) = range(std::string(1, static_cast<char>(c1)));
        for (const uint8_t c2 : KeyCharacters) {
            const auto [start, end] = range(std::string{static_cast<char>(c1), static_cast<char>(c2)});
            cells[128 * c1 + c2] = start;
            cells[128 * c1 + c2 + 1] = end;
        }
    }
    return cells;
}

std::vector<uint32_t> CellsOf(MappedFile* file) {
    const CodeTable table(file);
    std::vector<uint32_t> cells(kPrefixCells);
    for (int i = 0; i < kPrefixCells; ++i) cells[i] = table.prefixCell(static_cast<uint8_t>(i / 128), i % 128);
    return cells;
}

TEST(KeyCharactersTest, Are111DistinctBytesBelow128) {
    std::set<uint8_t> distinct(KeyCharacters.begin(), KeyCharacters.end());
    EXPECT_EQ(distinct.size(), 111u);
    EXPECT_LT(*distinct.rbegin(), 127);
    EXPECT_EQ(KeyCharacters[0], ' ');
    EXPECT_EQ(KeyCharacters[27], '1');
    EXPECT_EQ(KeyCharacters[36], '0');
    EXPECT_EQ(KeyCharacters[94], '?');
    EXPECT_EQ(KeyCharacters[95], 0x0A);
}

TEST(BuildPrefixTableTest, MatchesTheDefinitionOnRandomTables) {
    TempDir dir;
    std::mt19937 random(11);
    const std::string alphabet = std::string("abyz09AZ ;~-?") + '\x0A' + '\x19' + '\x7F';
    for (const int count : {0, 1, 40, 1500}) {
        MappedFilePtr table = WriteSortedTable(dir, std::to_string(count) + ".dmg",
                                               RandomRecords(random, count, alphabet, 3));
        EXPECT_EQ(CellsOf(table.get()), DefinedCells(EntriesOf(table.get()))) << count << " entries";
    }
}

TEST(BuildPrefixTableTest, ClearedTableHasAZeroPrefixTable) {
    TempDir dir;
    MappedFilePtr table = WriteSortedTable(dir, "main.dmg", {Record("a", "x"), Record("ab", "y")});
    ASSERT_EQ(CodeTable(table.get()).prefixCell('a', 'b'), 1u);
    ClearTable(table.get());
    EXPECT_EQ(CellsOf(table.get()), std::vector<uint32_t>(kPrefixCells, 0));
    BuildPrefixTable(table.get(), nullptr);
    EXPECT_EQ(CellsOf(table.get()), std::vector<uint32_t>(kPrefixCells, 0));
}

}  // namespace
