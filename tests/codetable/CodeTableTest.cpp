// The byte layout of tables, the entry flags, and the readers' handling of
// damaged headers, slots and records.
#include "codetable/CodeTable.h"

#include <gtest/gtest.h>

#include "codetable/EntryBuilder.h"
#include "codetable/EntryLookup.h"
#include "codetable/EntryOrder.h"
#include "codetable/PrefixTable.h"
#include "codetable/TableValidation.h"
#include "tests/codetable/TableTestSupport.h"

namespace {

TEST(CodeTableLayoutTest, FreshEmptyTableIs65696BytesWithTheFormatVersion) {
    TempDir dir;
    WriteTable(dir, "empty.dmg", {}).reset();
    const Bytes bytes = ReadBytes(dir.path() / "empty.dmg");
    ASSERT_EQ(bytes.size(), 65696u);
    EXPECT_EQ(LoadU32(bytes.data()), 65696u);     // dataStart
    EXPECT_EQ(LoadU32(bytes.data() + 4), 0u);     // entryCount
    EXPECT_EQ(LoadU32(bytes.data() + 8), 1u);     // tableKind
    EXPECT_EQ(bytes[28] | bytes[29] << 8, 772);   // formatVersion
    for (size_t i = 30; i < bytes.size(); ++i) ASSERT_EQ(bytes[i], 0) << "byte " << i;
}

TEST(CodeTableLayoutTest, OneEntryTableHasTheRecordAfterFourFreeBytes) {
    TempDir dir;
    std::u16string code = u"a";
    const Bytes record = BuildEntry(code, u"中", nullptr);
    WriteTable(dir, "one.dmg", {record}).reset();
    const Bytes bytes = ReadBytes(dir.path() / "one.dmg");
    ASSERT_EQ(bytes.size(), 65710u);
    EXPECT_EQ(LoadU32(bytes.data()), 65700u);
    EXPECT_EQ(LoadU32(bytes.data() + 4), 1u);
    EXPECT_EQ(LoadU32(bytes.data() + 65692), 65700u);
    EXPECT_EQ(LoadU32(bytes.data() + 65696), 0u);
    EXPECT_EQ(Bytes(bytes.begin() + 65700, bytes.end()), (Bytes{0, 0, 0, 0, 0x01, 'a', 0x03, 0xE4, 0xB8, 0xAD}));
}

TEST(CodeTableLayoutTest, HeaderFieldsSitAtTheirOffsets) {
    const CodeTableHeader header = NewTableHeader(KindWordList);
    const auto* bytes = reinterpret_cast<const uint8_t*>(&header);
    EXPECT_EQ(LoadU32(bytes + 8), 5u);
    EXPECT_EQ(bytes[28] | bytes[29] << 8, 772);
    EXPECT_EQ(TempSlotOffset(0), 67744u);
    EXPECT_EQ(TempSlotOffset(511), 200604u);
    EXPECT_EQ(TempSlotOffset(kTempSlotCount), 200864u);
}

TEST(EntryFlagsTest, FieldsMapToTheirBits) {
    struct Case {
        uint32_t value;
        uint16_t order;
        bool headMark;
        uint8_t category;
        bool pinned, deleted;
    };
    for (const Case& c : {Case{0x00000000, 0, false, 0, false, false}, Case{0x0000FFFF, 0xFFFF, false, 0, false, false},
                          Case{0x00100000, 0, true, 0, false, false}, Case{0x3F000000, 0, false, 63, false, false},
                          Case{0x01000400, 1024, false, 1, false, false}, Case{0x40000000, 0, false, 0, true, false},
                          Case{0x80000000, 0, false, 0, false, true}, Case{0xDF103FFF, 16383, true, 31, true, true}}) {
        const EntryFlags flags{c.value};
        EXPECT_EQ(flags.order(), c.order) << std::hex << c.value;
        EXPECT_EQ(flags.headMark(), c.headMark) << std::hex << c.value;
        EXPECT_EQ(flags.category(), c.category) << std::hex << c.value;
        EXPECT_EQ(flags.pinned(), c.pinned) << std::hex << c.value;
        EXPECT_EQ(flags.deleted(), c.deleted) << std::hex << c.value;

        EntryFlags built;
        built.setOrder(c.order);
        built.setHeadMark(c.headMark);
        built.setCategory(c.category);
        built.setPinned(c.pinned);
        built.setDeleted(c.deleted);
        EXPECT_EQ(built.value, c.value);
    }
    EntryFlags flags{0xFFFFFFFF};
    flags.setCategory(2);
    flags.setPinned(false);
    EXPECT_EQ(flags.value, 0xC2FFFFFF & ~0x40000000u);
}

TEST(WordListTest, RecordsHaveNoWordFieldAndFiveBytesOfOverhead) {
    const Bytes bytes = TableBytes({WordListRecord("ab", 7), WordListRecord("abc", 8)}, KindWordList);
    MappedFilePtr file = MemoryTable(bytes);
    const CodeTable table(file.get());
    const auto first = table.entryAt(0), second = table.entryAt(1);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->size, 7u);
    EXPECT_EQ(second->offset, first->offset + 7);
    EXPECT_EQ(std::string(first->code().begin(), first->code().end()), "ab");
    EXPECT_FALSE(first->hasWord);
    EXPECT_TRUE(first->word().empty());
    EXPECT_EQ(second->flags().value, 8u);
    EXPECT_EQ(ValidateTable(file.get(), nullptr, nullptr), "");
    // The last record ends at the end of the view: a code table reader would
    // take its next byte as a word length.
    EXPECT_EQ(second->offset + second->size, table.size());
}

