// ValidateTable finds each broken invariant.
#include "codetable/TableValidation.h"

#include <gtest/gtest.h>

#include "codetable/EntryOrder.h"
#include "codetable/PrefixTable.h"
#include "tests/codetable/TableTestSupport.h"

namespace {

// A sound table of four records (8 bytes each), sorted and with its prefix
// table, as bytes.
Bytes SoundTable() {
    MappedFilePtr file = MemoryTable(TableBytes({Record("b", "x"), Record("a", "x"), Record("ab", "x"), Record("c", "x")}));
    SortEntryIndex(file.get(), nullptr);
    BuildPrefixTable(file.get(), nullptr);
    return Bytes(file->view, file->view + file->size);
}

uint8_t* Slot(Bytes& b, int i) { return b.data() + kEntryIndexOffset + 4 * i; }

struct Violation {
    const char* name;
    void (*apply)(Bytes&);
    const char* problem;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const Violation& violation, std::ostream* out) { *out << violation.name; }

class TableValidationTest : public ::testing::TestWithParam<Violation> {};

TEST_P(TableValidationTest, ReportsTheFirstViolation) {
    Bytes bytes = SoundTable();
    GetParam().apply(bytes);
    MappedFilePtr file = MemoryTable(bytes);
    EXPECT_EQ(ValidateTable(file.get(), nullptr, nullptr), GetParam().problem);
}

// Index order a, ab, b, c; records b, a, ab, c from 65712; the file ends at 65745.
INSTANTIATE_TEST_SUITE_P(
    Cases, TableValidationTest,
    ::testing::Values(
        Violation{"Sound", [](Bytes&) {}, ""},
        Violation{"ShorterThanAnEmptyTable", [](Bytes& b) { b.resize(65695); },
                  "the file is 65695 bytes, shorter than an empty table (65696 bytes)"},
        Violation{"DataStartBeyondTheEnd", [](Bytes& b) { StoreU32(b.data(), 70000); },
                  "dataStart 70000 lies beyond the end of the file at 65745"},
        Violation{"GapBelowFourBytes", [](Bytes& b) { StoreU32(b.data() + 4, 5); },
                  "the index of 5 entries ends at 65712, less than 4 bytes before dataStart 65712"},
        Violation{"SlotBelowDataStart", [](Bytes& b) { StoreU32(Slot(b, 1), 65708); },
                  "entry 1: offset 65708 lies outside the entry area [65712, 65745)"},
        Violation{"RecordPastTheEnd", [](Bytes& b) { StoreU32(Slot(b, 3), 65740); },
                  "entry 3 at 65740: the record runs past the end of the file"},
        Violation{"EmptyWord", [](Bytes& b) { b[65712 + 6] = 0; }, "entry 2 at 65712: the word is empty"},
        Violation{"OutOfOrder", [](Bytes& b) { std::swap_ranges(Slot(b, 0), Slot(b, 1), Slot(b, 2)); },
                  "entries 0 and 1 are out of order"},
        Violation{"TwoSlotsOneRecord",
                  [](Bytes& b) {
                      // Both a and ab point at a; the index stays in order.
                      StoreU32(Slot(b, 1), LoadU32(Slot(b, 0)));
                  },
                  "two slots point at the record at 65720"},
        Violation{"Overlap", [](Bytes& b) { b[65726] = 2; },  // a's word now takes ab's first byte
                  "the records at 65720 and 65728 overlap"},
        Violation{"Hole",
                  [](Bytes& b) {
                      b.insert(b.begin() + 65737, 0);  // c moves one byte up
                      StoreU32(Slot(b, 3), 65738);
                  },
                  "bytes 65737 to 65738 belong to no entry"},
        Violation{"BytesAfterTheLastRecord", [](Bytes& b) { b.push_back(0); },
                  "bytes 65745 to 65746 belong to no entry"},
        Violation{"StalePrefixCell", [](Bytes& b) { StoreU32(b.data() + kPrefixTableOffset + 4 * (128 * 'a' + 'b'), 2); },
                  "prefix cell [97][98] holds 2, a rebuild gives 1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TableValidationTest, WordListMayKeepOldBytesAfterItsRecords) {
    Bytes bytes = TableBytes({WordListRecord("a"), WordListRecord("b")}, KindWordList);
    bytes.insert(bytes.end(), 20, 0x77);
    MappedFilePtr file = MemoryTable(bytes);
    EXPECT_EQ(ValidateTable(file.get(), nullptr, nullptr), "");
    const CodeTable table(file.get());
    const uint32_t first = table.slot(0);
    table.setSlot(0, table.slot(1));
    table.setSlot(1, first);
    EXPECT_EQ(ValidateTable(file.get(), nullptr, nullptr), "entries 0 and 1 are out of order");
    EXPECT_EQ(ValidateTable(nullptr, nullptr, nullptr), "there is no table");
}

}  // namespace
