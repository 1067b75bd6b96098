// Building a code table from a source text, copying it into main.dmg under
// its header, and the whole replacement with its failures.
#include "codetable/TableReplacement.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "codetable/CodeTable.h"
#include "codetable/ReplaceMessages.h"
#include "codetable/TableFile.h"
#include "codetable/TableValidation.h"
#include "tests/codetable/TableTestSupport.h"

namespace {

struct Collected : OperationCallbacks {
    std::vector<std::u16string> reports;
    uint64_t lastPosition = 0, lastTotal = 0;
    void Progress(uint64_t position, uint64_t total) override {
        lastPosition = position;
        lastTotal = total;
    }
    void Report(std::u16string_view text) override { reports.emplace_back(text); }
};

Bytes Utf8Bytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

// Builds from `source` into "out.dmg" and opens it.
MappedFilePtr Build(const TempDir& dir, const Bytes& source, Collected& collected, const ReplaceOps& ops = {},
                    BuildSummary* summary = nullptr) {
    WriteBytes(dir.path() / "source.txt", source);
    EXPECT_EQ(BuildCodeTableFromSource(dir.File("source.txt").c_str(), dir.File("out.dmg").c_str(), ops, &collected,
                                       summary),
              BuildResult::Built);
    return MappedFilePtr(OpenMappedFile(dir.File("out.dmg").c_str()));
}

uint32_t Flags(uint8_t category, uint16_t order) { return uint32_t{category} << 24 | 1u << 20 | order; }

TEST(BuildCodeTableTest, WritesASortedValidTableWithTheBuiltHeader) {
    TempDir dir;
    Collected collected;
    BuildSummary summary;
    MappedFilePtr table =
        Build(dir, Utf8Bytes("// 注释\n中\tk\n人\tw\n中\tk\n国\tl#用\n大\t\xEF\xBC\x90\nno tab\n"), collected, {}, &summary);
    ASSERT_TRUE(table);
    EXPECT_EQ(summary.lines, 7u);
    EXPECT_EQ(summary.refused, 1u);
    EXPECT_EQ(summary.duplicates, 1u);
    EXPECT_EQ(summary.unique, 4u);
    EXPECT_EQ(summary.recordBytes, 40u);
    EXPECT_EQ(ValidateTable(table.get(), nullptr, nullptr), "");
    const CodeTable view(table.get());
    const CodeTableHeader header = view.header();
    EXPECT_EQ(header.tableKind, KindCodeTable);
    EXPECT_EQ(header.formatVersion, kFormatVersion);
    EXPECT_STREQ(header.tableName, "SYSMB");
    EXPECT_EQ(std::memcmp(header.reserved62, "YNSN", 4), 0);
    EXPECT_EQ(header.reserved132, 100u);
    EXPECT_EQ(header.dataStart, kEmptyTableSize + 4 * 4);
    EXPECT_EQ(view.size(), header.dataStart + 40);
    EXPECT_EQ(EntriesOf(table.get()), (std::vector<EntryText>{{"\x10", "大", Flags(1, 16383)},
                                                               {"k", "中", Flags(1, 16383)},
                                                               {"l", "国", Flags(2, 16383)},
                                                               {"w", "人", Flags(1, 16383)}}));
    EXPECT_EQ(collected.reports,
              std::vector<std::u16string>{u"　　码表信息: \r\n　　  码表大小: 40字节\r\n　　  原始码表行数: 7\r\n　　  有效编码行数: 4"});
    EXPECT_EQ(collected.lastPosition, collected.lastTotal);
}

TEST(BuildCodeTableTest, DropsAndReportsRecordsWithoutAStoredForm) {
    TempDir dir;
    Collected collected;
    // A lone surrogate, a word of 256 bytes, a code cut to nothing, and a
    // word of 255 bytes that is stored whole.
    const std::u16string longWord(256, u'x');
    std::u16string text = u"a\xD800\tk\n" + longWord + u"\tk\n工\t#固\n" + longWord.substr(1) + u"\tk\n";
    Bytes source = {0xFF, 0xFE};
    for (char16_t c : text) source.insert(source.end(), {static_cast<uint8_t>(c), static_cast<uint8_t>(c >> 8)});
    MappedFilePtr table = Build(dir, source, collected);
    ASSERT_TRUE(table);
    EXPECT_EQ(ValidateTable(table.get(), nullptr, nullptr), "");
    ASSERT_EQ(collected.reports.size(), 4u);
    EXPECT_EQ(collected.reports[0], u"格式错误的词条定义: a\xD800 k");
    EXPECT_EQ(collected.reports[1], u"格式错误的词条定义: " + longWord + u" k");
    EXPECT_EQ(collected.reports[2], u"格式错误的词条定义: 工 ");
    const std::vector<EntryText> entries = EntriesOf(table.get());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].word, std::string(255, 'x'));
    // The index was sized for the four unique records.
    EXPECT_EQ(CodeTable(table.get()).dataStart(), kEmptyTableSize + 4 * 4);
}

