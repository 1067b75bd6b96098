// Exporting tables as source texts: the lines and their markers, the order,
// the directives, the file, and round trips through replacement.
#include "codetable/TableExport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "codetable/ExportFileName.h"
#include "codetable/TableReplacement.h"
#include "codetable/TableValidation.h"
#include "tests/codetable/TableTestSupport.h"

namespace {

ExportJob JobFor(int selector) {
    ExportJob job;
    job.selector = selector;
    job.categoryFlags.fill(1);
    for (int k = 0; k < kCategoryCount; ++k) job.categoryNames[k] = std::u16string{u'名', static_cast<char16_t>(u'A' + k)};
    return job;
}

uint32_t Flags(uint8_t category, uint16_t order, bool pinned = false, bool deleted = false) {
    EntryFlags flags;
    flags.setCategory(category);
    flags.setOrder(order);
    flags.setPinned(pinned);
    flags.setDeleted(deleted);
    return flags.value;
}

std::string LineOf(const ExportJob& job, const Bytes& record, TableKind kind = KindCodeTable) {
    MappedFilePtr file = MemoryTable(TableBytes({record}, kind));
    const CodeTable table(file.get());
    std::string line;
    WriteExportLine(job, table, *table.entryAt(0), line);
    return line;
}

TEST(WriteExportLineTest, WordTabCodeAndMarkersEndingInCrLf) {
    struct Case {
        const char* what;
        int selector;
        Bytes record;
        std::string line;
    };
    // With its TAB and code the line is longer than 255 units.
    const std::string longWord(255, 'w');
    const Case cases[] = {
        {"plain system entry", 0, Record("a", "工", Flags(1, 0)), "工\ta\r\n"},
        {"deleted, pinned, order", 0, Record("a", "工", Flags(1, 3000, true, true)), "工\ta#删#固#序3000\r\n"},
        {"user", 0, Record("a", "工", Flags(2, 7)), "工\ta#用#序7\r\n"},
        {"secondary", 0, Record("a", "工", Flags(3, 0)), "工\ta#次\r\n"},
        {"auxiliary", 0, Record("a", "工", Flags(4, 0)), "工\ta#辅\r\n"},
        {"custom", 0, Record("a", "工", Flags(20, 0)), "工\ta#类5\r\n"},
        {"category export has no category marker", 20, Record("a", "工", Flags(20, 9)), "工\ta#序9\r\n"},
        {"escapes", 0, Record("a", "1\r\n2\n3\r4\t5\\6", Flags(1, 0)), "1\\r2\\r3\\r4\\t5\\\\6\ta\r\n"},
        {"leading slashes", 0, Record("a", "//x", Flags(1, 0)), "///x\ta\r\n"},
        {"folded code character", 0, Record("\x10", "工", Flags(1, 0)), "工\t\xEF\xBC\x90\r\n"},
        {"long word kept whole", 0, Record("a", longWord, Flags(1, 0)), longWord + "\ta\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(LineOf(JobFor(c.selector), c.record), c.line) << c.what;
    EXPECT_EQ(LineOf(JobFor(kExportWordList), WordListRecord("联想"), KindWordList), "联想\r\n");
    EXPECT_EQ(LineOf(JobFor(kExportWordList), WordListRecord("x\ty"), KindWordList), "x\ty\r\n");
}

TEST(CompareForExportTest, CategoryThenCodeThenPinnedAndOrderThenFileOrder) {
    TempDir dir;
    MappedFilePtr file = WriteTable(dir, "t.dmg",
                                    {Record("b", "1", Flags(1, 5)), Record("b", "2", Flags(1, 9)),
                                     Record("b", "3", Flags(1, 2, true)), Record("b", "4", Flags(1, 9)),
                                     Record("a", "5", Flags(2, 1)), Record("c", "6", Flags(1, 1))});
    const CodeTable table(file.get());
    std::vector<TableEntry> entries;
    for (uint32_t i = 0; i < table.slotCount(); ++i) entries.push_back(*table.entryAt(i));
    std::sort(entries.begin(), entries.end(), CompareForExport);
    std::string words;
    for (const TableEntry& e : entries) words += static_cast<char>(e.word()[0]);
    EXPECT_EQ(words, "324165");
}

TEST(ExportDirectivesTest, BySelector) {
    ExportJob whole = JobFor(0);
    whole.categoryFlags.fill(0);
    whole.categoryFlags[1] = whole.categoryFlags[17] = whole.categoryFlags[4] = 1;
    whole.categoryNames[17].clear();
    EXPECT_EQ(ExportDirectives(whole), u"---config@主码别名=名A\r\n---config@主码-系统码表别名=名B\r\n"
                                       u"---config@主码-用户码表别名=名C\r\n---config@主码-分类码表别名2=\r\n"
                                       u"---config@辅码别名=名E\r\n");
    EXPECT_EQ(ExportDirectives(JobFor(16)), u"---config@码表分类=主码-1\r\n---config@码表别名=名Q\r\n");
    EXPECT_EQ(ExportDirectives(JobFor(3)), u"---config@码表分类=主码-次显码表\r\n---config@码表别名=名D\r\n");
    EXPECT_EQ(ExportDirectives(JobFor(kExportWordList)), u"");
}

TEST(ExportTableTest, WritesTheSelectedEntriesAfterTheMarkAndDirectives) {
    TempDir dir;
    MappedFilePtr file = WriteSortedTable(dir, "main.dmg",
                                          {Record("a", "一", Flags(16, 0)), Record("b", "二", Flags(1, 0)),
                                           Record("c", "三", Flags(16, 4))});
    EXPECT_EQ(ExportTable(file.get(), JobFor(16), dir.File("out.txt").c_str()), 2);
    const Bytes bytes = ReadBytes(dir.path() / "out.txt");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "\xEF\xBB\xBF---config@码表分类=主码-1\r\n---config@码表别名=名Q\r\n一\ta\r\n三\tc#序4\r\n");
    EXPECT_EQ(ExportTable(file.get(), JobFor(2), dir.File("none.txt").c_str()), 0);
    EXPECT_EQ(ExportTable(file.get(), JobFor(0), dir.File("no folder/x.txt").c_str()), -1);
}

TEST(ExportFileNameTest, ByTableAndRow) {
    std::array<uint32_t, kCategoryCount> flags{};
    std::array<std::u16string, kCategoryCount> names;
    names[2] = u"用户";
    names[3] = u"a/b";
    flags[3] = 1;
    const auto name = [&](std::u16string_view path, int row) {
        return ExportFileName(u"D:\\Docs\\[ 泽瓦 ]", path, row, flags, names).value_or(u"none");
    };
    EXPECT_EQ(name(u"D:\\ime\\sysl.dmg", -1), u"D:\\Docs\\[ 泽瓦 ]\\导出 - 联想码表.txt");
    EXPECT_EQ(name(u"D:\\ime\\engl.dmg", -1), u"D:\\Docs\\[ 泽瓦 ]\\导出 - 英文码表.txt");
    EXPECT_EQ(name(u"D:\\ime\\main.dmg", 0), u"D:\\Docs\\[ 泽瓦 ]\\导出 - 全部词条.txt");
    EXPECT_EQ(name(u"D:\\ime\\main.dmg", 2), u"D:\\Docs\\[ 泽瓦 ]\\导出 - 主码 - 用户.txt");
    EXPECT_EQ(name(u"D:\\ime\\main.dmg", 3), u"D:\\Docs\\[ 泽瓦 ]\\导出 - 次显 - a_b.txt");
    EXPECT_EQ(name(u"D:\\ime\\main.dmg", 1), u"none");
    EXPECT_EQ(name(u"D:\\ime\\main.dmg", 4), u"none");
    EXPECT_EQ(name(u"D:\\ime\\main.dmg", 20), u"none");
    EXPECT_EQ(name(u"D:\\ime\\main.dmg", 7), u"none");
}

struct Kept {
    std::string code, word;
    uint32_t flags;  // without headMark
    auto operator<=>(const Kept&) const = default;
};

std::vector<Kept> WithoutHeadMark(MappedFile* table) {
    std::vector<Kept> kept;
    for (const EntryText& e : EntriesOf(table)) kept.push_back({e.code, e.word, e.flags & ~(1u << 20)});
    return kept;
}

// Builds `source`, exports the whole table, builds the export again: the
// entries agree in everything but headMark.
void ExpectRoundTrip(const TempDir& dir, const std::filesystem::path& source) {
    ASSERT_EQ(BuildCodeTableFromSource(source.u16string().c_str(), dir.File("first.dmg").c_str(), {}, nullptr),
              BuildResult::Built);
    MappedFilePtr first(OpenMappedFile(dir.File("first.dmg").c_str()));
    ASSERT_GT(ExportTable(first.get(), JobFor(0), dir.File("export.txt").c_str()), 0);
    ASSERT_EQ(BuildCodeTableFromSource(dir.File("export.txt").c_str(), dir.File("second.dmg").c_str(), {}, nullptr),
              BuildResult::Built);
    MappedFilePtr second(OpenMappedFile(dir.File("second.dmg").c_str()));
    EXPECT_EQ(ValidateTable(second.get(), nullptr, nullptr), "");
    EXPECT_EQ(WithoutHeadMark(second.get()), WithoutHeadMark(first.get()));
}

TEST(ExportRoundTripTest, ReplacementReadsAnExportBackEntryForEntry) {
    TempDir dir;
    const std::string longWord(250, 'x');
    const std::string source = "工\ta\n工\tb#固#用\n人\tab#类3#序77\n一\\t二\\r三\\\\\tc#辅\n//x\tq\n///y\tq\n"
                               "a\\sb\tab##固\n" + longWord + "\tz\n大\t\xEF\xBC\x91\n";
    std::ofstream(dir.path() / "source.txt", std::ios::binary) << source;
    ExpectRoundTrip(dir, dir.path() / "source.txt");
}

TEST(ExportRoundTripTest, TheWubiTableSurvivesExportAndRebuild) {
    // The real Wubi-86 table of rime-data-wubi, as word TAB code, when installed.
    const std::filesystem::path dictionary = "/usr/share/rime-data/wubi86.dict.yaml";
    if (!std::filesystem::exists(dictionary)) GTEST_SKIP() << "rime-data-wubi is not installed";
    TempDir dir;
    std::ifstream in(dictionary);
    std::ofstream out(dir.path() / "wubi.txt", std::ios::binary);
    bool body = false;
    for (std::string line; std::getline(in, line);) {
        if (!body) {
            body = line == "...";
            continue;
        }
        const size_t tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
        out << line.substr(0, line.find('\t', tab + 1)) << "\n";
    }
    out.close();
    ExpectRoundTrip(dir, dir.path() / "wubi.txt");
}

}  // namespace
