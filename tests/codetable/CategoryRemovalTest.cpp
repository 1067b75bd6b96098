// Removing categories from main.dmg, and clearing tables as the page does.
#include "codetable/CategoryRemoval.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "codetable/CodeTable.h"
#include "codetable/TableClearing.h"
#include "codetable/TableEditing.h"
#include "codetable/TableValidation.h"
#include "tests/codetable/TableTestSupport.h"

namespace {

uint32_t InCategory(uint8_t category, uint16_t order = 1) { return uint32_t{category} << 24 | order; }

Bytes BytesOf(const MappedFile& file) { return Bytes(file.view, file.view + file.size); }

TEST(RemoveCategoriesTest, KeepsTheOtherCategoriesAtTheEndOfTheFile) {
    TempDir dir;
    MappedFilePtr table = WriteSortedTable(dir, "main.dmg",
                                           {Record("b", "用", InCategory(2)), Record("a", "系", InCategory(1)),
                                            Record("c", "分", InCategory(16)), Record("ab", "用", InCategory(2)),
                                            Record("d", "辅", InCategory(4))});
    // Some entries added later, below the first ones, as AppendEntry places them.
    ASSERT_TRUE(AppendEntry(table.get(), Record("e", "用", InCategory(2))));
    ASSERT_TRUE(AppendEntry(table.get(), Record("aa", "分", InCategory(16))));
    const uint32_t size = table->size;

    ASSERT_TRUE(RemoveCategories(table.get(), 1u << 2 | 1u << 4, nullptr));
    EXPECT_EQ(table->size, size);
    EXPECT_EQ(ValidateTable(table.get(), nullptr, nullptr), "");
    EXPECT_EQ(EntriesOf(table.get()), (std::vector<EntryText>{{"a", "系", InCategory(1)},
                                                               {"aa", "分", InCategory(16)},
                                                               {"c", "分", InCategory(16)}}));
    EXPECT_EQ(CodeTable(table.get()).dataStart(), size - (10 + 11 + 10));
}

TEST(RemoveCategoriesTest, RemovingTheOnlyCategoryClearsAndRemovingNoneChangesNothing) {
    TempDir dir;
    MappedFilePtr table = WriteSortedTable(dir, "main.dmg", {Record("a", "x", InCategory(2)), Record("b", "y", InCategory(2))});
    const Bytes before = BytesOf(*table);
    ASSERT_TRUE(RemoveCategories(table.get(), 1u << 3, nullptr));
    EXPECT_EQ(BytesOf(*table), before);

    ASSERT_TRUE(RemoveCategories(table.get(), 1u << 2, nullptr));
    const CodeTable view(table.get());
    EXPECT_EQ(view.entryCount(), 0u);
    EXPECT_EQ(view.dataStart(), table->size);
    EXPECT_TRUE(std::all_of(table->view + kPrefixTableOffset, table->view + kEntryIndexOffset,
                            [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(ValidateTable(table.get(), nullptr, nullptr), "");
}

TEST(RemoveCategoriesTest, RefusesTablesWhoseEntryAreaIsNotWholeRecords) {
    struct Case {
        const char* what;
        void (*damage)(Bytes&);
    };
    const Case cases[] = {
        {"dataStart inside a record", [](Bytes& b) { StoreU32(b.data(), LoadU32(b.data()) + 1); }},
        {"a record running past the end", [](Bytes& b) { b[b.size() - 2] = 200; }},
        {"a record no slot refers to", [](Bytes& b) { StoreU32(b.data() + 4, 1); }},
        {"a word list", [](Bytes& b) { StoreU32(b.data() + 8, KindWordList); }},
    };
    for (const Case& c : cases) {
        Bytes bytes = TableBytes({Record("a", "x", InCategory(2)), Record("b", "y", InCategory(1))});
        c.damage(bytes);
        MappedFilePtr table = MemoryTable(bytes);
        EXPECT_FALSE(RemoveCategories(table.get(), 1u << 2, nullptr)) << c.what;
        EXPECT_EQ(BytesOf(*table), bytes) << c.what;
    }
}

TEST(ClearTableAtTest, TemporaryTablePointsAtItsFixedSlotsOtherTablesAreCleared) {
    Bytes temp(TempSlotOffset(kTempSlotCount), 0x5A);
    StoreU32(temp.data(), 70000);
    StoreU32(temp.data() + 4, 3);
    MappedFilePtr table = MemoryTable(temp);
    ASSERT_TRUE(ClearTableAt(table.get(), u"C:\\data\\temp.dmg"));
    const CodeTable view(table.get());
    EXPECT_EQ(view.entryCount(), 0u);
    EXPECT_EQ(view.dataStart(), 70000u);
    for (uint32_t k = 0; k < kTempSlotCount; ++k) ASSERT_EQ(view.slot(k), 67744 + 260 * k);
    EXPECT_EQ(view.slot(511), 200604u);
    EXPECT_EQ(view.prefixCell('a', 'b'), 0x5A5A5A5Au);

    MappedFilePtr shortTemp = MemoryTable(Bytes(TempSlotOffset(kTempSlotCount) - 1, 0x5A));
    EXPECT_FALSE(ClearTableAt(shortTemp.get(), u"temp.dmg"));
    EXPECT_EQ(CodeTable(shortTemp.get()).entryCount(), 0x5A5A5A5Au);

    MappedFilePtr other = MemoryTable(TableBytes({Record("a", "x")}));
    ASSERT_TRUE(ClearTableAt(other.get(), u"C:\\data\\engl.dmg"));
    EXPECT_EQ(CodeTable(other.get()).entryCount(), 0u);
    EXPECT_EQ(CodeTable(other.get()).dataStart(), other->size);
}

}  // namespace