TEST(BuildCodeTableTest, BadSourcesGiveAValidTableOrAClearFailure) {
    struct Case {
        const char* what;
        Bytes source;
        size_t entries;
    };
    Bytes garbage;
    for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<uint8_t>(i * 7919 % 251));
    Bytes longLine = Utf8Bytes(std::string(100000, 'w') + "\t" + std::string(100000, 'c') + "\n中\tk");
    const Case cases[] = {
        {"empty", {}, 0},
        {"only directives", Utf8Bytes("---config@码表分类=主码-用户码表\r\n---config@全局排序数值=9\r\n"), 0},
        {"binary garbage", garbage, 0},
        {"lines of 100,000 characters", longLine, 1},
    };
    for (const Case& c : cases) {
        TempDir dir;
        Collected collected;
        MappedFilePtr table = Build(dir, c.source, collected);
        ASSERT_TRUE(table) << c.what;
        EXPECT_EQ(ValidateTable(table.get(), nullptr, nullptr), "") << c.what;
        EXPECT_EQ(CodeTable(table.get()).entryCount(), c.entries) << c.what;
        if (c.entries == 0) {
            EXPECT_EQ(table->size, kEmptyTableSize) << c.what;
        }
    }
    TempDir dir;
    BuildSummary summary;
    EXPECT_EQ(BuildCodeTableFromSource(dir.File("missing.txt").c_str(), dir.File("out.dmg").c_str(), {}, nullptr, &summary),
              BuildResult::SourceUnreadable);
    EXPECT_EQ(summary.status, kTextFileCannotOpen);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "out.dmg"));
}

// Stores a code in upper case, as a module's encoder may.
int32_t UpperCaseEncode(const char16_t* code, uint8_t* destination, int32_t capacity) {
    const auto length = static_cast<int32_t>(std::char_traits<char16_t>::length(code));
    if (destination && capacity >= length) {
        destination[0] = static_cast<uint8_t>(length);
        for (int32_t i = 0; i < length; ++i) destination[1 + i] = static_cast<uint8_t>(code[i] & ~0x20);
    }
    return length;
}

TEST(BuildCodeTableTest, StoresCodesThroughTheModuleEncoder) {
    TempDir dir;
    Collected collected;
    MappedFilePtr table = Build(dir, Utf8Bytes("中\tkh\n"), collected, {UpperCaseEncode, nullptr, nullptr});
    ASSERT_TRUE(table);
    EXPECT_EQ(EntriesOf(table.get()), (std::vector<EntryText>{{"KH", "中", Flags(1, 16383)}}));
    EXPECT_EQ(ValidateTable(table.get(), nullptr, nullptr), "");
}

// A main.dmg of `records` whose header carries a GUID.
MappedFilePtr MainTable(const TempDir& dir, const std::vector<Bytes>& records) {
    CodeTableHeader header = NewTableHeader(KindCodeTable);
    for (int i = 0; i < 16; ++i) header.imeGuid[i] = static_cast<uint8_t>(0xA0 + i);
    std::memcpy(header.tableName, "main", 4);
    return MappedFilePtr(CreateTableFile(dir.File("main.dmg").c_str(), header, records));
}

