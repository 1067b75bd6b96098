// Appending, removing and clearing, each leaving a sound table or the table
// as it was.
#include "codetable/TableEditing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "codetable/EntryLookup.h"
#include "codetable/EntryOrder.h"
#include "codetable/PrefixTable.h"
#include "codetable/TableValidation.h"
#include "tests/codetable/TableTestSupport.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

namespace {

// A table of `records` in the fresh layout but with `free` bytes between the
// end of the index and dataStart, less the 4 the next slot takes.
Bytes TableWithFreeBytes(const std::vector<Bytes>& records, uint32_t free) {
    // A fresh table has exactly the 4 bytes of the next slot.
    Bytes bytes = TableBytes(records);
    const uint32_t dataStart = LoadU32(bytes.data());
    bytes.insert(bytes.begin() + dataStart, free, 0);
    StoreU32(bytes.data(), dataStart + free);
    for (size_t i = 0; i < records.size(); ++i) {
        uint8_t* slot = bytes.data() + kEntryIndexOffset + 4 * i;
        StoreU32(slot, LoadU32(slot) + free);
    }
    return bytes;
}

MappedFilePtr OpenTable(const TempDir& dir, const std::string& name, const Bytes& bytes) {
    WriteBytes(dir.path() / name, bytes);
    return MappedFilePtr(OpenMappedFile(dir.File(name).c_str()));
}

void Finish(MappedFile* table) {
    SortEntryIndex(table, nullptr);
    BuildPrefixTable(table, nullptr);
}

Bytes ViewBytes(const MappedFile* file) { return Bytes(file->view, file->view + file->size); }

const std::vector<Bytes> kTwo = {Record("a", "x"), Record("b", "y")};  // 8 bytes each
const Bytes kNew = Record("c", "中");                                  // 10 bytes

struct AppendCase {
    uint32_t free;
    enum { Below, AtEnd, MovesLowest } where;
};

class AppendEntryTest : public ::testing::TestWithParam<AppendCase> {};

TEST_P(AppendEntryTest, StoresTheRecordWhereTheGapAllows) {
    TempDir dir;
    MappedFilePtr table = OpenTable(dir, "main.dmg", TableWithFreeBytes(kTwo, GetParam().free));
    ASSERT_TRUE(table && IsMappedToFile(*table));
    const CodeTable view(table.get());
    const uint32_t size = view.size(), dataStart = view.dataStart();
    const uint32_t lowest = view.slot(0);
    ASSERT_EQ(lowest, dataStart);

    ASSERT_TRUE(AppendEntry(table.get(), kNew));
    EXPECT_EQ(view.entryCount(), 3u);
    const uint32_t at = view.slot(2);
    EXPECT_EQ(Bytes(table->view + at, table->view + at + kNew.size()), kNew);
    switch (GetParam().where) {
        case AppendCase::Below:
            EXPECT_EQ(view.size(), size);
            EXPECT_EQ(view.dataStart(), dataStart - 10);
            EXPECT_EQ(at, dataStart - 10);
            break;
        case AppendCase::AtEnd:
            EXPECT_EQ(view.size(), size + 10);
            EXPECT_EQ(view.dataStart(), dataStart);
            EXPECT_EQ(at, size);
            break;
        case AppendCase::MovesLowest:
            // The record at dataStart moves to the old end, the new one after it.
            EXPECT_EQ(view.size(), size + 8 + 10);
            EXPECT_EQ(view.dataStart(), dataStart + 8);
            EXPECT_EQ(view.slot(0), size);
            EXPECT_EQ(at, size + 8);
            EXPECT_EQ(Bytes(table->view + size, table->view + size + 8), kTwo[0]);
            break;
    }
    Finish(table.get());
    EXPECT_EQ(ValidateTable(table.get(), nullptr, nullptr), "");
    EXPECT_EQ(EntriesOf(table.get()),
              (std::vector<EntryText>{{"a", "x", 0}, {"b", "y", 0}, {"c", "中", 0}}));
    const uint32_t afterSize = view.size();
    table.reset();
    EXPECT_EQ(std::filesystem::file_size(dir.path() / "main.dmg"), afterSize);
}

INSTANTIATE_TEST_SUITE_P(Gaps, AppendEntryTest,
                         ::testing::Values(AppendCase{0, AppendCase::MovesLowest},
                                           AppendCase{4, AppendCase::MovesLowest},
                                           AppendCase{5, AppendCase::AtEnd}, AppendCase{14, AppendCase::AtEnd},
                                           AppendCase{15, AppendCase::Below}, AppendCase{100, AppendCase::Below}));

TEST(AppendEntryTest, FreshTableRelocatesItsOnlyRecord) {
    TempDir dir;
    MappedFilePtr table = WriteTable(dir, "main.dmg", {Record("a", "xyz")});
    ASSERT_TRUE(AppendEntry(table.get(), kNew));
    const CodeTable view(table.get());
    EXPECT_EQ(view.size(), 65710u + 10 + 10);
    EXPECT_EQ(view.dataStart(), 65710u);
    EXPECT_EQ(view.slot(0), 65710u);
    EXPECT_EQ(view.slot(1), 65720u);
    Finish(table.get());
    EXPECT_EQ(ValidateTable(table.get(), nullptr, nullptr), "");
}

TEST(AppendEntryTest, FreshEmptyTableGrowsForItsFirstRecord) {
    TempDir dir;
    MappedFilePtr table = WriteTable(dir, "main.dmg", {});
    ASSERT_EQ(table->size, kEmptyTableSize);
    ASSERT_TRUE(AppendEntry(table.get(), kNew));
    const CodeTable view(table.get());
    EXPECT_EQ(view.size(), kEmptyTableSize + 4 + kNew.size());
    EXPECT_EQ(view.dataStart(), kEmptyTableSize + 4);
    EXPECT_EQ(view.slot(0), kEmptyTableSize + 4);
    ASSERT_TRUE(AppendEntry(table.get(), Record("b", "uvw")));
    Finish(table.get());
    EXPECT_EQ(ValidateTable(table.get(), nullptr, nullptr), "");
    EXPECT_EQ(EntriesOf(table.get()).size(), 2u);
}

TEST(AppendEntryTest, RefusalsLeaveTheTableAsItWas) {
    TempDir dir;
    struct Case {
        const char* name;
        Bytes table;
        Bytes record;
    };
    Bytes orphan = TableBytes(kTwo);
    StoreU32(orphan.data() + kEntryIndexOffset, LoadU32(orphan.data() + kEntryIndexOffset + 4));
    Bytes overlapping = TableBytes(kTwo);
    StoreU32(overlapping.data() + 4, 5);  // the index runs into the records
    Bytes badSize = kNew;
    badSize.push_back(0);
    for (const Case& c : {Case{"NoSlotAtDataStart", orphan, kNew}, Case{"UnsoundLayout", overlapping, kNew},
                          Case{"RecordLongerThanItsLengths", TableBytes(kTwo), badSize},
                          Case{"RecordCutShort", TableBytes(kTwo), Bytes(kNew.begin(), kNew.end() - 1)},
                          Case{"EmptyCode", TableBytes(kTwo), Record("", "x")},
                          Case{"EmptyWord", TableBytes(kTwo), Record("a", "")},
                          Case{"NoRecord", TableBytes(kTwo), Bytes{}}}) {
        MappedFilePtr table = OpenTable(dir, std::string(c.name) + ".dmg", c.table);
        EXPECT_FALSE(AppendEntry(table.get(), c.record)) << c.name;
        EXPECT_EQ(ViewBytes(table.get()), c.table) << c.name;
    }
    EXPECT_FALSE(AppendEntry(nullptr, kNew));
}

TEST(AppendEntryTest, InMemoryCopyIsNotGrownAndKeepsItsView) {
    TempDir dir;
    WriteBytes(dir.path() / "ro.dmg", TableBytes(kTwo));
    std::filesystem::permissions(dir.path() / "ro.dmg", std::filesystem::perms::owner_write |
                                                            std::filesystem::perms::group_write |
                                                            std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    MappedFilePtr table(OpenMappedFile(dir.File("ro.dmg").c_str()));
    ASSERT_TRUE(table && !IsMappedToFile(*table));
    const Bytes before = ViewBytes(table.get());
    EXPECT_FALSE(AppendEntry(table.get(), kNew));
    ASSERT_NE(table->view, nullptr);
    EXPECT_EQ(ViewBytes(table.get()), before);
}

#ifndef _WIN32
TEST(AppendEntryTest, FailedGrowthLeavesTheTableMappedAsItWas) {
    TempDir dir;
    const Bytes bytes = TableBytes(kTwo);
    MappedFilePtr table = OpenTable(dir, "main.dmg", bytes);
    // The file may not grow: ftruncate fails with EFBIG instead of a signal.
    signal(SIGXFSZ, SIG_IGN);
    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = bytes.size();
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool appended = AppendEntry(table.get(), kNew);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, SIG_DFL);

    EXPECT_FALSE(appended);
    ASSERT_TRUE(IsMappedToFile(*table));
    EXPECT_EQ(ViewBytes(table.get()), bytes);
    EXPECT_EQ(CurrentFileLength(*table), bytes.size());
}
#endif

TEST(RemoveEntryAtTest, RemovingTheOnlyEntryLeavesAnEmptyTableOfTheSameSize) {
    TempDir dir;
    MappedFilePtr table = WriteSortedTable(dir, "main.dmg", {Record("a", "x")});
    ASSERT_TRUE(RemoveEntryAt(table.get(), 0));
    const CodeTable view(table.get());
    EXPECT_EQ(view.entryCount(), 0u);
    EXPECT_EQ(view.size(), 65708u);
    EXPECT_EQ(view.dataStart(), 65708u);
    BuildPrefixTable(table.get(), nullptr);
    EXPECT_EQ(ValidateTable(table.get(), nullptr, nullptr), "");
}

TEST(RemoveEntryAtTest, KeepsOrderAndMovesTheLowerRecordsUp) {
    TempDir dir;
    // Records in writing order c, a, d, b; the index sorted a, b, c, d.
    MappedFilePtr table =
        WriteSortedTable(dir, "main.dmg", {Record("c", "x"), Record("a", "x"), Record("d", "x"), Record("b", "xy")});
    const uint32_t size = table->size;
    ASSERT_TRUE(RemoveEntryAt(table.get(), 2));  // c, the lowest record
    ASSERT_TRUE(RemoveEntryAt(table.get(), 1));  // b, the highest
    EXPECT_EQ(table->size, size);
    BuildPrefixTable(table.get(), nullptr);
    EXPECT_EQ(ValidateTable(table.get(), nullptr, nullptr), "");
    EXPECT_EQ(EntriesOf(table.get()), (std::vector<EntryText>{{"a", "x", 0}, {"d", "x", 0}}));

    EXPECT_FALSE(RemoveEntryAt(table.get(), 2));
    EXPECT_FALSE(RemoveEntryAt(nullptr, 0));
    EXPECT_EQ(CodeTable(table.get()).entryCount(), 2u);
}

TEST(ClearTableTest, EmptiesTheIndexAndPrefixTableAndKeepsEverythingElse) {
    TempDir dir;
    MappedFilePtr table = WriteSortedTable(dir, "main.dmg", {Record("a", "x"), Record("b", "y")});
    table->view[40] = 0x5A;  // a header byte outside the fields a clear changes
    const Bytes before = ViewBytes(table.get());
    ClearTable(table.get());
    const Bytes after = ViewBytes(table.get());
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(LoadU32(after.data()), after.size());
    EXPECT_EQ(LoadU32(after.data() + 4), 0u);
    EXPECT_TRUE(std::all_of(after.begin() + kPrefixTableOffset, after.begin() + kEntryIndexOffset,
                            [](uint8_t b) { return b == 0; }));
    EXPECT_TRUE(std::equal(after.begin() + 8, after.begin() + kPrefixTableOffset, before.begin() + 8));
    EXPECT_TRUE(std::equal(after.begin() + kEntryIndexOffset, after.end(), before.begin() + kEntryIndexOffset));
    EXPECT_EQ(ValidateTable(table.get(), nullptr, nullptr), "");

    // The whole file is now free gap: the next append goes below its end.
    ASSERT_TRUE(AppendEntry(table.get(), kNew));
    EXPECT_EQ(CodeTable(table.get()).slot(0), after.size() - kNew.size());
    EXPECT_EQ(table->size, after.size());
}

TEST(TableEditingTest, RandomEditsKeepTheTableSoundAndItsEntries) {
    TempDir dir;
    std::mt19937 random(21);
    std::vector<Bytes> start = RandomRecords(random, 60, "abcdefg", 3);
    MappedFilePtr table = WriteSortedTable(dir, "main.dmg", start);
    std::vector<EntryText> model = EntriesOf(table.get());

    for (int step = 0; step < 400; ++step) {
        const uint32_t count = CodeTable(table.get()).entryCount();
        const uint32_t op = random() % 100;
        std::string what;
        if (op < 45 || count == 0) {
            const Bytes record = RandomRecords(random, 1, "abcdefgh", 4)[0];
            if (FindEntry(table.get(), record.data() + 4, nullptr) > 0) continue;
            ASSERT_TRUE(AppendEntry(table.get(), record));
            if (random() % 2)
                PlaceLastEntry(table.get(), nullptr);
            else
                SortEntryIndex(table.get(), nullptr);
            BuildPrefixTable(table.get(), nullptr);
            const EntryText added{std::string(record.begin() + 5, record.begin() + 5 + record[4]),
                                  std::string(record.begin() + 6 + record[4], record.end()), LoadU32(record.data())};
            model.insert(std::lower_bound(model.begin(), model.end(), added,
                                          [](const EntryText& a, const EntryText& b) {
                                              return std::tie(a.code, a.word) < std::tie(b.code, b.word);
                                          }),
                         added);
            what = "append";
        } else if (op < 80) {
            const uint32_t position = random() % count;
            ASSERT_TRUE(RemoveEntryAt(table.get(), position));
            BuildPrefixTable(table.get(), nullptr);
            model.erase(model.begin() + position);
            what = "remove";
        } else if (op < 98) {
            const uint32_t position = random() % count;
            EntryFlags flags = CodeTable(table.get()).entryAt(position)->flags();
            flags.setPinned(random() % 2);
            flags.setDeleted(random() % 2);
            flags.setOrder(static_cast<uint16_t>(random()));
            CodeTable(table.get()).entryAt(position)->setFlags(flags);
            model[position].flags = flags.value;
            what = "flags";
        } else {
            ClearTable(table.get());
            model.clear();
            what = "clear";
        }
        ASSERT_EQ(ValidateTable(table.get(), nullptr, nullptr), "") << "step " << step << ": " << what;
        ASSERT_EQ(EntriesOf(table.get()), model) << "step " << step << ": " << what;
    }
}

}  // namespace