// One damage applied to a valid table of three records (codes a, b, c).
struct Damage {
    const char* name;
    void (*apply)(Bytes&);
    uint32_t slotCount;                   // slots a reader may read
    std::vector<std::string> soundCodes;  // the entries it reads, in index order
};

uint32_t SlotOffset(const Bytes& bytes, int i) { return LoadU32(bytes.data() + kEntryIndexOffset + 4 * i); }

class DamagedTableTest : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedTableTest, ReadersSkipWhatLiesOutsideTheView) {
    Bytes bytes = TableBytes({Record("a", "x"), Record("b", "y"), Record("c", "z")});
    GetParam().apply(bytes);
    MappedFilePtr file = MemoryTable(bytes);
    const CodeTable table(file.get());
    EXPECT_EQ(table.slotCount(), GetParam().slotCount);
    std::vector<std::string> codes;
    for (const EntryText& entry : EntriesOf(file.get())) codes.push_back(entry.code);
    EXPECT_EQ(codes, GetParam().soundCodes);
    EXPECT_NE(ValidateTable(file.get(), nullptr, nullptr), "");

    // Every reader and the sort run over it without reading past the view.
    const Bytes key = Record("b", "y");
    FindEntry(file.get(), key.data() + 4, nullptr);
    const uint8_t prefix[] = {'b'};
    FindPrefixRange(file.get(), prefix, nullptr);
    CountEntriesByCategory(file.get());
    SortEntryIndex(file.get(), nullptr);
    BuildPrefixTable(file.get(), nullptr);
    codes.clear();
    for (const EntryText& entry : EntriesOf(file.get())) codes.push_back(entry.code);
    EXPECT_EQ(codes, GetParam().soundCodes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedTableTest,
    ::testing::Values(
        Damage{"SlotBeyondTheEnd", [](Bytes& b) { StoreU32(b.data() + kEntryIndexOffset + 4, 1000000); }, 3,
               {"a", "c"}},
        Damage{"SlotInsideTheIndex", [](Bytes& b) { StoreU32(b.data() + kEntryIndexOffset, kEntryIndexOffset); }, 3,
               {"b", "c"}},
        Damage{"SlotJustBeforeTheEnd",
               [](Bytes& b) { StoreU32(b.data() + kEntryIndexOffset, static_cast<uint32_t>(b.size() - 4)); }, 3,
               {"b", "c"}},
        Damage{"CodeLengthPastTheEnd", [](Bytes& b) { b[SlotOffset(b, 2) + 4] = 200; }, 3, {"a", "b"}},
        Damage{"WordLengthPastTheEnd", [](Bytes& b) { b[SlotOffset(b, 2) + 6] = 2; }, 3, {"a", "b"}},
        Damage{"EntryCountBeyondDataStart", [](Bytes& b) { StoreU32(b.data() + 4, 1000); }, 4, {"a", "b", "c"}},
        Damage{"DataStartInsideTheIndex", [](Bytes& b) { StoreU32(b.data(), kEntryIndexOffset + 8); }, 2, {"a", "b"}},
        Damage{"DataStartBeyondTheEnd", [](Bytes& b) { StoreU32(b.data(), 0xFFFFFFF0); }, 3, {"a", "b", "c"}},
        Damage{"HugeEntryCountAndDataStart",
               [](Bytes& b) {
                   StoreU32(b.data(), 0xFFFFFFFF);
                   StoreU32(b.data() + 4, 0xFFFFFFFF);
               },
               // The index would take the whole view, records included.
               10, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DamagedTableTest, ViewShorterThanTheIndexHasNoEntries) {
    Bytes bytes = TableBytes({Record("a", "x")});
    bytes.resize(kEntryIndexOffset - 1);
    MappedFilePtr file = MemoryTable(bytes);
    EXPECT_EQ(CodeTable(file.get()).slotCount(), 0u);
    const Bytes key = Record("a", "x");
    EXPECT_EQ(FindEntry(file.get(), key.data() + 4, nullptr), -1);
    EXPECT_EQ(CodeTable(nullptr).slotCount(), 0u);
}

TEST(CountEntriesByCategoryTest, CountsEveryEntryByItsSixCategoryBits) {
    TempDir dir;
    EntryFlags deletedUser;
    deletedUser.setCategory(kCategoryUser);
    deletedUser.setDeleted(true);
    MappedFilePtr table = WriteTable(dir, "main.dmg",
                                     {Record("a", "x", 0x01000400), Record("b", "x", 0x01000000),
                                      Record("c", "x", deletedUser.value), Record("d", "x", 0x1F000000),
                                      Record("e", "x", 0x28000000), Record("f", "x", 0)});
    const auto counts = CountEntriesByCategory(table.get());
    std::array<uint32_t, kCategoryCount> expected{};
    expected[0] = 1;
    expected[1] = 2;
    expected[2] = 1;
    expected[31] = 1;  // and category 40 is not counted
    EXPECT_EQ(counts, expected);
}

}  // namespace