TEST(CopyTableKeepingHeaderTest, LongerMainKeepsItsLengthAndHeaderWithTheEntriesAtItsEnd) {
    TempDir dir;
    Collected collected;
    MappedFilePtr built = Build(dir, Utf8Bytes("中\tk\n人\tw\n"), collected);
    std::vector<Bytes> old;
    for (int i = 0; i < 50; ++i) old.push_back(Record("old" + std::to_string(i), "旧"));
    MappedFilePtr main = MainTable(dir, old);
    const Bytes header(main->view + 8, main->view + kCodeTableHeaderSize);
    const uint32_t length = main->size;
    ASSERT_GT(length, built->size);

    ASSERT_TRUE(CopyTableKeepingHeader(main.get(), built.get()));
    EXPECT_EQ(main->size, length);
    EXPECT_EQ(Bytes(main->view + 8, main->view + kCodeTableHeaderSize), header);
    EXPECT_EQ(EntriesOf(main.get()), EntriesOf(built.get()));
    EXPECT_EQ(CodeTable(main.get()).dataStart(), length - (built->size - CodeTable(built.get()).dataStart()));
    EXPECT_EQ(ValidateTable(main.get(), nullptr, nullptr), "");
}

TEST(CopyTableKeepingHeaderTest, ShorterMainGrowsToTheBuiltLength) {
    TempDir dir;
    Collected collected;
    MappedFilePtr built = Build(dir, Utf8Bytes("中\tk\n人\tw\n国\tl\n"), collected);
    MappedFilePtr main = MainTable(dir, {});
    ASSERT_TRUE(CopyTableKeepingHeader(main.get(), built.get()));
    EXPECT_EQ(main->size, built->size);
    EXPECT_EQ(Bytes(main->view + kPrefixTableOffset, main->view + main->size),
              Bytes(built->view + kPrefixTableOffset, built->view + built->size));
    EXPECT_EQ(main->view[12], 0xA0);
    EXPECT_EQ(ValidateTable(main.get(), nullptr, nullptr), "");
    // An in-memory copy cannot grow: it is left as it was.
    const Bytes small = TableBytes({});
    MappedFilePtr memory = MemoryTable(small);
    EXPECT_FALSE(CopyTableKeepingHeader(memory.get(), built.get()));
    EXPECT_EQ(Bytes(memory->view, memory->view + memory->size), small);
}

TEST(ReplaceWholeTableTest, ReplacesMainThroughTheScratchTableOrLeavesItUnchanged) {
    TempDir dir;
    MappedFilePtr main = MainTable(dir, {Record("old", "旧")});
    WriteBytes(dir.path() / "source.txt", Utf8Bytes("中\tk\n"));
    WriteBytes(dir.path() / "zevaro_temp.dmg", Utf8Bytes("stale"));
    const Bytes before(main->view, main->view + main->size);

    EXPECT_EQ(ReplaceWholeTable(main.get(), dir.File("missing.txt").c_str(), dir.File("zevaro_temp.dmg").c_str(), {},
                                nullptr),
              ReplaceResult::ScratchNotCreated);
    EXPECT_EQ(Bytes(main->view, main->view + main->size), before);
    EXPECT_EQ(ReplaceResultMessage(ReplaceResult::ScratchNotCreated), kScratchNotCreatedMessage);

    EXPECT_EQ(ReplaceWholeTable(main.get(), dir.File("source.txt").c_str(), dir.File("zevaro_temp.dmg").c_str(), {},
                                nullptr),
              ReplaceResult::Replaced);
    EXPECT_EQ(EntriesOf(main.get()), (std::vector<EntryText>{{"k", "中", Flags(1, 16383)}}));
    EXPECT_EQ(ValidateTable(main.get(), nullptr, nullptr), "");
    EXPECT_EQ(ReplaceResultMessage(ReplaceResult::Replaced), nullptr);
}

}  // namespace
