// Sorting the index and placing one new slot.
#include "codetable/EntryOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "codetable/EntryKey.h"
#include "codetable/TableEditing.h"
#include "tests/codetable/TableTestSupport.h"

namespace {

std::vector<uint32_t> SlotsOf(MappedFile* file) {
    const CodeTable table(file);
    std::vector<uint32_t> slots;
    for (uint32_t i = 0; i < table.slotCount(); ++i) slots.push_back(table.slot(i));
    return slots;
}

// The expected order: code bytes, then word bytes, then offset.
std::vector<uint32_t> ReferenceOrder(MappedFile* file) {
    const CodeTable table(file);
    std::vector<std::tuple<std::string, std::string, uint32_t>> keys;
    for (uint32_t i = 0; i < table.slotCount(); ++i) {
        const auto entry = table.entryAt(i);
        keys.emplace_back(std::string(entry->code().begin(), entry->code().end()),
                          std::string(entry->word().begin(), entry->word().end()), entry->offset);
    }
    std::sort(keys.begin(), keys.end());
    std::vector<uint32_t> slots;
    for (const auto& key : keys) slots.push_back(std::get<2>(key));
    return slots;
}

// Records whose codes test every part of the sort's summary: bytes 0 and
// 0xFF, lengths around four, equal codes with words of equal beginnings, and
// fully equal duplicates.
std::vector<Bytes> AwkwardRecords(std::mt19937& random) {
    std::vector<Bytes> records = RandomRecords(random, 1500, std::string("ab\xFF", 3) + '\0', 6);
    for (int i = 0; i < 100; ++i) records.push_back(records[random() % records.size()]);
    for (const char* word : {"abcd", "abce", "abc", "ab", "abcd"}) records.push_back(Record("abcd", word));
    std::shuffle(records.begin(), records.end(), random);
    return records;
}

TEST(SortEntryIndexTest, OrdersByCodeThenWordThenOffset) {
    TempDir dir;
    std::mt19937 random(3);
    const std::vector<Bytes> records = AwkwardRecords(random);
    MappedFilePtr summarised = WriteTable(dir, "a.dmg", records);
    MappedFilePtr inPlace = WriteTable(dir, "b.dmg", records);
    SortEntryIndex(summarised.get(), nullptr);
    // The default order passed as a module's goes the other way through the sort.
    SortEntryIndex(inPlace.get(), CompareCodeBytes);
    EXPECT_EQ(SlotsOf(summarised.get()), ReferenceOrder(summarised.get()));
    EXPECT_EQ(SlotsOf(inPlace.get()), SlotsOf(summarised.get()));
}

TEST(SortEntryIndexTest, ResultDoesNotDependOnTheStartingOrder) {
    TempDir dir;
    std::mt19937 random(5);
    const std::vector<Bytes> records = AwkwardRecords(random);
    MappedFilePtr table = WriteTable(dir, "main.dmg", records);
    SortEntryIndex(table.get(), nullptr);
    const std::vector<uint32_t> sorted = SlotsOf(table.get());
    std::vector<uint32_t> shuffled = sorted;
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    for (size_t i = 0; i < shuffled.size(); ++i) CodeTable(table.get()).setSlot(static_cast<uint32_t>(i), shuffled[i]);
    SortEntryIndex(table.get(), nullptr);
    EXPECT_EQ(SlotsOf(table.get()), sorted);
}

int32_t ReversedCodes(const uint8_t* a, const uint8_t* b) {
    std::string x(a + 1, a + 1 + a[0]), y(b + 1, b + 1 + b[0]);
    std::reverse(x.begin(), x.end());
    std::reverse(y.begin(), y.end());
    return x < y ? -1 : x > y ? 1 : 0;
}

TEST(SortEntryIndexTest, ModuleOrderThenWords) {
    TempDir dir;
    MappedFilePtr table = WriteTable(
        dir, "main.dmg", {Record("ba", "y"), Record("ab", "x"), Record("ca", "x"), Record("ba", "x"), Record("ab", "a")});
    SortEntryIndex(table.get(), ReversedCodes);
    std::vector<std::pair<std::string, std::string>> order;
    for (const EntryText& entry : EntriesOf(table.get())) order.emplace_back(entry.code, entry.word);
    EXPECT_EQ(order, (std::vector<std::pair<std::string, std::string>>{
                         {"ba", "x"}, {"ba", "y"}, {"ca", "x"}, {"ab", "a"}, {"ab", "x"}}));
}

TEST(SortEntryIndexTest, WordListsSortByTextAndDamagedEntriesGoLast) {
    Bytes bytes = TableBytes({WordListRecord("zz"), WordListRecord("ba"), WordListRecord("m"), WordListRecord("ab")},
                             KindWordList);
    StoreU32(bytes.data() + kEntryIndexOffset, 900000);  // "zz" is lost
    StoreU32(bytes.data() + kEntryIndexOffset + 8, 800000);  // and "m"
    MappedFilePtr file = MemoryTable(bytes);
    SortEntryIndex(file.get(), ReversedCodes);  // not applied to a word list
    std::vector<std::string> texts;
    for (const EntryText& entry : EntriesOf(file.get())) texts.push_back(entry.code);
    EXPECT_EQ(texts, (std::vector<std::string>{"ab", "ba"}));
    const CodeTable table(file.get());
    EXPECT_EQ(table.slot(2), 800000u);
    EXPECT_EQ(table.slot(3), 900000u);
}

TEST(PlaceLastEntryTest, GivesTheIndexAFullSortWould) {
    TempDir dir;
    std::mt19937 random(9);
    std::vector<Bytes> records = RandomRecords(random, 400, "abcde", 3);
    MappedFilePtr placed = WriteSortedTable(dir, "a.dmg", records);
    MappedFilePtr sorted = WriteSortedTable(dir, "b.dmg", records);
    // New keys, a key already present, one that sorts first and one last.
    std::vector<Bytes> added = RandomRecords(random, 30, "abcdef", 3);
    added.push_back(records[17]);
    added.push_back(Record("\x01", "x"));
    added.push_back(Record("zzzz", "x"));
    for (const Bytes& record : added) {
        ASSERT_TRUE(AppendEntry(placed.get(), record));
        ASSERT_TRUE(AppendEntry(sorted.get(), record));
        PlaceLastEntry(placed.get(), nullptr);
        SortEntryIndex(sorted.get(), nullptr);
        ASSERT_EQ(SlotsOf(placed.get()), SlotsOf(sorted.get()));
    }
    MappedFilePtr module = WriteTable(dir, "c.dmg", records);
    MappedFilePtr moduleSorted = WriteTable(dir, "d.dmg", records);
    SortEntryIndex(module.get(), ReversedCodes);
    SortEntryIndex(moduleSorted.get(), ReversedCodes);
    for (const Bytes& record : added) {
        ASSERT_TRUE(AppendEntry(module.get(), record));
        ASSERT_TRUE(AppendEntry(moduleSorted.get(), record));
        PlaceLastEntry(module.get(), ReversedCodes);
        SortEntryIndex(moduleSorted.get(), ReversedCodes);
        ASSERT_EQ(SlotsOf(module.get()), SlotsOf(moduleSorted.get()));
    }
}

}  // namespace
