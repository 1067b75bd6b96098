// The default order of keys, exact lookups and prefix ranges.
#include "codetable/EntryLookup.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "codetable/EntryKey.h"
#include "codetable/EntryOrder.h"
#include "codetable/PrefixTable.h"
#include "tests/codetable/TableTestSupport.h"

namespace {

Bytes Code(std::string_view bytes) { return MakeEntryKey({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, {}); }

TEST(CompareCodeBytesTest, OrdersBytewiseUnsignedAndShorterFirst) {
    struct Case {
        std::string_view a, b;
        int32_t expected;
    };
    for (const Case& c : {Case{"a", "aa", -1}, Case{"aa", "ab", -1}, Case{"ab", "aa", 1}, Case{"abc", "abc", 0},
                          Case{"", "a", -1}, Case{"", "", 0}, Case{"\x7F", "\x80", -1}, Case{"b", "abcd", 1},
                          Case{"a\x10", "a", 1}}) {
        EXPECT_EQ(CompareCodeBytes(Code(c.a).data(), Code(c.b).data()), c.expected) << c.a << " / " << c.b;
    }
}

TEST(CompareEntryKeysTest, CodeDecidesThenWord) {
    const Bytes a = Record("ab", "z"), b = Record("abc", "a"), c = Record("ab", "zz");
    EXPECT_LT(CompareEntryKeys(a.data() + 4, b.data() + 4), 0);
    EXPECT_LT(CompareEntryKeys(a.data() + 4, c.data() + 4), 0);
    EXPECT_GT(CompareEntryKeys(c.data() + 4, a.data() + 4), 0);
    EXPECT_EQ(CompareEntryKeys(a.data() + 4, a.data() + 4), 0);
}

TEST(FindEntryTest, FoundPositionPlusOneOrMinusTheInsertionPosition) {
    TempDir dir;
    MappedFilePtr empty = WriteTable(dir, "empty.dmg", {});
    const Bytes probe = Record("a", "x");
    EXPECT_EQ(FindEntry(empty.get(), probe.data() + 4, nullptr), 0);
    EXPECT_EQ(FindEntry(nullptr, probe.data() + 4, nullptr), -1);

    MappedFilePtr table = WriteSortedTable(
        dir, "main.dmg", {Record("b", "x"), Record("d", "x"), Record("d", "y"), Record("f", "x"), Record("h", "x")});
    struct Case {
        std::string_view code, word;
        int32_t expected;
    };
    for (const Case& c : {Case{"a", "x", 0}, Case{"b", "x", 1}, Case{"c", "x", -1}, Case{"d", "x", 2},
                          Case{"d", "xa", -2}, Case{"d", "y", 3}, Case{"f", "x", 4}, Case{"h", "x", 5},
                          Case{"h", "y", -5}, Case{"z", "x", -5}, Case{"b", "", 0}}) {
        const Bytes key = Record(c.code, c.word);
        EXPECT_EQ(FindEntry(table.get(), key.data() + 4, nullptr), c.expected) << c.code << " " << c.word;
    }
}

// A module order: codes compare backwards (last byte first); the table's
// entry must be the first argument.
int32_t ReversedCodes(const uint8_t* a, const uint8_t* b) {
    std::string x(a + 1, a + 1 + a[0]), y(b + 1, b + 1 + b[0]);
    std::reverse(x.begin(), x.end());
    std::reverse(y.begin(), y.end());
    return x < y ? -1 : x > y ? 1 : 0;
}
const uint8_t* lastFirstArgument = nullptr;
int32_t ReversedCodesNoting(const uint8_t* a, const uint8_t* b) {
    lastFirstArgument = a;
    return ReversedCodes(a, b);
}

TEST(FindEntryTest, UsesTheModuleOrderWithTheTableEntryFirst) {
    TempDir dir;
    MappedFilePtr table = WriteTable(dir, "main.dmg", {Record("ab", "x"), Record("ba", "x"), Record("ca", "x")});
    SortEntryIndex(table.get(), ReversedCodes);  // ba, ca, ab
    const Bytes key = Record("ab", "x");
    EXPECT_EQ(FindEntry(table.get(), key.data() + 4, ReversedCodesNoting), 3);
    EXPECT_GE(lastFirstArgument, table->view);
    EXPECT_LT(lastFirstArgument, table->view + table->size);
    EXPECT_EQ(FindEntry(table.get(), key.data() + 4, nullptr), 0) << "the default order is another one";
}

// Brute-force prefix range: the entries whose code begins with `prefix`,
// which the index keeps contiguous.
PrefixRange ScanPrefix(const std::vector<EntryText>& entries, std::string_view prefix) {
    int32_t start = 0;
    while (start < static_cast<int32_t>(entries.size()) && entries[start].code < prefix &&
           !entries[start].code.starts_with(prefix))
        ++start;
    int32_t end = start;
    while (end < static_cast<int32_t>(entries.size()) && entries[end].code.starts_with(prefix)) ++end;
    return {start, end};
}

TEST(FindPrefixRangeTest, MatchesAScanOnRandomTables) {
    TempDir dir;
    std::mt19937 random(7);
    // Letters, a few other key characters and folded code bytes.
    const std::string alphabet = std::string("abcxyz019AZ ;~") + '\x0A' + '\x10' + '\x19';
    for (int round = 0; round < 4; ++round) {
        MappedFilePtr table =
            WriteSortedTable(dir, std::to_string(round) + ".dmg", RandomRecords(random, 300 + 200 * round, alphabet));
        const std::vector<EntryText> entries = EntriesOf(table.get());
        for (const char c1 : alphabet + "bq") {
            const std::string one(1, c1);
            const PrefixRange range = FindPrefixRange(table.get(), {reinterpret_cast<const uint8_t*>(one.data()), 1}, nullptr);
            const PrefixRange expected = ScanPrefix(entries, one);
            EXPECT_EQ(range.start, expected.start) << "prefix " << one;
            EXPECT_EQ(range.end, expected.end) << "prefix " << one;
            for (const char c2 : alphabet) {
                const std::string two = one + c2;
                const PrefixRange range2 =
                    FindPrefixRange(table.get(), {reinterpret_cast<const uint8_t*>(two.data()), 2}, nullptr);
                const PrefixRange expected2 = ScanPrefix(entries, two);
                ASSERT_EQ(range2.start, expected2.start) << "prefix " << two;
                ASSERT_EQ(range2.end, expected2.end) << "prefix " << two;
            }
        }
    }
}

TEST(FindPrefixRangeTest, EdgesOfTheSearchKey) {
    TempDir dir;
    // "a\xF0" equals the search key that ends the range of "a", and "\x01"
    // would be reached by lowering a prefix byte of 0.
    MappedFilePtr table = WriteSortedTable(
        dir, "main.dmg", {Record("\x01", "x"), Record("a", "x"), Record("a\xF0", "x"), Record("b", "x")});
    struct Case {
        std::string prefix;
        PrefixRange expected;
    };
    for (const Case& c : {Case{"a", {1, 3}}, Case{"b", {3, 4}}, Case{std::string(1, '\0'), {0, 0}},
                          Case{std::string("a\0", 2), {2, 2}}, Case{"\x01", {0, 1}}, Case{"c", {4, 4}}}) {
        const PrefixRange range = FindPrefixRange(
            table.get(), {reinterpret_cast<const uint8_t*>(c.prefix.data()), c.prefix.size()}, nullptr);
        EXPECT_EQ(range.start, c.expected.start) << c.prefix;
        EXPECT_EQ(range.end, c.expected.end) << c.prefix;
    }
    const uint8_t three[] = {'a', 'b', 'c'};
    EXPECT_EQ(FindPrefixRange(table.get(), three, nullptr).start, -1);
    EXPECT_EQ(FindPrefixRange(nullptr, {three, 1}, nullptr).end, -1);
    MappedFilePtr empty = WriteTable(dir, "empty.dmg", {});
    EXPECT_EQ(FindPrefixRange(empty.get(), {three, 1}, nullptr).end, 0);
}

}  // namespace
